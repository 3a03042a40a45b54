#pragma once

#include "state/context.h"

#include <cstdint>

// Prepares the word exercise of the current lesson.
void Wortuebungeinrichten(Context& c);
// One keystroke of the word exercise.
void Wortuebung(Context& c, std::uint8_t zeichen);
// The word exercise's "Settings" button.
void Wortuebungeinstellungen(Context& c);
