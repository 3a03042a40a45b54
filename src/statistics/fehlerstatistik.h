#pragma once

#include "state/context.h"

#include <array>

// Computes the nine per-finger fault rates from keystroke and fault counts.
void statistikberechnen(Sitzungszustand& s, const FingerPaare& zaehler);

// One finger's bar and text line of a fault panel.
struct Fingeranzeige {
    form::Control& balken;
    form::Control& text;
};

// Fills nine finger rows (fingers 1..9) from the session's rates and counts:
// each bar the rounded rate, each line word, faults, keystrokes and rate, in
// the finger's colour.
void fingerzeilenZeigen(const Sitzungszustand& s, const std::array<Fingeranzeige, 9>& zeilen,
                        const std::array<const char*, 9>& woerter);

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
