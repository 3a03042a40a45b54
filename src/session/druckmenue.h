#pragma once

#include "state/context.h"

// The printing items of the fault panel's pop-up menu: the exercise pauses
// while their dialog is open.
void Druckereinrichten1Click(Context& c);
void Bildschirmausdrucken1Click(Context& c);
