#include "keyboard/tastaturfarben.h"

#include "form/contrast.h"
#include "keyboard/zeichenfolge.h"

namespace keyboard {
namespace {

// White captions need this contrast on the key, as large text does; below
// it (a white, pale, yellow or silver key) they would all but vanish.
constexpr double kWeissLesbar = 3.0;

form::Colour schriftfarbe(const Sitzungszustand& s, form::Colour taste) {
    const bool weiss =
        s.tastaturschriftweiss && form::contrastRatio(form::colours::white, taste) >= kWeissLesbar;
    return weiss ? form::colours::white : form::colours::black;
}

// Both hands share the five colours.
form::Colour farbeDesFingers(const Sitzungszustand& s, std::uint8_t fingernummer) {
    switch (fingernummer) {
    case 1:
    case 6:
        return s.farbeKleinfinger;
    case 2:
    case 7:
        return s.farbeRingfinger;
    case 3:
    case 8:
        return s.farbeMittelfinger;
    case 4:
    case 9:
        return s.farbeZeigefinger;
    default:
        return s.farbeDaumen;
    }
}

} // namespace

void tastaturfaerben(Context& c) {
    const auto& s = c.s;
    const bool amerikanisch = s.tastaturcode == USA;
    for (form::Taste& taste : c.f.tastatur.tasten()) {
        const auto& e = taste.entwurf;
        if (e.panel == s.fehltaste) {
            continue; // lit red for a moment; Timer3 gives its colour back
        }
        const auto abLektion = amerikanisch ? e.abLektionUSA : e.abLektion;
        const form::Colour finger = farbeDesFingers(s, e.fingernummer);
        const form::Colour grund = s.farblektion >= abLektion ? finger : form::colours::silver;
        taste.panel.setColor(grund);
        taste.panel.setFontColor(schriftfarbe(s, grund));
    }
}

void tastenbeschriftungFaerben(Context& c) {
    for (form::Taste& taste : c.f.tastatur.tasten()) {
        taste.panel.setFontColor(schriftfarbe(c.s, taste.panel.color()));
    }
}

void legendeFaerben(Context& c) {
    auto& f = c.f;
    const auto& s = c.s;
    form::setReadableFontColor(f.Label29, s.farbeKleinfinger);
    form::setReadableFontColor(f.Label30, s.farbeRingfinger);
    form::setReadableFontColor(f.Label31, s.farbeMittelfinger);
    form::setReadableFontColor(f.Label32, s.farbeZeigefinger);
    form::setReadableFontColor(f.Label33, s.farbeDaumen);
}

} // namespace keyboard
