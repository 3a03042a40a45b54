#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// All text inside the program is 8-bit Windows-1252; these are the only
// conversions to and from Unicode.
namespace text {

char32_t toUnicode(std::uint8_t byte);
std::optional<std::uint8_t> fromUnicode(char32_t codePoint);

std::string toUtf8(std::string_view cp1252);
// Characters with no Windows-1252 byte become '?'.
std::string fromUtf8(std::string_view utf8);

} // namespace text
