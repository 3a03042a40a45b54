#pragma once

#include "state/context.h"

// The fonts of the three kinds of exercise, chosen in the box "Scripts".
namespace keyboard {

// What the font dialog of one kind of exercise is given, on a screen `breite`
// pixels wide at `ppi` pixels per inch: its preset size and its size limits.
struct Schriftrahmen {
    int vorgabe = 0;
    int kleinste = 0;
    int groesste = 0;
};
Schriftrahmen buchstabenschriftRahmen(int breite, int ppi);
Schriftrahmen wortschriftRahmen(int breite);
Schriftrahmen textschriftRahmen(int breite);

// Button9 "Change script": the font dialog for the kind whose radio button is
// checked. A cancelled dialog changes nothing.
void schriftartaendern(Context& c);

// Label19, Label20 and Label3 name the three fonts, each in its own font.
void schriftenZeigen(Context& c);

} // namespace keyboard
