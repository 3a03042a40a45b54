#include "history/recording.h"

#include "history/store.h"
#include "measurement/messung.h"
#include "text/cp1252.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

namespace history {

namespace {

constexpr std::array<const char*, 4> kLayouts = {"German", "Swiss", "American", "United Kingdom"};

struct Zaehlung {
    const char* art = nullptr; // none: no exercise runs
    std::int64_t anschlaege = 0;
    std::int64_t fehler = 0;
};

// The running exercise's kind and counts as the learner sees them: the
// word exercise and an own text show their counter before it takes the
// key being typed, the letter exercise after it.
Zaehlung zaehlung(const Sitzungszustand& s) {
    const auto gezeigt = [](std::int32_t n) { return std::max<std::int64_t>(n - 1, 0); };
    if (s.buchstabenuebungaktiv) {
        return {"letter", s.anschlaegeBuchstaben, s.fehlerBuchstaben};
    }
    if (s.wortuebungaktiv) {
        return {s.zeittest ? "examination" : "word", gezeigt(s.anschlaegeText), s.fehlerText};
    }
    if (s.eigenetexteaktiv) {
        return {"owntext", gezeigt(s.anschlaegeText), s.fehlerText};
    }
    return {};
}

std::int64_t ganzeSekunde(Context& c) {
    return static_cast<std::int64_t>(std::floor(c.svc.clock.monotonicSeconds()));
}

// Net seconds up to now, or up to the last measuring tick while the clock
// stands (a pause, an open Settings box).
double nettosekunden(Context& c) {
    const auto& s = c.s;
    const std::int64_t ende = wirdGemessen(s.anzeigestatus) ? ganzeSekunde(c) : s.tickzeitpunkt;
    return static_cast<double>(
        std::max<std::int64_t>(ende - s.startzeitpunkt - s.pausensekunden, 0));
}

// The start's local date and time: now less the seconds since the start,
// so an exercise across midnight starts on the day before.
std::string beginn(Context& c) {
    using namespace std::chrono;
    const auto d = c.svc.clock.today();
    const auto t = c.svc.clock.timeOfDay();
    const auto tag = sys_days{year{d.year} / month{static_cast<unsigned>(d.month)} /
                              day{static_cast<unsigned>(d.day)}};
    const auto jetzt = tag + hours{t.hour} + minutes{t.minute} + seconds{t.second};
    const auto start =
        jetzt - seconds{std::max<std::int64_t>(ganzeSekunde(c) - c.s.startzeitpunkt, 0)};
    const auto starttag = floor<days>(start);
    const year_month_day ymd{starttag};
    const hh_mm_ss zeit{start - starttag};
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT%02d:%02d:%02d",
                  static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(zeit.hours().count()),
                  static_cast<int>(zeit.minutes().count()),
                  static_cast<int>(zeit.seconds().count()));
    return text.data();
}

std::vector<KeyStrokes> tastenanschlaege(const std::array<std::int32_t, 256>& zahlen) {
    std::vector<KeyStrokes> anschlaege;
    for (std::size_t zeichen = 0; zeichen < zahlen.size(); ++zeichen) {
        if (zahlen[zeichen] > 0) {
            anschlaege.push_back(
                {characterText(static_cast<std::uint8_t>(zeichen)), zahlen[zeichen]});
        }
    }
    return anschlaege;
}

std::vector<KeyFault> tastenfehler(const std::vector<Fehlerpaar>& paare) {
    std::map<std::pair<std::uint8_t, std::uint8_t>, std::int64_t> anzahl;
    for (const auto& p : paare) {
        ++anzahl[{p.erwartet, p.getippt}];
    }
    std::vector<KeyFault> fehler;
    fehler.reserve(anzahl.size());
    for (const auto& [paar, n] : anzahl) {
        fehler.push_back({characterText(paar.first), characterText(paar.second), n});
    }
    return fehler;
}

} // namespace

void beschaedigtMelden(Context& c, const Result& r) {
    if (r.outcome != Outcome::DamagedSetAside) {
        return;
    }
    const std::string beiseite = text::fromUtf8(r.setAside.filename().string());
    c.svc.messages.show("Clavora",
                        "The progress history \"history.sqlite\" was damaged.\r\rIt has been kept "
                        "as \"" +
                            beiseite +
                            "\" and a new history has been started. Your user data are not "
                            "affected.",
                        platform::Icon::Warning, platform::Buttons::Ok);
}

namespace {

void aufzeichnen(Context& c, const Zaehlung& z, bool abgeschlossen) {
    auto& s = c.s;
    ExerciseRow row;
    row.user = text::toUtf8(s.benutzername);
    row.started = beginn(c);
    row.lesson = s.lektion;
    row.kind = z.art;
    row.completed = abgeschlossen;
    row.keystrokes = z.anschlaege;
    row.faults = z.fehler;
    row.seconds = nettosekunden(c);
    row.kpm = row.seconds > 0 ? static_cast<double>(row.keystrokes) * 60.0 / row.seconds : 0.0;
    row.faultRate =
        row.keystrokes > 0 ? static_cast<double>(row.faults) * 100.0 / row.keystrokes : 0.0;
    row.layout = s.tastaturcode < kLayouts.size() ? kLayouts[s.tastaturcode] : "";
    s.uebungAufgezeichnet = true;
    const auto ergebnis =
        c.verlauf->record(row, tastenfehler(s.fehlerpaare), tastenanschlaege(s.anschlagzahlen));
    s.fehlerpaare.clear();
    s.anschlagzahlen.fill(0);
    beschaedigtMelden(c, ergebnis);
}

} // namespace

void uebungBeginnt(Sitzungszustand& s) {
    s.fehlerpaare.clear();
    s.anschlagzahlen.fill(0);
    s.uebungAufgezeichnet = false;
}

void fehlerMerken(Sitzungszustand& s, std::uint8_t erwartet, std::uint8_t getippt) {
    s.fehlerpaare.push_back({erwartet, getippt});
}

void anschlagMerken(Sitzungszustand& s, std::uint8_t erwartet) {
    ++s.anschlagzahlen[erwartet];
}

void uebungAbgeschlossen(Context& c) {
    const auto z = zaehlung(c.s);
    if (c.verlauf == nullptr || z.art == nullptr || c.s.uebungAufgezeichnet) {
        return;
    }
    aufzeichnen(c, z, true);
}

void uebungVerlassen(Context& c) {
    const auto z = zaehlung(c.s);
    if (c.verlauf == nullptr || z.art == nullptr || c.s.uebungAufgezeichnet ||
        z.anschlaege < kMindestanschlaege) {
        return;
    }
    aufzeichnen(c, z, false);
}

void verlaufOeffnen(Context& c) {
    if (c.verlauf != nullptr) {
        c.verlauf->prepare();
    }
}

void benutzerLoeschen(Context& c, const std::string& name) {
    if (c.verlauf == nullptr) {
        return;
    }
    beschaedigtMelden(c, c.verlauf->deleteUser(text::toUtf8(name)));
}

} // namespace history
