#include "keyboard/fehltaste.h"

#include "keyboard/leuchttabelle.h"
#include "keyboard/tastaturfarben.h"

namespace keyboard {
namespace {

constexpr Tastenmenge kShifttasten = tastenbit(kLinkeShifttaste) | tastenbit(kRechteShifttaste);
// On a key that is red already, a dark red still shows.
constexpr form::Colour kDunkelrot = form::rgb(128, 0, 0);

int tasteDesZeichens(std::uint8_t tastaturcode, std::uint8_t zeichen) {
    int panel = 0;
    jedeTaste(leuchtendeTasten(tastaturcode, zeichen) & ~kShifttasten, [&](int p) {
        if (panel == 0) {
            panel = p;
        }
    });
    return panel;
}

} // namespace

void fehltasteZeigen(Context& c, std::uint8_t getippt) {
    const int panel = tasteDesZeichens(c.s.tastaturcode, getippt);
    if (panel == 0) {
        return;
    }
    if (c.s.fehltaste != 0) {
        c.s.fehltaste = 0;
        tastaturfaerben(c);
    }
    form::Control& taste = c.f.tastatur.panel(panel);
    taste.setColor(taste.color() == form::colours::red ? kDunkelrot : form::colours::red);
    c.s.fehltaste = static_cast<std::uint8_t>(panel);
    c.f.Timer3.setEnabled(true);
}

void Timer3Timer(Context& c) {
    c.f.Timer3.setEnabled(false);
    c.s.fehltaste = 0;
    tastaturfaerben(c);
}

} // namespace keyboard
