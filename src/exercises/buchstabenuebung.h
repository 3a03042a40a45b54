#pragma once

#include "state/context.h"

#include <cstdint>

// One keystroke of the letter exercise.
void Buchstabenuebung(Context& c, std::uint8_t zeichen);

// The letter exercise's "Settings" button: opens or closes the settings
// panel and keeps the time it is open out of the speed.
void buchstabenuebungeinstellungen(Context& c);
