#include "driver/strict_cp1252.h"

#include "text/cp1252.h"
#include "text/utf8.h"

namespace driver {

std::optional<std::string> strictCp1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto sequence = text::decodeUtf8(utf8, pos);
        const auto byte = sequence ? text::fromUnicode(sequence->codePoint) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        result += static_cast<char>(*byte);
        pos += sequence->length;
    }
    return result;
}

} // namespace driver
