#include "keyboard/zeichenfolge.h"

#include <algorithm>
#include <string_view>

namespace keyboard {
namespace {

// Index 8 is the space and 13 is Enter; \xF6 \xD6 \xFC \xDC \xE4 \xC4 \xA7 are
// ö Ö ü Ü ä Ä § in Windows-1252.
constexpr std::string_view kDeutsch =
    "asdfjkl\xF6 ghei\r,ruwo.qpASDFJKL\xD6GHEIRUWOQPtTzZvVmMbBnNcC;"
    "xX:yY-_\xFC\xDC\xE4\xC4!\"\xA7$%&/()=?1234567890";

constexpr std::array<std::uint8_t, 23> kPositionen = {
    7, 29, 42, 43, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76};

// One column per layout, in the order of kPositionen.
constexpr std::array<std::string_view, 4> kSpalten = {
    "\xF6\xD6zZyY-_\xFC\xDC\xE4\xC4!\"\xA7$%&/()=?",
    "\xF6\xE9zZyY-_\xFC\xE8\xE4\xE0!\"\xA7$%&/()=?",
    ";:yYzZ/?[{'\"!@#$%^&*()_",
    ";:yYzZ/?[{'@!\"\xA3$%^&*()_",
};

static_assert(kDeutsch.size() == kZeichenAnzahl);

} // namespace

std::array<std::uint8_t, kZeichenAnzahl> deutscheZeichenfolge() {
    std::array<std::uint8_t, kZeichenAnzahl> result{};
    std::transform(kDeutsch.begin(), kDeutsch.end(), result.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return result;
}

void zeichenfolgeSetzen(std::array<std::uint8_t, kZeichenAnzahl>& zeichenfolge,
                        std::uint8_t tastaturcode) {
    const std::string_view spalte = kSpalten[std::min<std::size_t>(tastaturcode, 3)];
    for (std::size_t i = 0; i < kPositionen.size(); ++i) {
        zeichenfolge[kPositionen[i]] = static_cast<std::uint8_t>(spalte[i]);
    }
}

const std::array<std::uint8_t, 23>& layoutPositionen() {
    return kPositionen;
}

} // namespace keyboard
