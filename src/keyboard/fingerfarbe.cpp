#include "keyboard/fingerfarbe.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace keyboard {
namespace {

// Sets in the order small, ring, middle, fore; a later set overrides an
// earlier one, so the order matters. \r is Enter.
// \xC4 Ä \xD6 Ö \xDC Ü \xDF ß \xE4 ä \xF6 ö \xFC ü \xA7 § \xE0 à \xE8 è \xE9 é \xA3 £
using Saetze = std::array<std::string_view, 4>;

constexpr std::string_view kZeigeDeutsch = "%&(/5678BFGHJMNRTUVZbfghjmnrtuvz";
constexpr Saetze kDeutsch = {"\r!\"-12;?APQY_apqy\xC4\xD6\xDC\xDF\xE4\xF6\xFC",
                             ".03:=LOSWXlosx\xA7w", "$),49;CDEIKcdeik", kZeigeDeutsch};
constexpr Saetze kSchweiz = {"\r!\"$-12;?APQY_apqy\xA7\xC4\xD6\xDC\xDF\xE0\xE4\xE8\xE9\xF6\xFC",
                             "*.03:=LOSWXlosxw", "),49;CDEIKcdeik", kZeigeDeutsch};
constexpr Saetze kUSA = {"\r!\"',-/12:;<?@APQZ[_apqz{}", "#).03>LOSWXlosxw", "$(,49<CDEIKcdeik",
                         "%&*5678BFGHJMNRTUVY^bfghjmnrtuvy"};
constexpr Saetze kUK = {"\r!\"',-/12:;<?@APQZ[_apqz{}", "#).03>LOSWXlosxw\xA3", "$(,49<CDEIKcdeik",
                        "%&*5678BFGHJMNRTUVY^bfghjmnrtuvy"};
constexpr Saetze kVorschau = {"\r!-1;?APQY_apqy\xC4\xD6\xDC\xE4\xF6\xFC", ".:LOSWXlosxw",
                              ",;CDEIKcdeik", "BFGHJNRTUVZbfghjnrtuvz"};

std::array<form::Colour, 4> farben(const Sitzungszustand& s) {
    return {s.farbeKleinfinger, s.farbeRingfinger, s.farbeMittelfinger, s.farbeZeigefinger};
}

std::optional<form::Colour> suche(const Saetze& saetze, const Sitzungszustand& s,
                                  std::uint8_t zeichen) {
    std::optional<form::Colour> farbe;
    const auto fingerfarben = farben(s);
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        if (saetze[i].find(static_cast<char>(zeichen)) != std::string_view::npos) {
            farbe = fingerfarben[i];
        }
    }
    if (zeichen == ' ') {
        farbe = s.farbeDaumen;
    }
    return farbe;
}

const Saetze& saetzeFuer(std::uint8_t tastaturcode) {
    static constexpr std::array<const Saetze*, 4> kAlle = {&kDeutsch, &kSchweiz, &kUSA, &kUK};
    return *kAlle[std::min<std::size_t>(tastaturcode, 3)];
}

} // namespace

std::optional<form::Colour> fingerfarbe(const Sitzungszustand& s, std::uint8_t zeichen) {
    return suche(saetzeFuer(s.tastaturcode), s, zeichen);
}

std::optional<form::Colour> vorschaufarbe(const Sitzungszustand& s, std::uint8_t zeichen) {
    return suche(kVorschau, s, zeichen);
}

} // namespace keyboard
