#pragma once

#include "state/context.h"

// The small navigation handlers of the main window.
void Extras(Context& c);
void Fingergym(Context& c);
void Memo1vergroessern(Context& c);
void Memo1verkleinern(Context& c);
void Memo1markieren(Context& c);
void copyclip(Context& c);
// Back from the own-text screens to the main screen.
void hauptmenue(Context& c);
// Help: the help page opened with the desktop's open action.
void Hilfe1Click(Context& c);
// A released key: F1 opens the help.
void FormKeyUp(Context& c, int tastencode);
