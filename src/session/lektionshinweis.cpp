#include "session/lektionshinweis.h"

#include <array>

namespace {

struct Zeile {
    form::Control* label;
    const char* text;
    form::Colour farbe;
    double oben;  // top = H / oben
    double links; // left = W / links
};

void zeileSetzen(Context& c, const Zeile& z) {
    z.label->setCaption(z.text);
    z.label->setFontColor(z.farbe);
    z.label->setTop(static_cast<int>(c.s.bildschirmhoehe / z.oben));
    z.label->setLeft(static_cast<int>(c.s.bildschirmbreite / z.links));
    z.label->show();
}

void lektion1(Context& c) {
    auto& f = c.f;
    const auto& s = c.s;
    const bool englisch = s.tastaturcode > 1;
    const auto schwarz = form::colours::black;
    const std::array<Zeile, 12> zeilen = {{
        {&f.Label36, englisch ? "a s d f j k l ; + space" : "a s d f  j k l \xF6 + space", schwarz,
         18.75, 32},
        {&f.Label37, "Please put your hands on the keyboard as follows:", schwarz, 7.5, 32},
        {&f.Label38, "a: left small finger", s.farbeKleinfinger, 5.36, 32},
        {&f.Label39, "s: left ring finger", s.farbeRingfinger, 4.17, 32},
        {&f.Label40, "d: left middle finger", s.farbeMittelfinger, 3.41, 32},
        {&f.Label41, "f: left forefinger", s.farbeZeigefinger, 2.89, 32},
        {&f.Label42, "j: right forefinger", s.farbeZeigefinger, 2.42, 32},
        {&f.Label43, "k: right middle finger", s.farbeMittelfinger, 2.14, 32},
        {&f.Label44, "l: right ringfinger", s.farbeRingfinger, 1.92, 32},
        {&f.Label45, englisch ? ";: right small finger" : "\xF6: right small finger",
         s.farbeKleinfinger, 1.74, 33.33},
        {&f.Label46, "Space: right thumb", s.farbeDaumen, 1.6, 32},
        {&f.Label47, "Advice:Try not to look at the keyboard", form::rgb(255, 0, 0), 2.78, 3.85},
    }};
    for (const Zeile& z : zeilen) {
        zeileSetzen(c, z);
    }
    zeileSetzen(c, {&f.Label48, "while typing.", form::rgb(255, 0, 0), 2.5, 3.02});
    f.Bevel1.setTop(static_cast<int>(s.bildschirmhoehe / 3.0));
    f.Bevel1.setLeft(static_cast<int>(s.bildschirmbreite / 4.17));
    f.Bevel1.show();
}

} // namespace

void lektionshinweisFuellen(Context& c) {
    if (c.s.lektion == 1) {
        lektion1(c);
    }
}
