#include "text/utf8.h"

#include <cstdint>

namespace text {
namespace {

constexpr std::uint8_t kContinuationMask = 0xC0;
constexpr std::uint8_t kContinuation = 0x80;

struct Lead {
    std::size_t length = 0;
    char32_t bits = 0;
};

std::optional<Lead> leadOf(std::uint8_t byte) {
    if (byte < 0x80) {
        return Lead{1, byte};
    }
    if (byte >= 0xC2 && byte <= 0xDF) {
        return Lead{2, static_cast<char32_t>(byte & 0x1F)};
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return Lead{3, static_cast<char32_t>(byte & 0x0F)};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return Lead{4, static_cast<char32_t>(byte & 0x07)};
    }
    return std::nullopt;
}

} // namespace

std::optional<Utf8Sequence> decodeUtf8(std::string_view text, std::size_t pos) {
    const auto lead = leadOf(static_cast<std::uint8_t>(text[pos]));
    if (!lead || pos + lead->length > text.size()) {
        return std::nullopt;
    }
    char32_t codePoint = lead->bits;
    for (std::size_t i = 1; i < lead->length; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[pos + i]);
        if ((byte & kContinuationMask) != kContinuation) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return Utf8Sequence{codePoint, lead->length};
}

} // namespace text
