#pragma once

#include "state/context.h"

// Computes the nine per-finger fault rates from keystroke and fault counts.
void statistikberechnen(Sitzungszustand& s, const FingerPaare& zaehler);

// Refreshes the live fault-statistics panel from the session.
void Fehlerstatistik(Context& c);

// Shows the live fault-statistics panel during an exercise.
void Fehlerstatistikaktivieren(Context& c);

// Applies the full scale of the nine bars.
void FehlerstatistikSkalierung(Context& c);

// The four scale menu items.
void Skal100PClick(Context& c);
void Skal50PClick(Context& c);
void Skal25PClick(Context& c);
void Skal10PClick(Context& c);
