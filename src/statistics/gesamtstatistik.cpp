#include "statistics/gesamtstatistik.h"

#include "measurement/messung.h"
#include "statistics/fehlerstatistik.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<const char*, 10> kZeilentitel = {
    "Lesson", "left small finger",  "left ring finger",  "left middle finger",  "left forefinger",
    "thumb",  "right small finger", "right ring finger", "right middle finger", "right forefinger"};

std::string rechtsbuendig(int wert) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d", wert);
    return text;
}

std::string zelle(const Sitzungszustand& s, std::size_t lektion, std::size_t finger) {
    const auto quote = s.lektionsfehlerquoten[finger][lektion];
    if (quote == 101 || !s.buchstabenuebungbestanden[lektion] || !s.wortuebungbestanden[lektion]) {
        return "---";
    }
    return rechtsbuendig(quote);
}

void lektionsquotenBerechnen(Context& c) {
    auto& s = c.s;
    FingerPaare summe{};
    for (std::size_t k = 1; k <= 9; ++k) {
        summe[k].anschlaege = static_cast<std::int16_t>(s.fingerBuchstaben[k].anschlaege +
                                                        s.fingerWort[k].anschlaege);
        summe[k].fehler =
            static_cast<std::int16_t>(s.fingerBuchstaben[k].fehler + s.fingerWort[k].fehler);
    }
    statistikberechnen(s, summe);
    if (s.anzeigestatus != Anzeige::Gesamtstatistik) {
        for (std::size_t k = 1; k <= 9; ++k) {
            s.fingeranschlaege[k] = static_cast<std::uint16_t>(summe[k].anschlaege);
            s.fingerfehler[k] = static_cast<std::uint16_t>(summe[k].fehler);
        }
        Fehlerstatistik(c);
    }
    const std::size_t lektion = std::clamp<std::size_t>(s.lektion, 1, 16);
    for (std::size_t k = 1; k <= 9; ++k) {
        // A byte holds the rate; rates above 100 % are possible but rare.
        const double gerundet = messung::rundenGerade(s.fingerfehlerquoten[k]);
        s.lektionsfehlerquoten[k][lektion] = static_cast<std::uint8_t>(std::min(gerundet, 255.0));
    }
}

} // namespace

void gesamtfehlerstatistik(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    f.GroupBox12.hide();
    if (s.anzeigestatus != Anzeige::Gesamtstatistik) {
        f.GroupBox15.setTop(static_cast<int>(s.bildschirmhoehe / 120));
    }
    lektionsquotenBerechnen(c);
    f.GroupBox5.hide();
    f.GroupBox14.setTop(static_cast<int>(s.bildschirmhoehe / 2.18));
    if (s.anzeigestatus != Anzeige::Gesamtstatistik) {
        f.GroupBox14.show();
    }
    for (std::size_t lektion = 1; lektion <= 16; ++lektion) {
        for (std::size_t finger = 1; finger <= 9; ++finger) {
            f.StringGrid1.setCell(static_cast<int>(lektion), static_cast<int>(finger),
                                  zelle(s, lektion, finger));
        }
    }
    f.GroupBox15.show();
    s.anzeigestatus = Anzeige::Fehlerstatistik;
}

void fehlerstatistikextras(Context& c) {
    auto& f = c.f;
    c.s.anzeigestatus = Anzeige::Gesamtstatistik;
    for (form::Control* box : {&f.GroupBox14, &f.GroupBox7, &f.GroupBox5}) {
        box->hide();
    }
    f.GroupBox15.setTop(static_cast<int>(c.s.bildschirmhoehe / 5.22));
    f.GroupBox15.bringToFront();
    gesamtfehlerstatistik(c);
}

void fehlertabelleEinrichten(Context& c) {
    auto& grid = c.f.StringGrid1;
    const auto w = c.s.bildschirmbreite;
    const auto h = c.s.bildschirmhoehe;
    grid.setColWidth(0, static_cast<int>(w / 3.59));
    for (int spalte = 1; spalte <= 16; ++spalte) {
        grid.setColWidth(spalte, static_cast<int>(w / 24));
        grid.setCell(spalte, 0, rechtsbuendig(spalte));
    }
    for (int zeile = 0; zeile <= 9; ++zeile) {
        grid.setRowHeight(zeile, static_cast<int>(h / 29.5));
        grid.setCell(0, zeile, kZeilentitel[static_cast<std::size_t>(zeile)]);
    }
}
