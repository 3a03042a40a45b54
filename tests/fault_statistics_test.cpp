#include "form/contrast.h"
#include "program_fixture.h"
#include "statistics/fehlerstatistik.h"

namespace {

using FaultStatistics = ProgramTest;

} // namespace

TEST(FingerRates, RateIsFaultsPerKeystrokeAndZeroWithoutEither) {
    Sitzungszustand s;
    FingerPaare counts{};
    counts[2] = {120, 3};
    counts[3] = {0, 4};
    counts[4] = {10, 20};
    statistikberechnen(s, counts);
    EXPECT_DOUBLE_EQ(s.fingerfehlerquoten[2], 2.5);
    EXPECT_EQ(s.fingerfehlerquoten[3], 0.0) << "faults without keystrokes show 0 %";
    EXPECT_DOUBLE_EQ(s.fingerfehlerquoten[4], 200.0);
    EXPECT_EQ(s.fingerfehlerquoten[1], 0.0);
}

TEST_F(FaultStatistics, PanelShowsEachFingerInItsColourDuringTheExercise) {
    startLetterExercise();
    key('a');
    typeRight(10);
    key(wrong());
    click(f().Button14);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Fehlerstatistik);
    EXPECT_TRUE(f().GroupBox14.showing());
    EXPECT_FALSE(f().Memo1.visible());
    EXPECT_EQ(f().GroupBox14.geometry().top, static_cast<int>(768 / 2.6));
    tick();
    EXPECT_EQ(f().GroupBox14.caption(), "Fault statistics lesson 1");
    EXPECT_EQ(f().Label52.fontColor(), form::readableOn(s().farbeRingfinger, f().GroupBox14.color(),
                                                        f().Label52.font().size));
    EXPECT_EQ(f().Label59.caption().rfind("Thumb: ", 0), 0U);
    int faults = 0;
    for (std::size_t k = 1; k <= 9; ++k) {
        faults += s().fingerBuchstaben[k].fehler;
    }
    EXPECT_EQ(faults, 1);
}

TEST_F(FaultStatistics, ScaleMenuSetsEveryBarAndLabel) {
    click(f().Skal10P);
    EXPECT_EQ(s().skalierung, 10);
    EXPECT_EQ(f().ProgressBar6.max(), 10);
    EXPECT_EQ(f().Label86.caption(), "10 %");
    EXPECT_EQ(f().Label78.caption(), "10 %");
    click(f().Skal100P);
    EXPECT_EQ(f().ProgressBar10.max(), 100);
}

TEST_F(FaultStatistics, LineReadsFaultsOutOfKeystrokes) {
    s().fingeranschlaege[2] = 120;
    s().fingerfehler[2] = 3;
    s().fingerfehlerquoten[2] = 2.5;
    Fehlerstatistik(c());
    EXPECT_EQ(f().Label52.caption(), "Ring finger: 3 out of 120 incorrect ( 2.50 %)");
    EXPECT_EQ(f().ProgressBar3.position(), 2);
}

TEST_F(FaultStatistics, CourseTableFromExtrasShowsPassedLessonsOnly) {
    s().buchstabenuebungbestanden[1] = true;
    s().wortuebungbestanden[1] = true;
    s().fingerBuchstaben[3] = {30, 1};
    s().fingerWort[3] = {10, 1};
    click(f().Button22);
    click(f().Button26);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Fehlerstatistik);
    EXPECT_TRUE(f().GroupBox15.showing());
    EXPECT_FALSE(f().GroupBox14.visible()) << "the live panel stays hidden from Extras";
    EXPECT_EQ(f().StringGrid1.cells()[3][1], "  5");
    EXPECT_EQ(f().StringGrid1.cells()[3][2], "---");
    EXPECT_EQ(f().StringGrid1.cells()[0][0], "Lesson");
    EXPECT_EQ(f().StringGrid1.cells()[9][0], "right forefinger");
}
