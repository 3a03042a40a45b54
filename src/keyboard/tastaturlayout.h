#pragma once

#include "state/context.h"

// The four layout procedures: each makes its layout the current one.
namespace keyboard {

void TastaturDeutsch(Context& c);
void TastaturSchweiz(Context& c);
void TastaturUSA(Context& c);
void TastaturUK(Context& c);

} // namespace keyboard
