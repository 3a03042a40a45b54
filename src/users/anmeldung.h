#pragma once

#include "state/context.h"

#include <cstdint>
#include <string>
#include <vector>

// A key in the name box: Enter signs the learner in under the typed name,
// creating a record for a new name or loading the stored one.
void editfeld(Context& c, std::uint8_t& taste);

// Start-up: the stored names into the name box's list, sorted.
void benutzernamenLesen(Context& c);

// The stored names, in file order, into the name box's list as a person
// reads them; they are counted as satzanzahl.
void benutzernamenEintragen(Context& c, std::vector<std::string> namen);
