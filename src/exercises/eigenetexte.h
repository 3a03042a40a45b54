#pragma once

#include "state/context.h"

#include <cstdint>

// The practice of an own text loaded in the editor: each line typed through
// and ended with Enter, counted and judged like the course's exercises.

// "Start" of the preview: the exercise begins on the text's first line.
void bitbtn5Click(Context& c);
// One keystroke of the practice; 127 starts a (re)started text.
void EigeneTexte(Context& c, std::uint8_t zeichen);
// "Restart": back to the first line, counting from zero.
void button34Click(Context& c);
// The practice's "Settings" button.
void EigeneTexteeinstellungen(Context& c);
