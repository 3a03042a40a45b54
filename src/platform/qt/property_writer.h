#pragma once

#include "platform/qt/binding.h"

namespace platform::qt {

// Copies a control's properties onto its Qt object, writing only those that
// differ from what the object shows, so an unchanged property costs no
// repaint or relayout.
void writeControl(Binding& binding);

// Writes only whether a widget shows and how it stacks among its siblings,
// for a control written in full later (stacking follows the order of writing,
// so it cannot wait).
void writeShowingAndStacking(Binding& binding);

} // namespace platform::qt
