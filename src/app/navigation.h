#pragma once

#include "session/context.h"

// The Extras screen: repetition, direct lesson choice, examination and more.
void Extras(Context& c);
