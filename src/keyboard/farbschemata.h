#pragma once

#include "form/control.h"
#include "state/context.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace keyboard {

// The five finger colours in the order small, ring, middle, fore, thumb.
using Fingerfarben = std::array<form::Colour, 5>;

// ComboBox2's schemes, item index 0..8.
enum Farbschema : int {
    Standard = 0,
    EigeneFarben = 1,
    Gruen = 2,
    Minze = 3,
    Verrueckt = 4,
    Pastell = 5,
    Rose = 6,
    Wasser = 7,
    Zufall = 8,
};
inline constexpr int kFarbschemata = 9;

std::string_view farbschemaName(int schema);

// The fixed colours of a scheme; empty for "Own colours" and "Random",
// whose colours come from the record and from the random source.
std::optional<Fingerfarben> farbschemaFarben(int schema);

Fingerfarben fingerfarben(const Sitzungszustand& s);
void fingerfarbenSetzen(Sitzungszustand& s, const Fingerfarben& farben);

// Applies the scheme chosen in ComboBox2: "Own colours" takes `eigene`, the
// colours last saved in the learner's record; "Random" draws three numbers
// 0..254 (blue, green, red) for each finger after re-seeding. The swatches,
// legend and keys show the colours at once.
void farbschemaAnwenden(Context& c, int schema, const Fingerfarben& eigene);

// Shows ComboBox2 on a scheme without applying it.
void farbschemaZeigen(Context& c, int schema);

} // namespace keyboard
