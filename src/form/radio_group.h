#pragma once

#include "form/control.h"

namespace form {

// Checks a radio button and unchecks its radio siblings, so that of the
// buttons of one parent exactly one shows checked, as the toolkit keeps it.
// Handlers use it as a click does; setChecked(true) alone would leave a
// second button checked in the model.
void checkRadio(Control& radio);

} // namespace form
