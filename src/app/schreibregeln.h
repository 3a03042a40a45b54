#pragma once

#include "state/context.h"

// The Extras screen's "Writing rules": the rich-text document beside the
// program, shown in its box.
void schreibregeln(Context& c);
