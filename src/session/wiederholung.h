#pragma once

#include "state/context.h"

// "Start repetition": runs the chosen earlier exercise, then returns to the
// lesson and part the learner had reached.
void StartWiederholung(Context& c);
