#include "keyboard/schriftwahl.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace keyboard {
namespace {

// A size the record keeps in one byte.
constexpr int kGroessteGespeicherte = 255;
// The record's style coding: bit 0 bold, bit 1 italic.
constexpr int kStilbits = 3;

int teil(int breite, double teiler) {
    return static_cast<int>(breite / teiler);
}

Schriftrahmen rahmen(int vorgabe, int kleinste, int groesste) {
    groesste = std::clamp(groesste, 1, kGroessteGespeicherte);
    kleinste = std::clamp(kleinste, 1, groesste);
    return {std::clamp(vorgabe, kleinste, groesste), kleinste, groesste};
}

std::optional<form::FontSpec> waehlen(Context& c, const form::FontSpec& vorgabe,
                                      const Schriftrahmen& r, bool nurSkalierbare) {
    return c.svc.fonts.choose(vorgabe,
                              platform::FontLimits{r.kleinste, r.groesste, nurSkalierbare});
}

int bildschirmgroesse(const Context& c, int punkte) {
    return static_cast<int>(punkte / (c.svc.screen.pixelsPerInch() / 96.0));
}

void buchstabenschrift(Context& c) {
    auto& s = c.s;
    const auto r = buchstabenschriftRahmen(s.bildschirmbreite, c.svc.screen.pixelsPerInch());
    const auto neu = waehlen(c, {s.schriftBuchstabe, r.vorgabe, 0}, r, true);
    if (!neu) {
        return;
    }
    s.schriftgroesseBuchstabe = static_cast<std::uint8_t>(neu->size);
    s.schriftBuchstabe = neu->name;
    c.f.Panel1.setFontName(s.schriftBuchstabe);
}

void wortschrift(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    const auto r = wortschriftRahmen(s.bildschirmbreite);
    const auto neu = waehlen(c, {s.schriftWort, r.vorgabe, s.schriftstilWort}, r, false);
    if (!neu) {
        return;
    }
    s.schriftstilWort = static_cast<std::uint8_t>(neu->style & kStilbits);
    s.schriftgroesseWort = static_cast<std::uint8_t>(neu->size);
    s.schriftWort = neu->name;
    f.Edit2.setFont({s.schriftWort, bildschirmgroesse(c, s.schriftgroesseWort), s.schriftstilWort});
}

void textschrift(Context& c) {
    auto& s = c.s;
    auto& f = c.f;
    const auto r = textschriftRahmen(s.bildschirmbreite);
    const auto neu = waehlen(c, {s.schriftText, r.vorgabe, s.schriftstilText}, r, false);
    if (!neu) {
        return;
    }
    s.schriftstilText = static_cast<std::uint8_t>(neu->style & kStilbits);
    s.schriftgroesseText = static_cast<std::uint8_t>(neu->size);
    s.schriftText = neu->name;
    const form::FontSpec schrift{s.schriftText, s.schriftgroesseText, s.schriftstilText};
    f.Memo4.setFont(schrift);
    f.Memo3.setFont(schrift);
}

void benennen(form::Control& label, const std::string& schrift) {
    label.setCaption(schrift);
    label.setFontName(schrift);
}

} // namespace

Schriftrahmen buchstabenschriftRahmen(int breite, int ppi) {
    const double faktor = ppi > 0 ? ppi / 96.0 : 1.0;
    return rahmen(static_cast<int>(breite / 6.66 / faktor), teil(breite, 16), teil(breite, 6.1));
}

Schriftrahmen wortschriftRahmen(int breite) {
    return rahmen(teil(breite, 62), teil(breite, 72), teil(breite, 44));
}

Schriftrahmen textschriftRahmen(int breite) {
    return rahmen(teil(breite, 50), teil(breite, 90), teil(breite, 42));
}

void schriftartaendern(Context& c) {
    auto& f = c.f;
    if (f.RadioButton2.checked()) {
        wortschrift(c);
    } else if (f.RadioButton5.checked()) {
        textschrift(c);
    } else {
        buchstabenschrift(c);
    }
    schriftenZeigen(c);
}

void schriftenZeigen(Context& c) {
    benennen(c.f.Label19, c.s.schriftBuchstabe);
    benennen(c.f.Label20, c.s.schriftWort);
    benennen(c.f.Label3, c.s.schriftText);
}

} // namespace keyboard
