#pragma once

#include "platform/qt/binding.h"

namespace platform::qt {

// Copies a control's properties onto its Qt object, writing only those that
// differ from what the object shows, so an unchanged property costs no
// repaint or relayout.
void writeControl(Binding& binding);

} // namespace platform::qt
