#pragma once

#include "state/context.h"

#include <cstdint>

namespace keyboard {

// Character that lights no key: the keyboard is only shown.
constexpr std::uint8_t kKeineTaste = 127;

// Shows the keyboard with the key of the expected character lit.
void tastaturaktiviert(Context& c, std::uint8_t zeichen);

// The keyboard view: shows the keyboard with no key lit.
void Tastatur(Context& c);

// Each tick while a Settings box is open during the letter exercise, so a
// changed colour or letter font shows at once on the large character.
void einstellungsvorschau(Context& c);

} // namespace keyboard
