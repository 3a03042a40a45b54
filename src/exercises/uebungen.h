#pragma once

#include "state/context.h"

#include <cstdint>

// The key router: every typed character of the window arrives here and goes
// to the engine of the running exercise. The flags are read afresh after each
// engine, so the keystroke that completes a letter exercise starts the word
// exercise.
void uebungen(Context& c, std::uint8_t zeichen);
