#include "users/bereinigen.h"

#include <algorithm>
#include <cmath>

namespace users {

namespace {

constexpr std::uint8_t kKeinWert = 101;

void lektionsstandBereinigen(Benutzerdaten& d) {
    d.lektion = std::clamp<std::uint8_t>(d.lektion, 1, 16);
    if (d.lektionsteil > 1) {
        d.lektionsteil = 0;
    }
    for (auto& lektionen : d.lektionsfehlerquoten) {
        for (auto& quote : lektionen) {
            quote = std::min(quote, kKeinWert);
        }
    }
}

void zieleBereinigen(Benutzerdaten& d) {
    d.wunschanschlaege = std::clamp<std::uint16_t>(d.wunschanschlaege, 20, 260);
    const float quote = d.wunschfehlerquote;
    if (!std::isfinite(quote) || quote < 0.0F || quote > 6.0F) {
        d.wunschfehlerquote = 3.5F;
    }
    d.anteilBekannte = std::clamp<std::uint8_t>(d.anteilBekannte, 20, 50);
    if (d.testdauer < 1 || d.testdauer > 30) {
        d.testdauer = 10;
    }
}

void anzeigeBereinigen(Benutzerdaten& d) {
    d.tastaturcode = std::min<std::uint8_t>(d.tastaturcode, 3);
    const auto s = d.skalierung;
    if (s != 10 && s != 25 && s != 50 && s != 100) {
        d.skalierung = 25;
    }
    if (d.schriftstilWort > 3) {
        d.schriftstilWort = 1;
    }
    if (d.schriftstilText > 3) {
        d.schriftstilText = 0;
    }
    // ComboBox2 lists nine schemes, 0 "Standard" to 8 "Random".
    if (d.farbschema > 8) {
        d.farbschema = 7;
    }
}

} // namespace

void bereinigen(Benutzerdaten& daten) {
    lektionsstandBereinigen(daten);
    zieleBereinigen(daten);
    anzeigeBereinigen(daten);
}

} // namespace users
