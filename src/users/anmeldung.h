#pragma once

#include "state/context.h"

#include <cstdint>

// A key in the name box: Enter signs the learner in under the typed name,
// creating a record for a new name or loading the stored one.
void editfeld(Context& c, std::uint8_t& taste);

// Start-up: the stored names into the name box's list, sorted.
void benutzernamenLesen(Context& c);
