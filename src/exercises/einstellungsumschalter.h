#pragma once

#include "session/context.h"

#include <vector>

namespace exercises {

// What an exercise's "Settings" button locks while its panel is open.
struct Einstellungsknoepfe {
    form::Control& knopf;
    form::Control& menue;
    std::vector<form::Control*> gesperrt;    // disabled both ways, enabled on closing
    std::vector<form::Control*> freigegeben; // further controls enabled on closing
};

// Opens or closes the settings panel during an exercise. While it is open
// nothing is measured; on closing the open time is left out of the speed.
void einstellungenUmschalten(Context& c, const Einstellungsknoepfe& k);

} // namespace exercises
