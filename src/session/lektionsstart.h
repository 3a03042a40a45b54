#pragma once

#include "state/context.h"

// Prepares the current part of the current lesson: the exercise screen, the
// measurement reset, and for the letter part the lesson's note.
void Startvorbereiten(Context& c);
// The note's start button: the next keystroke starts the letter exercise.
void Start(Context& c);
