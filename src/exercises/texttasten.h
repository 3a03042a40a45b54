#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a learner types for each character of an own text. A text may hold
// characters that no key of the layout produces: typographic quotes,
// apostrophes and dashes are typed by their keyboard equivalents, and
// anything else no key types is shown but passed over.
namespace exercises {

// The character the learner types for this one, or 0 when no key of the
// layout types it.
std::uint8_t tastenzeichenFuer(std::uint8_t tastaturcode, std::uint8_t zeichen);

// A line as it is practised: the ellipsis becomes the three dots that type it.
std::string uebungszeile(std::string_view zeile);

// Whether the lines hold at least one character to type.
bool etwasZuTippen(std::uint8_t tastaturcode, const std::vector<std::string>& zeilen);

} // namespace exercises
