#include "exercises/zeilenziehung.h"

#include "course/wortzeilen.h"
#include "keyboard/leuchttabelle.h"

#include <algorithm>
#include <vector>

namespace exercises {
namespace {

constexpr int kMaxZiehungen = 255;

bool imBereich(const Sitzungszustand& s, int untergrenze, int zeile) {
    return untergrenze < zeile && zeile < s.obergrenzezeile && zeile != s.vorherigewortzeile;
}

bool passt(const Sitzungszustand& s, int zeile) {
    return !vomLayoutAbgelehnt(s.tastaturcode, course::wortzeile(static_cast<std::size_t>(zeile)));
}

// After the random draws gave up: one of the lines that do fit, chosen at
// random, or failing that any line of the range.
std::uint16_t ausweichzeile(Context& c, int untergrenze, bool mitFilter) {
    const auto& s = c.s;
    std::vector<std::uint16_t> kandidaten;
    for (int zeile = untergrenze + 1; zeile < s.obergrenzezeile; ++zeile) {
        if (imBereich(s, untergrenze, zeile) && (!mitFilter || passt(s, zeile))) {
            kandidaten.push_back(static_cast<std::uint16_t>(zeile));
        }
    }
    if (kandidaten.empty()) {
        return mitFilter ? ausweichzeile(c, untergrenze, false)
                         : static_cast<std::uint16_t>(std::min<std::size_t>(
                               s.obergrenzezeile, course::wortzeilenAnzahl() - 1));
    }
    return kandidaten[static_cast<std::size_t>(
        c.svc.random.next(static_cast<int>(kandidaten.size())))];
}

} // namespace

bool vomLayoutAbgelehnt(std::uint8_t tastaturcode, std::string_view zeile) {
    return std::any_of(zeile.begin(), zeile.end(), [tastaturcode](char zeichen) {
        return !keyboard::erzeugbar(tastaturcode, static_cast<std::uint8_t>(zeichen));
    });
}

std::uint16_t ersteZeileZiehen(Context& c) {
    auto& s = c.s;
    const int obergrenze = std::max<int>(s.obergrenzezeile, 1);
    for (s.ziehversuche = 0; s.ziehversuche < kMaxZiehungen;) {
        const int zeile = c.svc.random.next(obergrenze);
        ++s.ziehversuche;
        if (zeile > s.lektionsanfangszeile && passt(s, zeile)) {
            return static_cast<std::uint16_t>(zeile);
        }
    }
    return ausweichzeile(c, s.lektionsanfangszeile, true);
}

std::uint16_t zeileZiehen(Context& c) {
    auto& s = c.s;
    const int ziehbereich = std::max(2 * s.obergrenzezeile, 1);
    for (s.ziehversuche = 0; s.ziehversuche < kMaxZiehungen;) {
        const int zeile = c.svc.random.next(ziehbereich);
        ++s.ziehversuche;
        if (imBereich(s, s.untergrenzezeile, zeile) && passt(s, zeile)) {
            return static_cast<std::uint16_t>(zeile);
        }
    }
    return ausweichzeile(c, s.untergrenzezeile, true);
}

} // namespace exercises
