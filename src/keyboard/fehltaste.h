#pragma once

#include "state/context.h"

#include <cstdint>

namespace keyboard {

// Lights the key that typed a wrong character red for a moment (Timer3), so
// the learner sees what the hand did; a character no key of the layout types
// lights nothing.
void fehltasteZeigen(Context& c, std::uint8_t getippt);

// The moment is over: the key takes its own colour again.
void Timer3Timer(Context& c);

} // namespace keyboard
