#pragma once

#include "state/context.h"

// Resets the counters of a lesson at its start.
void Nullsetzen(Context& c);
