#pragma once

#include <cstdint>

// Which finger a typed character counts for, and which characters need the
// Shift key, per keyboard layout (0 German, 1 Swiss, 2 American, 3 UK).
namespace exercises {

// Bit k (1..9) set for every finger the character counts for; 0 for none.
// Only the backslash of the American and UK layouts counts for two fingers.
std::uint16_t fingerDesZeichens(std::uint8_t tastaturcode, std::uint8_t zeichen);

// The character is typed with Shift and so counts as two keystrokes.
bool umgeschaltet(std::uint8_t tastaturcode, std::uint8_t zeichen);

} // namespace exercises
