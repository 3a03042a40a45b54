#include "form/contrast.h"
#include "form/tform1.h"
#include "keyboard/leuchttabelle.h"
#include "keyboard/zeichenfolge.h"
#include "platform/fakes/fakes.h"
#include "progress/diagramme.h"
#include "progress/schwache_tasten.h"
#include "progress/tastenwaerme.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

// What the Progress screen makes of the history: its charts' axes and
// series, the tint of each key, and the choice and practice of weak keys.
namespace {

using history::ExerciseRow;
using history::KeyRate;

ExerciseRow uebung(const char* art, double kpm, double quote, const char* begonnen) {
    ExerciseRow row;
    row.kind = art;
    row.kpm = kpm;
    row.faultRate = quote;
    row.started = begonnen;
    return row;
}

TEST(ProgressCharts, AxesEndOnARoundStepAboveTheLargestValueWithFourToTenLines) {
    for (const double groesster : {0.3, 1.0, 3.5, 9.99, 10.0, 51.0, 101.0, 180.0, 333.3, 4711.0}) {
        const auto a = fortschritt::achse(groesster);
        EXPECT_GE(a.hoechstwert, groesster);
        const double linien = a.hoechstwert / a.schritt;
        EXPECT_NEAR(linien, std::round(linien), 1e-9) << groesster;
        EXPECT_GE(linien, 4 - 1e-9) << groesster;
        EXPECT_LE(linien, 10 + 1e-9) << groesster;
        const double mantisse = a.schritt / std::pow(10.0, std::floor(std::log10(a.schritt)));
        EXPECT_TRUE(std::abs(mantisse - 1) < 1e-9 || std::abs(mantisse - 2) < 1e-9 ||
                    std::abs(mantisse - 5) < 1e-9)
            << groesster << " step " << a.schritt;
    }
    for (const double nichts : {0.0, -3.0, std::nan("")}) {
        const auto a = fortschritt::achse(nichts);
        EXPECT_GT(a.hoechstwert, 0);
        EXPECT_GT(a.schritt, 0);
    }
}

TEST(ProgressCharts, EachKindIsItsOwnSeriesOnOneSharedAxisOfExercises) {
    const std::vector<ExerciseRow> uebungen{uebung("word", 90, 2, "2026-03-01T10:00:00"),
                                            uebung("letter", 60, 4, "2026-03-01T10:05:00"),
                                            uebung("examination", 120, 1, "2026-03-02T08:00:00"),
                                            uebung("letter", 75, 0, "2026-03-04T18:30:00")};
    const auto chart = fortschritt::tempoDiagramm(uebungen, 100);
    ASSERT_EQ(chart.series.size(), 3u);
    EXPECT_EQ(chart.series[0].name, "Letter exercises")
        << "letter comes first, whatever came first";
    EXPECT_EQ(chart.series[0].points, (std::vector<form::ChartPoint>{{1, 60}, {3, 75}}));
    EXPECT_EQ(chart.series[1].points, (std::vector<form::ChartPoint>{{0, 90}}));
    EXPECT_EQ(chart.series[2].points, (std::vector<form::ChartPoint>{{2, 120}}));
    ASSERT_EQ(chart.levels.size(), 1u);
    EXPECT_EQ(chart.levels[0].value, 100);
    EXPECT_EQ(chart.levels[0].name, "Target 100");
    EXPECT_GE(chart.yMax, 120);
    EXPECT_EQ(chart.xMax, 3);
    EXPECT_EQ(chart.xFrom, "2026-03-01");
    EXPECT_EQ(chart.xTo, "2026-03-04");
    EXPECT_TRUE(chart.empty.empty());

    const auto fehler = fortschritt::fehlerDiagramm(uebungen, 3);
    EXPECT_EQ(fehler.series[0].points, (std::vector<form::ChartPoint>{{1, 4}, {3, 0}}));
    EXPECT_GE(fehler.yMax, 4) << "the fault rate axis holds the largest rate";

    EXPECT_FALSE(fortschritt::tempoDiagramm({}, 100).empty.empty());
    const auto einzeln =
        fortschritt::tempoDiagramm({uebung("word", 0, 0, "2026-03-01T10:00:00")}, 0);
    EXPECT_GT(einzeln.xMax, 0) << "one exercise still spans an axis";
    EXPECT_GT(einzeln.yMax, 0);
}

class KeyHeat : public ::testing::Test {
protected:
    const form::KeyCell& zelle(int panel) {
        return zellen_.at(static_cast<std::size_t>(panel - form::Tastaturfeld::kErstesPanel));
    }
    int panelVon(std::uint8_t zeichen) {
        int gefunden = 0;
        keyboard::jedeTaste(keyboard::leuchtendeTasten(keyboard::Deutsch, zeichen), [&](int p) {
            if (p != keyboard::kLinkeShifttaste && p != keyboard::kRechteShifttaste) {
                gefunden = p;
            }
        });
        return gefunden;
    }
    void tint(const std::vector<KeyRate>& raten) {
        zellen_ = fortschritt::tastenwaerme(fenster_.tastatur, keyboard::Deutsch, raten);
    }

