#pragma once

#include "state/context.h"

// The finger colours chosen one at a time, the key captions' colour and the
// background of the big letter.
namespace keyboard {

// The colour buttons of the box "Colors": the colour dialog starts on the
// finger's colour. A cancelled dialog changes nothing. A colour equal to the
// big letter's background is refused with a warning, since the letter is
// drawn in a finger colour on it.
void Farbe1aendern(Context& c); // small finger
void Farbe2aendern(Context& c); // ring finger
void Farbe3aendern(Context& c); // middle finger
void Farbe4aendern(Context& c); // forefinger
void Farbe5aendern(Context& c); // thumb

inline constexpr const char* kGleicheFarbe =
    "Backgroundcolor = Foregroundcolor!\r\rPlease choose an other color!";

// Each background item is enabled exactly when no finger has its colour.
void Farbepruefen(Context& c);

// Every key caption white when white captions are chosen and white reads on
// the key (not on a white, pale, yellow or silver one), otherwise black.
void TastaturfontFarbe(Context& c);

// The keyboard's pop-up items "black" and "white".
void TaSchriftSchwarzClick(Context& c);
void tastaturfarbeweissClick(Context& c);
// Ticks the item of the caption colour in use.
void schriftfarbeMarkieren(Context& c);

// The background items of the letter box's pop-up menu.
void Panel1blue(Context& c);
void gelb2Click(Context& c);
void rot2Click(Context& c);
void grau2Click(Context& c);
void silber2Click(Context& c);
void schwarz2Click(Context& c);
void wei2Click(Context& c);

// Shows the current finger colours everywhere at once: the swatches, the
// legend, the keys and their captions, the background items, and the big
// letter while the letter exercise shows it.
void farbenZeigen(Context& c);

} // namespace keyboard
