#pragma once

#include "state/context.h"

// The results window of the examination (TForm2).
namespace ergebnisfenster {

// At start-up: the tick counter at 0, OK disabled, scaled to the screen.
void FormCreate(Context& c);
// Each time the window appears: its timer runs, faults, rate and panel filled.
void FormPaint(Context& c);
// OK becomes available at the fifth tick after the first showing.
void Timer1Timer(Context& c);
// OK: back to the main screen with the lesson part from before the examination.
void Button1Click(Context& c);

} // namespace ergebnisfenster
