#include "progress/diagramme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace fortschritt {
namespace {

constexpr form::Colour kBuchstaben = form::rgb(31, 119, 180);
constexpr form::Colour kWoerter = form::rgb(214, 96, 0);
constexpr form::Colour kAndere = form::rgb(120, 120, 120);
constexpr form::Colour kZiel = form::rgb(0, 140, 60);
constexpr std::size_t kDatumslaenge = 10; // YYYY-MM-DD of the ISO start time

struct Reihe {
    std::string_view art;
    const char* name;
    form::Colour farbe;
};

// Examinations and own texts share one series: both are free typing of
// text, unlike the course's letter and word exercises.
// clang-format off
constexpr std::array<Reihe, 4> kReihen{{
    {"letter",      "Letter exercises",               kBuchstaben},
    {"word",        "Word exercises",                 kWoerter},
    {"examination", "Examinations and own texts",     kAndere},
    {"owntext",     "Examinations and own texts",     kAndere},
}};
// clang-format on

template <class Wert>
form::Chart diagramm(const std::vector<history::ExerciseRow>& uebungen, Wert wert,
                     const char* zielname, double ziel) {
    form::Chart chart;
    if (uebungen.empty()) {
        chart.empty = "No exercises yet";
        return chart;
    }
    std::vector<form::ChartSeries> reihen;
    double groesster = ziel;
    for (std::size_t i = 0; i < uebungen.size(); ++i) {
        const auto& u = uebungen[i];
        const auto reihe = std::find_if(kReihen.begin(), kReihen.end(),
                                        [&](const Reihe& r) { return r.art == u.kind; });
        if (reihe == kReihen.end()) {
            continue; // a kind written by a later version
        }
        auto eintrag = std::find_if(reihen.begin(), reihen.end(), [&](const form::ChartSeries& r) {
            return r.name == reihe->name;
        });
        if (eintrag == reihen.end()) {
            reihen.push_back({reihe->name, reihe->farbe, {}});
            eintrag = std::prev(reihen.end());
        }
        const double y = std::max(wert(u), 0.0);
        eintrag->points.push_back({static_cast<double>(i), y});
        groesster = std::max(groesster, y);
    }
    // Letter before word before the rest, whatever came first.
    std::stable_sort(reihen.begin(), reihen.end(), [](const auto& a, const auto& b) {
        const auto rang = [](const std::string& name) {
            return std::find_if(kReihen.begin(), kReihen.end(),
                                [&](const Reihe& r) { return name == r.name; }) -
                   kReihen.begin();
        };
        return rang(a.name) < rang(b.name);
    });
    chart.series = std::move(reihen);
    chart.levels.push_back({zielname, kZiel, ziel});
    const Achse y = achse(groesster);
    chart.yMax = y.hoechstwert;
    chart.yStep = y.schritt;
    chart.xMax = static_cast<double>(std::max<std::size_t>(uebungen.size() - 1, 1));
    chart.xFrom = uebungen.front().started.substr(0, kDatumslaenge);
    chart.xTo = uebungen.back().started.substr(0, kDatumslaenge);
    return chart;
}

std::string zielText(const char* wie, double ziel) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%s %g", wie, ziel);
    return text.data();
}

} // namespace

Achse achse(double groesster) {
    constexpr int kHoechstensLinien = 10;
    if (!(groesster > 0) || !std::isfinite(groesster)) {
        return {1, 1};
    }
    const double zehnerpotenz =
        std::pow(10.0, std::floor(std::log10(groesster / kHoechstensLinien)));
    for (const double faktor : {1.0, 2.0, 5.0, 10.0}) {
        const double schritt = faktor * zehnerpotenz;
        const double linien = std::ceil(groesster / schritt);
        if (linien <= kHoechstensLinien) {
            return {linien * schritt, schritt};
        }
    }
    return {groesster, groesster};
}

form::Chart tempoDiagramm(const std::vector<history::ExerciseRow>& uebungen, double ziel) {
    return diagramm(
        uebungen, [](const history::ExerciseRow& u) { return u.kpm; },
        zielText("Target", ziel).c_str(), ziel);
}

form::Chart fehlerDiagramm(const std::vector<history::ExerciseRow>& uebungen, double ziel) {
    return diagramm(
        uebungen, [](const history::ExerciseRow& u) { return u.faultRate; },
        zielText("Highest accepted", ziel).c_str(), ziel);
}

} // namespace fortschritt
