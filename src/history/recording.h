#pragma once

#include "state/context.h"

#include <cstdint>
#include <string>

// What the exercises and the user list tell the progress history. Each
// returns at once when the program keeps no history, and none of them can
// stop the exercise or the user list: a failure costs at most the row.
namespace history {

// Fewer keystrokes than this in an exercise that is left are no practice
// worth a row.
constexpr std::int64_t kMindestanschlaege = 20;

// A new exercise: no faults yet, no row written.
void uebungBeginnt(Sitzungszustand& s);

// A counted fault; kept in memory, written with the exercise's row.
void fehlerMerken(Sitzungszustand& s, std::uint8_t erwartet, std::uint8_t getippt);

// A counted keystroke on which `erwartet` was expected, right or wrong.
void anschlagMerken(Sitzungszustand& s, std::uint8_t erwartet);

// The running exercise has reached its end.
void uebungAbgeschlossen(Context& c);

// The running exercise is left; a row only from kMindestanschlaege keystrokes.
void uebungVerlassen(Context& c);

// Opens the history once a learner has signed in, so that start-up never
// waits for it and no exercise's end pays for the open.
void verlaufOeffnen(Context& c);

// A learner's rows go with the learner (name as stored, Windows-1252).
void benutzerLoeschen(Context& c, const std::string& name);
struct Result;
// Tells the learner once that a damaged history was set aside; any other
// outcome says nothing.
void beschaedigtMelden(Context& c, const Result& r);

} // namespace history
