#pragma once

#include "keyboard/farbschemata.h"
#include "state/context.h"

namespace users {

// The colours last saved in the signed-in learner's record: what "Own
// colours" brings back. Repaired as at loading.
keyboard::Fingerfarben eigeneFarben(const Sitzungszustand& s);

} // namespace users

// Choosing an item of ComboBox2 applies its colour scheme.
void ComboBox2Click(Context& c);
