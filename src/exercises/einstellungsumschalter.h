#pragma once

#include "state/context.h"

#include <vector>

namespace exercises {

// What an exercise's "Settings" button locks while its panel is open.
struct Einstellungsknoepfe {
    form::Control& knopf;
    form::Control& menue;
    bool& offen;                          // the session's record that this exercise's box is open
    std::vector<form::Control*> gesperrt; // disabled both ways, enabled on closing
    std::vector<form::Control*> freigegeben; // further controls enabled on closing
};

// What the Settings buttons of the letter, the word and the own-text exercise lock.
Einstellungsknoepfe buchstabenknoepfe(Context& c);
Einstellungsknoepfe wortknoepfe(Context& c);
Einstellungsknoepfe textknoepfe(Context& c);

// Opens or closes the settings panel during an exercise. While it is open
// nothing is measured; on closing the open time is left out of the speed.
void einstellungenUmschalten(Context& c, const Einstellungsknoepfe& k);

// An exercise left or completed with its Settings box open: the box closes
// and what it locked comes back, so the next exercise starts as any other.
void offeneEinstellungenSchliessen(Context& c);

// Whether the Settings box of an exercise is open.
bool einstellungenOffen(const Sitzungszustand& s);

} // namespace exercises
