#pragma once

#include "session/context.h"

// Resets the counters of a lesson at its start.
void Nullsetzen(Context& c);
