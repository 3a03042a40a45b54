#pragma once

#include "state/context.h"

// The examination's length in minutes.
void ScrollBar3Change(Context& c);
