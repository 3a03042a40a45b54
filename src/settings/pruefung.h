#pragma once

#include "session/context.h"

// The examination: a word exercise against a minute countdown.
void BitBtn9Click(Context& c);
// The examination's length in minutes.
void ScrollBar3Change(Context& c);
