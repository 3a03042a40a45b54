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

bool ziffer(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

// A run of digits is filed as '0', its length without leading zeros, then
// those digits: plain byte order then puts numbers in order of their value
// (USER2 before USER10), and a digit still sorts against any other sign as
// a digit does, since no other sign lies between '0' and '9'.
void zahlAblegen(std::string_view name, std::size_t& at, std::string& ziel) {
    while (at < name.size() && name[at] == '0') {
        ++at;
    }
    const std::size_t anfang = at;
    while (at < name.size() && ziffer(name[at])) {
        ++at;
    }
    ziel += '0';
    ziel += static_cast<char>(at - anfang);
    ziel.append(name.substr(anfang, at - anfang));
}

std::string ablageform(const std::string& name) {
    std::string form;
    form.reserve(name.size() + 4);
    for (std::size_t at = 0; at < name.size();) {
        if (ziffer(name[at])) {
            zahlAblegen(name, at, form);
            continue;
        }
        ablegen(static_cast<std::uint8_t>(name[at++]), form);
    }
    return form;
}

bool vor(const std::string& form1, const std::string& name1, const std::string& form2,
         const std::string& name2) {
    if (const int c = form1.compare(form2); c != 0) {
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
