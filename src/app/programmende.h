#pragma once

#include "state/context.h"

// Every request to close the window: pauses a running exercise and asks.
// Returns whether the window may close.
bool formclose(Context& c);
