#pragma once

#include "state/context.h"

// "Start examination": a word exercise against a minute countdown.
void BitBtn9Click(Context& c);
