#include "keyboard/farbwahl.h"

#include "form/contrast.h"
#include "keyboard/farbschemata.h"
#include "keyboard/fingerfarbe.h"
#include "keyboard/tastaturfarben.h"
#include "keyboard/zeichenfolge.h"

#include <algorithm>
#include <array>

namespace keyboard {
namespace {

// A colour dialog's answer is an RGB colour; nothing above the blue byte.
constexpr form::Colour kNurRgb = 0xFFFFFF;

enum Finger : std::size_t { Klein, Ring, Mittel, Zeige, Daumen };

form::Colour& farbeDes(Sitzungszustand& s, Finger finger) {
    switch (finger) {
    case Klein:
        return s.farbeKleinfinger;
    case Ring:
        return s.farbeRingfinger;
    case Mittel:
        return s.farbeMittelfinger;
    case Zeige:
        return s.farbeZeigefinger;
    default:
        return s.farbeDaumen;
    }
}

void farbeAendern(Context& c, Finger finger) {
    form::Colour& farbe = farbeDes(c.s, finger);
    const auto gewaehlt = c.svc.colours.choose(farbe);
    if (!gewaehlt) {
        return;
    }
    farbschemaZeigen(c, EigeneFarben);
    const form::Colour vorher = farbe;
    farbe = *gewaehlt & kNurRgb;
    if (farbe == c.f.Panel1.color()) {
        c.svc.messages.show("Clavora", kGleicheFarbe, platform::Icon::Warning,
                            platform::Buttons::Ok);
        farbe = vorher;
    }
    farbenZeigen(c);
}

struct Hintergrund {
    form::Control form::Tform1::*item;
    form::Colour farbe;
};

// clang-format off
constexpr std::array<Hintergrund, 7> kHintergruende{{
    {&form::Tform1::blau1,    form::rgb(0x00, 0x00, 0xFF)},
    {&form::Tform1::gelb2,    form::rgb(0xFF, 0xFF, 0x00)},
    {&form::Tform1::rot2,     form::rgb(0xFF, 0x00, 0x00)},
    {&form::Tform1::grau2,    form::rgb(0x80, 0x80, 0x80)},
    {&form::Tform1::silber2,  form::rgb(0xC0, 0xC0, 0xC0)},
    {&form::Tform1::schwarz2, form::rgb(0x00, 0x00, 0x00)},
    {&form::Tform1::wei2,     form::rgb(0xFF, 0xFF, 0xFF)},
}};
// clang-format on

form::Colour schwarzOderWeiss(form::Colour hintergrund) {
    return hintergrund == form::colours::black ? form::colours::white : form::colours::black;
}

// The big letter in its finger colour where the letter exercise shows one,
// else black or white as on the lesson's start.
void grossbuchstabeFaerben(Context& c) {
    auto& f = c.f;
    const auto& s = c.s;
    const auto zeichen = s.zeichenfolge[s.zeichenindex % kZeichenAnzahl];
    const auto farbe = s.buchstabenuebungaktiv ? fingerfarbe(s, zeichen) : std::nullopt;
    if (farbe) {
        form::setReadableFontColor(f.Panel1, *farbe);
    } else {
        f.Panel1.setFontColor(schwarzOderWeiss(f.Panel1.color()));
    }
}

void hintergrundSetzen(Context& c, std::size_t eintrag) {
    auto& f = c.f;
    f.Panel1.setColor(kHintergruende[eintrag].farbe);
    const form::Colour schrift = schwarzOderWeiss(f.Panel1.color());
    f.Label28.setFontColor(schrift);
    f.Label35.setFontColor(schrift);
    grossbuchstabeFaerben(c);
}

} // namespace

void Farbe1aendern(Context& c) {
    farbeAendern(c, Klein);
}
void Farbe2aendern(Context& c) {
    farbeAendern(c, Ring);
}
void Farbe3aendern(Context& c) {
    farbeAendern(c, Mittel);
}
void Farbe4aendern(Context& c) {
    farbeAendern(c, Zeige);
}
void Farbe5aendern(Context& c) {
    farbeAendern(c, Daumen);
}

void Farbepruefen(Context& c) {
    const Fingerfarben farben = fingerfarben(c.s);
    for (const Hintergrund& h : kHintergruende) {
        const bool vergeben = std::find(farben.begin(), farben.end(), h.farbe) != farben.end();
        (c.f.*h.item).setEnabled(!vergeben);
    }
}

void TastaturfontFarbe(Context& c) {
    tastenbeschriftungFaerben(c);
    schriftfarbeMarkieren(c);
}

void TaSchriftSchwarzClick(Context& c) {
    c.s.tastaturschriftweiss = false;
    TastaturfontFarbe(c);
}

void tastaturfarbeweissClick(Context& c) {
    c.s.tastaturschriftweiss = true;
    TastaturfontFarbe(c);
}

void schriftfarbeMarkieren(Context& c) {
    c.f.TaSchriftSchwarz.setChecked(!c.s.tastaturschriftweiss);
    c.f.tastaturfarbeweiss.setChecked(c.s.tastaturschriftweiss);
}

void Panel1blue(Context& c) {
    hintergrundSetzen(c, 0);
}
void gelb2Click(Context& c) {
    hintergrundSetzen(c, 1);
}
void rot2Click(Context& c) {
    hintergrundSetzen(c, 2);
}
void grau2Click(Context& c) {
    hintergrundSetzen(c, 3);
}
void silber2Click(Context& c) {
    hintergrundSetzen(c, 4);
}
void schwarz2Click(Context& c) {
    hintergrundSetzen(c, 5);
}
void wei2Click(Context& c) {
    hintergrundSetzen(c, 6);
}

void farbenZeigen(Context& c) {
    auto& f = c.f;
    const Fingerfarben farben = fingerfarben(c.s);
    const std::array<form::Control*, 5> muster{&f.Shape28, &f.Shape55, &f.Shape56, &f.Shape58,
                                               &f.Shape59};
    for (std::size_t i = 0; i < muster.size(); ++i) {
        muster[i]->setPenColor(farben[i]);
    }
    Farbepruefen(c);
    TastaturfontFarbe(c);
    tastaturfaerben(c);
    legendeFaerben(c);
    if (c.s.buchstabenuebungaktiv) {
        grossbuchstabeFaerben(c);
    }
}

} // namespace keyboard
