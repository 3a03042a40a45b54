#pragma once

#include "session/context.h"

// Computes the nine per-finger fault rates from keystroke and fault counts.
void statistikberechnen(Sitzungszustand& s, const FingerPaare& zaehler);

// Refreshes the live fault-statistics panel from the session.
void Fehlerstatistik(Context& c);
