#pragma once

#include "state/context.h"

namespace exercises {

// The fault sound, when it is on; the system beep when the file cannot play.
void fehlertonSpielen(Context& c);

} // namespace exercises
