#pragma once

#include "state/context.h"

#include <cstdint>

// Choosing the word lines of a lesson.
namespace exercises {

// The first line: above the lesson's first own line, below its last.
std::uint16_t ersteZeileZiehen(Context& c);

// Every later line: strictly between the lower bound and the last own line,
// never the line before, and typeable on the current layout.
std::uint16_t zeileZiehen(Context& c);

// The layout has no key for a character of the line: umlauts or § on an
// English keyboard, £ on a German or American one, è on a German one.
bool vomLayoutAbgelehnt(std::uint8_t tastaturcode, std::string_view zeile);

} // namespace exercises
