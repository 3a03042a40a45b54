#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The lines of the word exercises: Windows-1252 text, shared by every layout.
namespace course {

std::size_t wortzeilenAnzahl();

// A number past the table gives an empty line.
std::string_view wortzeile(std::size_t nummer);

// Last own line of a lesson: the line before the next lesson's first own line,
// for lesson 16 the last line of the table. Lessons outside 1..16 are clamped.
std::uint16_t obergrenzezeile(int nummer);

// The lesson whose own lines hold the line; lines past the table count for lesson 16.
int lektionDerZeile(std::size_t zeile);

} // namespace course
