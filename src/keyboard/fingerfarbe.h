#pragma once

#include "form/control.h"
#include "state/sitzungszustand.h"

#include <cstdint>
#include <optional>

namespace keyboard {

// Colour of the finger that types the character on the current layout; empty
// when the character is in no finger's set (the caller keeps its colour).
std::optional<form::Colour> fingerfarbe(const Sitzungszustand& s, std::uint8_t zeichen);

// The narrower, layout-independent sets the Settings preview uses.
std::optional<form::Colour> vorschaufarbe(const Sitzungszustand& s, std::uint8_t zeichen);

} // namespace keyboard
