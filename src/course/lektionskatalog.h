#pragma once

#include <cstdint>
#include <string>

// The sixteen lessons: which characters each brings and which word lines it owns.
namespace course {

constexpr int kLektionen = 16;

struct Lektion {
    std::uint8_t zeichenvorrat;
    std::uint8_t neuezeichen;
    std::uint16_t lektionsanfangszeile; // first own word line
    std::uint16_t untergrenzezeile;     // lower bound of the draw
};

// Lesson 1..16; anything else is clamped into that range.
const Lektion& lektion(int nummer);

// Title of a lesson for a layout code (0 German, 1 Swiss, 2 American, 3 UK).
std::string lektionstitel(int nummer, int tastaturcode);

} // namespace course
