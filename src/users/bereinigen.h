#pragma once

#include "users/benutzersatz.h"

namespace users {

// Brings every value of a loaded record into the range the program works
// with, so a damaged or foreign record neither breaks a screen nor is
// written back damaged. Out-of-range values become the nearest valid value
// where one is meaningful, otherwise a new learner's value; a timed test of
// 0 or more than 30 minutes becomes the default 10, since a damaged byte
// says nothing about the length the learner wanted. decode has already cut
// over-long names and font names and read flag bytes as 0 or 1. The rules
// are the last column of the record table.
void bereinigen(Benutzerdaten& daten);

} // namespace users
