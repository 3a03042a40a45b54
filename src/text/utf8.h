#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The one UTF-8 decoder: the conversion to Windows-1252, the driver's strict
// input and its JSON output all read UTF-8 through it.
namespace text {

struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

// The sequence starting at pos, or nothing when its lead byte cannot start
// one (a continuation byte, C0, C1, F5..FF) or a continuation byte is
// missing. pos must be inside text.
std::optional<Utf8Sequence> decodeUtf8(std::string_view text, std::size_t pos);

} // namespace text
