#pragma once

#include "form/control.h"

namespace form {

// Contrast of two colours as the accessibility guidelines count it: 1 (the
// same) to 21 (black on white).
double contrastRatio(Colour a, Colour b);

// The contrast text of this size needs to be read with ease: 4.5:1 below
// 18 points, 3:1 from there on.
double neededContrast(int pointSize);

// `wanted` itself when it reads well on `background`; otherwise the nearest
// shade of its hue that does: darker on a light background, lighter on a
// dark one.
Colour readableOn(Colour wanted, Colour background, int pointSize);

// What a control's text is drawn on: its own colour where it paints one, else
// the colour of what it sits on.
Colour backgroundOf(const Control& control);

// Gives a control a text colour in the hue of `wanted` that reads on its
// background at its font size. Fills of keys and swatches keep exact colours;
// this is for text only.
void setReadableFontColor(Control& control, Colour wanted);

} // namespace form