    form::Tform1 fenster_;
    std::vector<form::KeyCell> zellen_;
};

TEST_F(KeyHeat, AKeyIsTintedByTheFaultsOfEveryCharacterItTypesOnceItWasTypedOftenEnough) {
    tint({{"d", 6, 0}, {"D", 4, 1}, {"f", 20, 0}, {"g", 9, 9}, {" ", 100, 5}});
    ASSERT_EQ(zellen_.size(), 59u);
    EXPECT_EQ(zelle(panelVon('d')).colour, fortschritt::waermefarbe(10.0))
        << "d and D: 1 fault in 10 strokes";
    EXPECT_EQ(zelle(panelVon('f')).colour, fortschritt::waermefarbe(0.0));
    EXPECT_EQ(zelle(panelVon('g')).colour, fortschritt::kZuWenig) << "9 strokes are too few";
    EXPECT_EQ(zelle(panelVon(' ')).colour, fortschritt::waermefarbe(5.0));
    EXPECT_EQ(zelle(keyboard::kLinkeShifttaste).colour, fortschritt::kZuWenig)
        << "Shift is not blamed for a capital's faults";
    for (const auto& z : zellen_) {
        EXPECT_GE(form::contrastRatio(z.colour, z.fontColour), 3.0) << z.caption;
        EXPECT_GT(z.box.width, 0);
    }
}

TEST(KeyHeatColours, RunFromGreenThroughYellowToRedAndStayRedAbove) {
    const auto rot = [](form::Colour c) { return static_cast<int>(c & 0xFF); };
    const auto gruen = [](form::Colour c) { return static_cast<int>((c >> 8) & 0xFF); };
    EXPECT_GT(gruen(fortschritt::waermefarbe(0)), rot(fortschritt::waermefarbe(0)));
    EXPECT_GT(rot(fortschritt::waermefarbe(10)), gruen(fortschritt::waermefarbe(10)));
    EXPECT_EQ(fortschritt::waermefarbe(10), fortschritt::waermefarbe(60));
    EXPECT_EQ(fortschritt::waermefarbe(-1), fortschritt::waermefarbe(0));
    int vorher = -255;
    for (double p = 0; p <= 10; p += 0.5) {
        EXPECT_GE(rot(fortschritt::waermefarbe(p)) - gruen(fortschritt::waermefarbe(p)), vorher - 1)
            << "redder as the rate grows, at " << p;
        vorher = rot(fortschritt::waermefarbe(p)) - gruen(fortschritt::waermefarbe(p));
    }
}

TEST(WeakKeys, AreTheHighestRatesAmongTypableKeysTypedOftenEnough) {
    const std::vector<KeyRate> raten{{"a", 100, 1},       {"s", 20, 4},  {"d", 10, 5},
                                     {"f", 9, 9},         {" ", 50, 40}, {"\n", 30, 20},
                                     {"j", 40, 0},        {"k", 30, 3},  {"l", 40, 2},
                                     {"\xC3\xB6", 20, 2}, {"e", 50, 1},  {"xy", 50, 50}};
    const auto schwache = fortschritt::schwacheTasten(keyboard::Deutsch, raten);
    EXPECT_EQ(schwache, (std::vector<std::uint8_t>{'d', 's', 'k', 0xF6, 'l'}))
        << "worst first, at most five; too rare, faultless, space, Enter and no character left out";
}

TEST(WeakKeys, LinesMixTheWeakKeysWithTheHomeRowAndUseEachOfThem) {
    platform::fakes::FakeRandom zufall(3);
    const std::vector<std::uint8_t> schwache{'q', 0xFC, 'Z'};
    const auto zeilen = fortschritt::uebungszeilen(schwache, zufall);
    ASSERT_EQ(zeilen.size(), static_cast<std::size_t>(fortschritt::kUebungszeilen));
    std::set<char> gesehen;
    for (const auto& zeile : zeilen) {
        EXPECT_EQ(zeile.size(),
                  static_cast<std::size_t>(
                      fortschritt::kGruppenJeZeile * (fortschritt::kZeichenJeGruppe + 1) - 1));
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            const char z = zeile[i];
            if ((i + 1) % (fortschritt::kZeichenJeGruppe + 1) == 0) {
                EXPECT_EQ(z, ' ');
                continue;
            }
            EXPECT_TRUE(std::string("asdfjklq\xFCZ").find(z) != std::string::npos) << zeile;
            gesehen.insert(z);
        }
    }
    for (const auto z : schwache) {
        EXPECT_TRUE(gesehen.count(static_cast<char>(z))) << "weak key " << int(z) << " practised";
    }
    EXPECT_TRUE(fortschritt::uebungszeilen({}, zufall).empty());
}

} // namespace
