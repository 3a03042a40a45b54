#include "statistics/fehlerstatistik.h"

#include "form/contrast.h"
#include "measurement/messung.h"

#include <array>
#include <string>

namespace {

struct Fingerzeile {
    form::Control form::Tform1::*balken;
    form::Control form::Tform1::*text;
    form::Control form::Tform1::*skala;
    const char* wort;
    form::Colour Sitzungszustand::*farbe;
};

// Fingers 1..9 in order; the thumb's bar stands alone below the hands.
constexpr std::array<Fingerzeile, 9> kFinger = {{
    {&form::Tform1::ProgressBar2, &form::Tform1::Label51, &form::Tform1::Label78,
     "small finger: ", &Sitzungszustand::farbeKleinfinger},
    {&form::Tform1::ProgressBar3, &form::Tform1::Label52, &form::Tform1::Label79,
     "Ring finger: ", &Sitzungszustand::farbeRingfinger},
    {&form::Tform1::ProgressBar4, &form::Tform1::Label53, &form::Tform1::Label80,
     "Middle finger: ", &Sitzungszustand::farbeMittelfinger},
    {&form::Tform1::ProgressBar5, &form::Tform1::Label54, &form::Tform1::Label81,
     "Forefinger: ", &Sitzungszustand::farbeZeigefinger},
    {&form::Tform1::ProgressBar6, &form::Tform1::Label59, &form::Tform1::Label86,
     "Thumb: ", &Sitzungszustand::farbeDaumen},
    {&form::Tform1::ProgressBar7, &form::Tform1::Label55, &form::Tform1::Label82,
     "small finger: ", &Sitzungszustand::farbeKleinfinger},
    {&form::Tform1::ProgressBar8, &form::Tform1::Label56, &form::Tform1::Label83,
     "Ring finger: ", &Sitzungszustand::farbeRingfinger},
    {&form::Tform1::ProgressBar9, &form::Tform1::Label57, &form::Tform1::Label84,
     "Middle finger: ", &Sitzungszustand::farbeMittelfinger},
    {&form::Tform1::ProgressBar10, &form::Tform1::Label58, &form::Tform1::Label85,
     "Forefinger: ", &Sitzungszustand::farbeZeigefinger},
}};

std::array<Fingeranzeige, 9> anzeigen(form::Tform1& f) {
    std::array<Fingeranzeige, 9> result = {{
        {f.*kFinger[0].balken, f.*kFinger[0].text},
        {f.*kFinger[1].balken, f.*kFinger[1].text},
        {f.*kFinger[2].balken, f.*kFinger[2].text},
        {f.*kFinger[3].balken, f.*kFinger[3].text},
        {f.*kFinger[4].balken, f.*kFinger[4].text},
        {f.*kFinger[5].balken, f.*kFinger[5].text},
        {f.*kFinger[6].balken, f.*kFinger[6].text},
        {f.*kFinger[7].balken, f.*kFinger[7].text},
        {f.*kFinger[8].balken, f.*kFinger[8].text},
    }};
    return result;
}

std::string zahl(std::uint16_t wert) {
    return std::to_string(wert).substr(0, 5);
}

void skalieren(Context& c, std::uint8_t prozent) {
    c.s.skalierung = prozent;
    FehlerstatistikSkalierung(c);
}

} // namespace

void statistikberechnen(Sitzungszustand& s, const FingerPaare& zaehler) {
    for (std::size_t k = 1; k <= 9; ++k) {
        // The counters are handed over as 16-bit unsigned values.
        const auto anschlaege = static_cast<std::uint16_t>(zaehler[k].anschlaege);
        const auto fehler = static_cast<std::uint16_t>(zaehler[k].fehler);
        s.fingerfehlerquoten[k] =
            anschlaege != 0 && fehler != 0
                ? static_cast<double>(100.0L / (static_cast<long double>(anschlaege) / fehler))
                : 0.0;
    }
}

void fingerzeilenZeigen(const Sitzungszustand& s, const std::array<Fingeranzeige, 9>& zeilen,
                        const std::array<const char*, 9>& woerter) {
    for (std::size_t k = 1; k <= 9; ++k) {
        const auto& zeile = zeilen[k - 1];
        zeile.balken.setPosition(static_cast<int>(messung::rundenGerade(s.fingerfehlerquoten[k])));
        form::setReadableFontColor(zeile.text, s.*kFinger[k - 1].farbe);
        zeile.text.setCaption(woerter[k - 1] + zahl(s.fingerfehler[k]) + " out of " +
                              zahl(s.fingeranschlaege[k]) + " incorrect (" +
                              messung::festkomma(s.fingerfehlerquoten[k], 5, 2) + " %)");
    }
}

void Fehlerstatistik(Context& c) {
    auto& f = c.f;
    f.GroupBox14.setCaption("Fault statistics lesson " + std::to_string(c.s.lektion));
    std::array<const char*, 9> woerter{};
    for (std::size_t k = 0; k < 9; ++k) {
        woerter[k] = kFinger[k].wort;
    }
    fingerzeilenZeigen(c.s, anzeigen(f), woerter);
}

void Fehlerstatistikaktivieren(Context& c) {
    auto& f = c.f;
    if (c.s.bildschirmbreite > 1024) {
        f.GroupBox5.hide();
    } else {
        f.GroupBox14.setTop(static_cast<int>(c.s.bildschirmhoehe / 2.6));
    }
    c.s.anzeigestatus = Anzeige::Fehlerstatistik;
    f.Button14.setEnabled(true);
    f.Button19.setEnabled(true);
    f.Button18.setEnabled(true);
    f.GroupBox14.show();
    f.GroupBox14.bringToFront();
    f.Memo1.hide();
}

void FehlerstatistikSkalierung(Context& c) {
    const std::string text = std::to_string(c.s.skalierung) + " %";
    for (const auto& zeile : kFinger) {
        (c.f.*zeile.skala).setCaption(text);
        (c.f.*zeile.balken).setMax(c.s.skalierung);
    }
}

void Skal100PClick(Context& c) {
    skalieren(c, 100);
}

void Skal50PClick(Context& c) {
    skalieren(c, 50);
}

void Skal25PClick(Context& c) {
    skalieren(c, 25);
}

void Skal10PClick(Context& c) {
    skalieren(c, 10);
}
