#pragma once

#include "state/context.h"

// The exercise clock and everything that stops or leaves an exercise.
// The tick of Timer1, every 250 ms.
void universaltimer(Context& c);
// Toggles between running and paused.
void BPause(Context& c);
// The program lost the focus.
void deaktiviert(Context& c);
// The examination's time is up: back to the main screen.
void pruefungBeenden(Context& c);
// The examination's minute countdown.
void Timer2Timer(Context& c);
// Leaves any exercise and shows the main screen.
void Buchstabenuebung_abbruch(Context& c);
// A click into the word line or the own-text line pauses and marks the
// expected character.
void Edit2Click(Context& c);
void Memo4Click(Context& c);
