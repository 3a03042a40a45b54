#pragma once

#include "state/context.h"

// "User data": the signed-in learner's lesson, targets, start time, last use
// and count, and the screen and free disk space (GroupBox7).
void Benutzerdatenanzeigen(Context& c);
