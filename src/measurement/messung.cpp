#include "measurement/messung.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace messung {
namespace {

// Takes the time of day into the three fields of a moment and returns the
// moment's whole second on the monotonic clock.
std::int64_t zeitNehmen(Context& c, std::int16_t& stunde, std::int16_t& minute,
                        std::int16_t& sekunde) {
    const auto t = c.svc.clock.timeOfDay();
    stunde = static_cast<std::int16_t>(t.hour);
    minute = static_cast<std::int16_t>(t.minute);
    sekunde = static_cast<std::int16_t>(t.second);
    return static_cast<std::int64_t>(std::floor(c.svc.clock.monotonicSeconds()));
}

} // namespace

double rundenGerade(double value) {
    const double unten = std::floor(value);
    const double rest = value - unten;
    if (rest > 0.5) {
        return unten + 1;
    }
    if (rest < 0.5) {
        return unten;
    }
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1;
}

std::uint16_t anschlaegeProMinute(std::uint16_t anschlaege, std::uint16_t sekunden) {
    if (sekunden == 0) {
        return 0;
    }
    const double tempo = rundenGerade(anschlaege / (sekunden / 60.0));
    return static_cast<std::uint16_t>(std::min(tempo, 65535.0));
}

double fehlerquote(std::uint16_t fehler, std::uint16_t anschlaege) {
    if (fehler == 0 || anschlaege == 0) {
        return 0.0;
    }
    return 100.0 / (static_cast<double>(anschlaege) / fehler);
}

// Runs on every keystroke for ten figures, so it avoids printf's format
// parsing; to_chars rounds exactly as "%*.*f" does.
std::string festkomma(double value, int width, int decimals) {
    // Room for the longest double written out in full.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    std::string text = error == std::errc{} ? std::string(buffer.data(), end) : std::string("nan");
    if (std::cmp_less(text.size(), width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string anschlaegeText(std::uint16_t anschlaege) {
    return "Keystrokes: " + std::to_string(anschlaege);
}

std::string tempoText(std::uint16_t anpm) {
    return "Keystrokes per minute: " + std::to_string(anpm) + "  ";
}

std::string fehlerText(std::uint16_t fehler) {
    return "Faults: " + std::to_string(fehler);
}

std::string fehlerquoteText(double quote) {
    return "Fault rate: " + festkomma(quote, 5, 2) + " %";
}

std::string lernfortschrittText(double prozent) {
    return "Study achievement " + festkomma(prozent, 3, 1) + " %";
}

void startzeitNehmen(Context& c) {
    c.s.startzeitpunkt = zeitNehmen(c, c.s.startstunde, c.s.startminute, c.s.startsekunde);
}

void tickzeitNehmen(Context& c) {
    c.s.tickzeitpunkt = zeitNehmen(c, c.s.tickstunde, c.s.tickminute, c.s.ticksekunde);
}

void pauseAbrechnen(Context& c) {
    c.s.weiterzeitpunkt = zeitNehmen(c, c.s.weiterstunde, c.s.weiterminute, c.s.weitersekunde);
    const std::int64_t summe = c.s.weiterzeitpunkt - c.s.tickzeitpunkt + c.s.pausensekundenbisher;
    c.s.pausensekunden = static_cast<std::int16_t>(
        std::clamp<std::int64_t>(summe, 0, std::numeric_limits<std::int16_t>::max()));
    // The excluded time now runs up to this moment: a pause or Settings box
    // that follows before the next tick counts from here, not again from the
    // last tick.
    c.s.tickzeitpunkt = c.s.weiterzeitpunkt;
    c.s.tickstunde = c.s.weiterstunde;
    c.s.tickminute = c.s.weiterminute;
    c.s.ticksekunde = c.s.weitersekunde;
}

std::uint16_t nettosekunden(const Sitzungszustand& s) {
    // A restarted measurement can leave more excluded seconds than have
    // passed since the new start; that counts as no time, not as a wrap.
    const std::int64_t netto = s.tickzeitpunkt - s.startzeitpunkt - s.pausensekunden;
    return static_cast<std::uint16_t>(
        std::clamp<std::int64_t>(netto, 0, std::numeric_limits<std::uint16_t>::max()));
}

} // namespace messung
