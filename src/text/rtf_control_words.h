#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What the RTF reader knows about control words by name alone.
namespace text {

// Groups whose content is never shown: tables, document information,
// pictures, objects, headers, footers, field instructions and the like.
bool isSkippedDestination(std::string_view word);

// Words that turn underlining on, in any of its styles.
bool isUnderlineWord(std::string_view word);

// Words that stand for one character (\emdash, \lquote, …), as its
// Windows-1252 byte.
std::optional<std::uint8_t> characterWord(std::string_view word);

} // namespace text
