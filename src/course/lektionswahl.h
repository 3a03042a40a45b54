#pragma once

#include "state/context.h"

#include <string>

// The two lesson choosers of the Extras screen. A position 1..32 names an
// exercise: lesson (p + 1) / 2, odd the letter and even the word exercise.
void lektiondirekt(Context& c);
void WLektioneinstellen(Context& c);

namespace course {
// "1 L" … "16 W".
std::string uebungskennung(int position);
} // namespace course
