#pragma once

#include <cstdint>

namespace form {

// 0x00BBGGRR: red in the low byte, as stored in the user file.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour red = 0x0000FF;
constexpr Colour navy = 0x800000;
constexpr Colour yellow = 0x00FFFF;
constexpr Colour silver = 0xC0C0C0;
constexpr Colour buttonFace = 0xF0F0F0;
constexpr Colour window = 0xFFFFFF;
} // namespace colours

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
           (static_cast<Colour>(blue) << 16);
}

} // namespace form
