#pragma once

#include "state/sitzungszustand.h"

#include <array>
#include <cstdint>

// The characters of the course in teaching order, and the entries that differ
// between the four keyboard layouts.
namespace keyboard {

enum Layout : std::uint8_t { Deutsch = 0, Schweiz = 1, USA = 2, UK = 3 };

constexpr std::uint8_t kIndexLeertaste = 8;
constexpr std::uint8_t kIndexEnter = 13;

// The German teaching order, the content at start-up.
std::array<std::uint8_t, kZeichenAnzahl> deutscheZeichenfolge();

// Writes every per-layout position for the given layout code; other
// positions are the same in every layout.
void zeichenfolgeSetzen(std::array<std::uint8_t, kZeichenAnzahl>& zeichenfolge,
                        std::uint8_t tastaturcode);

// Positions that differ between layouts.
const std::array<std::uint8_t, 23>& layoutPositionen();

} // namespace keyboard
