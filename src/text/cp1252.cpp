#include "text/cp1252.h"

#include "text/utf8.h"

#include <array>

namespace text {
namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kHighControl = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t toUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        const char32_t cp = kHighControl[byte - 0x80];
        return cp != 0 ? cp : byte;
    }
    return byte;
}

std::optional<std::uint8_t> fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<std::uint8_t>(codePoint);
    }
    if (codePoint >= 0x80 && codePoint < 0xA0 && kHighControl[codePoint - 0x80] == 0) {
        return static_cast<std::uint8_t>(codePoint); // the five unassigned bytes round-trip
    }
    for (std::size_t i = 0; i < kHighControl.size(); ++i) {
        if (kHighControl[i] != 0 && kHighControl[i] == codePoint) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (const char c : cp1252) {
        appendUtf8(out, toUnicode(static_cast<std::uint8_t>(c)));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto sequence = decodeUtf8(utf8, pos);
        if (!sequence) {
            out += '?';
            ++pos;
            continue;
        }
        out += static_cast<char>(fromUnicode(sequence->codePoint).value_or('?'));
        pos += sequence->length;
    }
    return out;
}

} // namespace text
