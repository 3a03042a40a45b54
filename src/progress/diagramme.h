#pragma once

#include "form/chart.h"
#include "history/store.h"

#include <vector>

// The Progress screen's two charts, laid out from the learner's exercises.
namespace fortschritt {

// A y axis from 0 that holds `groesster`, with 4 to 10 grid lines at a
// step of 1, 2 or 5 times a power of ten, so its captions read as round
// numbers.
struct Achse {
    double hoechstwert = 0;
    double schritt = 0;
};
Achse achse(double groesster);

// Keystrokes per minute over the exercises, oldest first; the target as a level.
form::Chart tempoDiagramm(const std::vector<history::ExerciseRow>& uebungen, double ziel);
// The fault rate in percent over the exercises; the highest accepted as a level.
form::Chart fehlerDiagramm(const std::vector<history::ExerciseRow>& uebungen, double ziel);

} // namespace fortschritt
