#include "users/namensfolge.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace users {
namespace {

// How the Windows-1252 letters from 0xC0 on are filed: À..ÿ.
// clang-format off
constexpr std::array<std::string_view, 64> kAbC0 = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O", "\xD7", "O", "U", "U", "U", "U", "Y", "TH", "SS",
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O", "\xF7", "O", "U", "U", "U", "U", "Y", "TH", "Y",
};
// clang-format on

void ablegen(std::uint8_t zeichen, std::string& ziel) {
    if (zeichen >= 'a' && zeichen <= 'z') {
        ziel += static_cast<char>(zeichen - 'a' + 'A');
        return;
    }
    if (zeichen >= 0xC0) {
        ziel += kAbC0[zeichen - 0xC0];
        return;
    }
    switch (zeichen) {
    case 0x8A: // Š
    case 0x9A: // š
        ziel += 'S';
        return;
    case 0x8C: // Œ
    case 0x9C: // œ
        ziel += "OE";
        return;
    case 0x8E: // Ž
    case 0x9E: // ž
        ziel += 'Z';
        return;
    case 0x9F: // Ÿ
        ziel += 'Y';
        return;
    default:
        ziel += static_cast<char>(zeichen);
    }
}

std::string ablageform(const std::string& name) {
    std::string form;
    form.reserve(name.size());
    for (const char zeichen : name) {
        ablegen(static_cast<std::uint8_t>(zeichen), form);
    }
    return form;
}

bool ziffer(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

// A run of digits from at, compared by value: leading zeros dropped, then
// the longer number is the larger.
std::string_view zahlAb(std::string_view text, std::size_t& at) {
    const std::size_t anfang = at;
    while (at < text.size() && ziffer(text[at])) {
        ++at;
    }
    std::string_view zahl = text.substr(anfang, at - anfang);
    const auto ersteWertziffer = zahl.find_first_not_of('0');
    return ersteWertziffer == std::string_view::npos ? std::string_view{}
                                                     : zahl.substr(ersteWertziffer);
}

// -1, 0 or 1 for two filed forms.
int vergleichen(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (ziffer(a[i]) && ziffer(b[j])) {
            const auto x = zahlAb(a, i);
            const auto y = zahlAb(b, j);
            if (x.size() != y.size()) {
                return x.size() < y.size() ? -1 : 1;
            }
            if (const int c = x.compare(y); c != 0) {
                return c < 0 ? -1 : 1;
            }
            continue;
        }
        const auto x = static_cast<std::uint8_t>(a[i++]);
        const auto y = static_cast<std::uint8_t>(b[j++]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

bool vor(const std::string& form1, const std::string& name1, const std::string& form2,
         const std::string& name2) {
    if (const int c = vergleichen(form1, form2); c != 0) {
        return c < 0;
    }
    return name1 < name2;
}

} // namespace

bool liestSichVor(const std::string& links, const std::string& rechts) {
    return vor(ablageform(links), links, ablageform(rechts), rechts);
}

void namenSortieren(std::vector<std::string>& namen) {
    // Each name is filed once, not at every comparison.
    std::vector<std::pair<std::string, std::string>> abgelegt;
    abgelegt.reserve(namen.size());
    for (auto& name : namen) {
        abgelegt.emplace_back(ablageform(name), std::move(name));
    }
    std::sort(abgelegt.begin(), abgelegt.end(), [](const auto& a, const auto& b) {
        return vor(a.first, a.second, b.first, b.second);
    });
    for (std::size_t i = 0; i < namen.size(); ++i) {
        namen[i] = std::move(abgelegt[i].second);
    }
}

} // namespace users
