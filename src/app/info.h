#pragma once

#include "state/context.h"

// The about box, opened from the Help menu or a double click on the
// product picture; a running exercise waits while it is open.
void Info1Click(Context& c);
