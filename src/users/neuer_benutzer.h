#pragma once

#include "session/context.h"

// The values a new learner starts with, put straight into the session.
void neuerBenutzerInSitzung(Context& c);
