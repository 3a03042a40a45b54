#include "exercises/fingersaetze.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace exercises {
namespace {

using Tabelle = std::array<std::uint16_t, 256>;

// Characters per finger 1..9 (index 0 unused; 5 is the space for all).
// \xB0 ° \xA7 § \xC4 Ä \xD6 Ö \xDC Ü \xE4 ä \xF6 ö \xFC ü \xE7 ç \xE0 à \xE8 è \xE9 é
using Saetze = std::array<std::string_view, 10>;

constexpr Saetze kDeutsch = {"",
                             "!1<>AQYaqy\xB0",
                             "\"2SWXswx",
                             "3CDEcde\xA7",
                             "$%45BFGRTVbfgrtv",
                             " ",
                             "#-?P_p\xC4\xD6\xDC\xE4\xF6\xFC",
                             ".0:=LOlo",
                             "),9;IKik",
                             "(/78HJMNUZhjmnuz"};
constexpr Saetze kSchweiz = {"",
                             "+1<>AQYaqy\xB0",
                             "\"2SWXswx",
                             "*3CDEcde",
                             "%45BFGRTVbfgrtv\xE7",
                             " ",
                             "$-?P_p\xE0\xE4\xE8\xE9\xF6\xFC",
                             ".0:=LOlo",
                             "),9;IKik",
                             "(/78HJMNUZhjmnuz"};
constexpr Saetze kEnglisch = {"",  "!1AQZ\\aqz~",    "2@SWXswx", "#3CDEcde", "$%45BFGRTVbfgrtv",
                              " ", "\"'/:;?P[\\_p{", ").0>LOlo", "(,9<IKik", "&*78HJMNUYhjmnuy"};

constexpr std::string_view kUmschaltDeutsch = "!\"$%&()*/:;=>?_\xA7\xB0\xC4\xD6\xDC`";
constexpr std::string_view kUmschaltSchweiz = "!\"%&()*+/:;=>?_\xB0\xE0\xE7\xE8\xE9";
constexpr std::string_view kUmschaltEnglisch = "!\"#$%&()*+:<>?@^_{}~";

Tabelle fingertabelle(const Saetze& saetze) {
    Tabelle t{};
    for (std::size_t finger = 1; finger < saetze.size(); ++finger) {
        for (const char c : saetze[finger]) {
            t[static_cast<std::uint8_t>(c)] |= static_cast<std::uint16_t>(1U << finger);
        }
    }
    return t;
}

Tabelle umschalttabelle(std::string_view zeichen) {
    Tabelle t{};
    for (const char c : zeichen) {
        t[static_cast<std::uint8_t>(c)] = 1;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[static_cast<std::size_t>(c)] = 1;
    }
    return t;
}

const Tabelle& finger(std::uint8_t code) {
    static const std::array<Tabelle, 3> tabellen = {
        fingertabelle(kDeutsch), fingertabelle(kSchweiz), fingertabelle(kEnglisch)};
    return tabellen[std::min<std::size_t>(code, 2)];
}

const Tabelle& umschalt(std::uint8_t code) {
    static const std::array<Tabelle, 3> tabellen = {umschalttabelle(kUmschaltDeutsch),
                                                    umschalttabelle(kUmschaltSchweiz),
                                                    umschalttabelle(kUmschaltEnglisch)};
    return tabellen[std::min<std::size_t>(code, 2)];
}

} // namespace

std::uint16_t fingerDesZeichens(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    return finger(tastaturcode)[zeichen];
}

bool umgeschaltet(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    return umschalt(tastaturcode)[zeichen] != 0;
}

} // namespace exercises
