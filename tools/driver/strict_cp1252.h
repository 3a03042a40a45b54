#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace driver {

// Converts command input (UTF-8) to the program's Windows-1252 text. Unlike
// text::fromUtf8 it refuses rather than substitutes: a character with no
// Windows-1252 byte, or malformed UTF-8, gives nothing.
std::optional<std::string> strictCp1252(std::string_view utf8);

} // namespace driver
