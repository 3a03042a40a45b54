#pragma once

#include "state/context.h"

// The Progress screen of the Extras screen: the learner's speed and fault
// rate over time, each key's fault rate, the most frequent faults, and the
// ways on from there (weak-key practice, a CSV file of the exercises).

// "Progress": reads the signed-in learner's history and shows it.
void ButtonProgressClick(Context& c);
// Gives the Extras screen back its own boxes and size.
void fortschrittSchliessen(Context& c);
// "Practise weak keys": an own text made of the weakest keys, in the preview.
void ButtonWeakKeysClick(Context& c);
// "Export CSV…": every exercise of the learner as a table, through the save dialog.
void ButtonExportClick(Context& c);
