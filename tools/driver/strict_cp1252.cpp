#include "driver/strict_cp1252.h"

#include "text/cp1252.h"

#include <cstdint>

namespace driver {
namespace {

// Decodes the sequence at pos and moves past it; nothing when malformed.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(s[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<std::uint8_t>(s[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (static_cast<std::uint8_t>(s[pos++]) & 0x3F);
    }
    return cp;
}

} // namespace

std::optional<std::string> strictCp1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp) {
            return std::nullopt;
        }
        const auto byte = text::fromUnicode(*cp);
        if (!byte) {
            return std::nullopt;
        }
        result += static_cast<char>(*byte);
    }
    return result;
}

} // namespace driver
