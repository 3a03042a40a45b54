#pragma once

#include "state/context.h"

#include <cstdint>
#include <string>

// Measurement arithmetic and the texts of the measurement line.
namespace messung {

// Nearest integer, halves to the even neighbour.
double rundenGerade(double value);

// Keystrokes per minute over net seconds; 0 when no time has passed.
std::uint16_t anschlaegeProMinute(std::int32_t anschlaege, std::uint16_t sekunden);

// Fault rate in percent; 0 without faults.
double fehlerquote(std::int32_t fehler, std::int32_t anschlaege);

// Formats like Pascal's Str(value:width:decimals).
std::string festkomma(double value, int width, int decimals);

std::string anschlaegeText(std::int32_t anschlaege);
std::string tempoText(std::uint16_t anpm);
std::string fehlerText(std::int32_t fehler);
std::string fehlerquoteText(double quote);
std::string lernfortschrittText(double prozent);

// The three moments of the measurement: the start (first keystroke), the
// last measuring tick, and the end of a pause or Settings box. Each takes
// the time of day into its fields and the monotonic second for durations.
void startzeitNehmen(Context& c);
void tickzeitNehmen(Context& c);
// Adds the seconds since the last measuring tick to the excluded time.
void pauseAbrechnen(Context& c);

// Net seconds of the running exercise at the last tick.
std::uint16_t nettosekunden(const Sitzungszustand& s);

} // namespace messung
