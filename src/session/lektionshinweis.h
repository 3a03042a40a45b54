#pragma once

#include "state/context.h"

// Fills the note panel with the lesson's new keys, their fingers in the
// finger colours, and the advice.
void lektionshinweisFuellen(Context& c);
