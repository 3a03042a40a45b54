#pragma once

#include "users/benutzersatz.h"

#include <cstdint>
#include <functional>
#include <string>

namespace users {

// What a repair needs to know of the machine the record is loaded on.
struct Ladeumgebung {
    // The screen width the font sizes are measured on; 0 leaves sizes alone.
    std::int32_t bildschirmbreite = 0;
    // The family really drawn for a font name; empty leaves names alone.
    std::function<std::string(const std::string&)> schriftart;
};

// Brings every value of a loaded record into the range the program works
// with, so a damaged or foreign record neither breaks a screen nor is
// written back damaged. Out-of-range values become the nearest valid value
// where one is meaningful, otherwise a new learner's value; a timed test of
// 0 or more than 30 minutes becomes the default 10, since a damaged byte
// says nothing about the length the learner wanted. A colour with a byte
// above blue is no colour the program can draw and becomes a new learner's
// colour; a font size of 0 (which draws no text at all) becomes a new
// learner's size, and one the font dialog would not offer on this screen the
// nearest it offers (a size from a wider screen, say); a font that is not installed
// becomes the one drawn in its place, so the learner sees its true name.
// decode has already cut over-long names and font names and read flag bytes
// as 0 or 1. The rules are the last column of the record table.
void bereinigen(Benutzerdaten& daten, const Ladeumgebung& umgebung = {});

} // namespace users
