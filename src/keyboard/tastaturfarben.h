#pragma once

#include "state/context.h"

namespace keyboard {

// Each clock tick: the keys the lesson has introduced (farblektion) in their
// finger colour, the others silver, and the captions in the chosen colour.
void tastaturfaerben(Context& c);

// Every key's caption: white when white captions are chosen and white reads
// on the key's colour as it is shown, otherwise black.
void tastenbeschriftungFaerben(Context& c);

// The legend of the five finger colours, each name written in its colour (a
// darker shade where the colour itself would not read).
void legendeFaerben(Context& c);

} // namespace keyboard
