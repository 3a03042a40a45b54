#include "measurement/messung.h"
#include "program_fixture.h"
#include "session/uhr.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

namespace {

using ExerciseClock = ProgramTest;

// The letter exercise after its first keystroke, measured from a whole second.
void runningExercise(ExerciseClock& t) {
    t.startLetterExercise();
    t.key('a');
}

} // namespace

TEST(Measurement, SpeedRoundsHalvesToEvenAndNeverDividesByZero) {
    EXPECT_EQ(messung::anschlaegeProMinute(30, 20), 90);
    EXPECT_EQ(messung::anschlaegeProMinute(1, 120), 0); // 0.5
    EXPECT_EQ(messung::anschlaegeProMinute(3, 120), 2); // 1.5
    EXPECT_EQ(messung::anschlaegeProMinute(5, 120), 2); // 2.5
    EXPECT_EQ(messung::anschlaegeProMinute(99, 0), 0);
    EXPECT_EQ(messung::fehlerquote(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(messung::fehlerquote(3, 120), 2.5);
    EXPECT_EQ(messung::fehlerquoteText(2.5), "Fault rate:  2.50 %");
    EXPECT_EQ(messung::fehlerquoteText(100), "Fault rate: 100.00 %");
    EXPECT_EQ(messung::lernfortschrittText(5), "Study achievement 5.0 %");
    EXPECT_EQ(messung::lernfortschrittText(99.95), "Study achievement 100.0 %");
}

// Rates are written with printf's "%5.2f" rounding; the fast writer must
// agree with it on every value, halves and binary near-halves included.
TEST(Measurement, FixedPointTextsAgreeWithPrintfRounding) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> rate(-1.0, 70000.0);
    std::vector<double> values = {0.0, -0.0, 0.005, 0.015, 0.125, 2.675, 99.995, 100.0, 1e300};
    for (int i = 0; i < 20000; ++i) {
        values.push_back(rate(random));
        values.push_back(std::round(rate(random) * 1000.0) / 1000.0);
    }
    for (const double value : values) {
        for (const auto& [width, decimals] : {std::pair{5, 2}, std::pair{3, 1}}) {
            std::array<char, 400> expected{};
            std::snprintf(expected.data(), expected.size(), "%*.*f", width, decimals, value);
            ASSERT_EQ(messung::festkomma(value, width, decimals), expected.data()) << value;
        }
    }
}

TEST_F(ExerciseClock, ThirtyKeystrokesInTwentySecondsAreNinetyPerMinute) {
    runningExercise(*this);
    typeRight(29);
    tick(80);
    EXPECT_EQ(s().uebungssekunden, 20);
    EXPECT_EQ(s().anpm, 90);
    EXPECT_EQ(f().Label25.caption(), "Keystrokes per minute: 90  ");
    EXPECT_EQ(f().Label25.fontColor(), form::colours::black);
}

// While keys come faster than the ticks, each key shows the speed and the
// tick between two of them leaves it standing; once typing stops, ticks show
// it again.
TEST_F(ExerciseClock, ATickSoonAfterAKeystrokeLeavesTheSpeedItShowed) {
    runningExercise(*this);
    typeRight(29);
    tick(80);
    platform_.clock.advanceMs(100);
    typeRight(1);
    const std::string shownByKey = f().Label25.caption();
    platform_.clock.advanceMs(100);
    f().Timer1.onTimer();
    EXPECT_EQ(f().Label25.caption(), shownByKey);
    EXPECT_EQ(s().anpm, 93) << "the speed itself is measured as ever: 31 keystrokes in 20 s";

    tick();
    EXPECT_EQ(f().Label25.caption(), "Keystrokes per minute: 93  ");
}

TEST_F(ExerciseClock, PauseIsLeftOutOfTheSpeed) {
    runningExercise(*this);
    typeRight(29);
    tick(40);
    click(f().Button15);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Pause);
    EXPECT_EQ(f().Panel4.color(), form::colours::navy);
    EXPECT_EQ(f().Button15.caption(), "Go on!");
    EXPECT_EQ(f().grau1.caption(), "Go on!");
    EXPECT_TRUE(f().Label61.visible());
    EXPECT_FALSE(f().Label25.visible());
    tick(40); // ten seconds of pause change nothing
    EXPECT_EQ(s().uebungssekunden, 10);
    key(expected());
    EXPECT_EQ(s().anschlaegeBuchstaben, 30) << "keys are ignored while paused";
    click(f().Button15);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(f().Button15.caption(), "Pause");
    EXPECT_EQ(f().Pause1.caption(), "Pause!");
    EXPECT_EQ(f().Panel4.color(), form::colours::buttonFace);
    EXPECT_EQ(s().pausensekunden, 10);
    tick(40);
    EXPECT_EQ(s().uebungssekunden, 20);
    EXPECT_EQ(s().anpm, 90);
}

TEST_F(ExerciseClock, SettingsOpenStopsKeystrokesAndTheClock) {
    runningExercise(*this);
    typeRight(29);
    tick(40);
    click(f().Button7);
    EXPECT_EQ(s().anzeigestatus, Anzeige::KeineMessung);
    EXPECT_EQ(f().Button7.caption(), "Go on!");
    EXPECT_EQ(f().silber1.caption(), "Go on!");
    EXPECT_TRUE(f().GroupBox1.showing());
    EXPECT_FALSE(f().GroupBox5.visible());
    EXPECT_FALSE(f().Button15.enabled());
    EXPECT_EQ(f().GroupBox1.geometry().top, static_cast<int>(768 / 2.5));
    key(expected());
    EXPECT_EQ(s().anschlaegeBuchstaben, 30);
    tick(20);
    click(f().Button7);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(f().Button7.caption(), "Settings");
    EXPECT_TRUE(f().GroupBox5.showing());
    EXPECT_FALSE(f().GroupBox1.visible());
    EXPECT_TRUE(f().Button15.enabled());
    EXPECT_EQ(s().pausensekunden, 5);
    tick(40);
    EXPECT_EQ(s().anpm, 90);
}

TEST_F(ExerciseClock, SettingsPreviewColoursTheCharacterWhileOpen) {
    runningExercise(*this);
    click(f().Button7);
    s().farbeKleinfinger = form::rgb(1, 2, 3);
    s().farbeZeigefinger = form::rgb(4, 5, 6);
    tick();
    EXPECT_EQ(f().Label29.fontColor(), form::rgb(1, 2, 3));
    const auto c = expected();
    if (c == 'a') {
        EXPECT_EQ(f().Panel1.fontColor(), form::rgb(1, 2, 3));
    } else if (c == 'f' || c == 'j') {
        EXPECT_EQ(f().Panel1.fontColor(), form::rgb(4, 5, 6));
    }
    EXPECT_EQ(f().Panel1.font().size, s().schriftgroesseBuchstabe);
}

TEST_F(ExerciseClock, ExerciseAcrossMidnightKeepsItsSpeed) {
    platform_.clock.setWallClock({2026, 12, 31, 5}, {23, 59, 50, 0});
    runningExercise(*this);
    typeRight(29);
    tick(80);
    EXPECT_EQ(s().tickstunde, 0);
    EXPECT_EQ(s().uebungssekunden, 20);
    EXPECT_EQ(s().anpm, 90);
}

TEST_F(ExerciseClock, LosingTheFocusPausesOnlyARunningMeasuredExercise) {
    startLetterExercise();
    f().onDeactivate();
    EXPECT_NE(s().anzeigestatus, Anzeige::Pause) << "no keystroke yet";
    key('a');
    click(f().Button7);
    f().onDeactivate();
    EXPECT_EQ(s().anzeigestatus, Anzeige::KeineMessung) << "a Settings box is open";
    click(f().Button7);
    f().onDeactivate();
    EXPECT_EQ(s().anzeigestatus, Anzeige::Pause);
    f().onDeactivate();
    EXPECT_EQ(s().anzeigestatus, Anzeige::Pause) << "a second loss does not resume";
}

TEST_F(ExerciseClock, SettingsAndAutoPauseGoByTheSessionNotByButtonCaptions) {
    runningExercise(*this);
    f().Button7.setCaption("Options");
    click(f().Button7);
    EXPECT_TRUE(f().GroupBox1.showing());
    f().onDeactivate();
    EXPECT_EQ(s().anzeigestatus, Anzeige::KeineMessung) << "the box is open: no pause";
    f().Button7.setCaption("Settings");
    click(f().Button7);
    EXPECT_FALSE(f().GroupBox1.visible()) << "the second click closes whatever the caption";
    f().Button7.setCaption("Options");
    f().onDeactivate();
    EXPECT_EQ(s().anzeigestatus, Anzeige::Pause);
}

TEST_F(ExerciseClock, AKeyboardViewChosenWhilePausedDoesNotEndThePause) {
    runningExercise(*this);
    click(f().Button15);
    click(f().schwarz1);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(f().Button15.caption(), "Go on!") << "still paused";
    click(f().Button15);
    EXPECT_EQ(f().Button15.caption(), "Pause") << "Go on! resumes";
    EXPECT_EQ(f().Panel4.color(), form::colours::buttonFace);
    EXPECT_FALSE(f().Label61.visible());
}

TEST_F(ExerciseClock, LeavingFromAPauseRestoresTheMainScreen) {
    runningExercise(*this);
    click(f().Button15);
    click(f().ZurckzumHauptmen1);
    EXPECT_FALSE(s().buchstabenuebungaktiv);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(s().farblektion, 17);
    EXPECT_NE(f().Panel4.color(), form::colours::navy);
    EXPECT_TRUE(f().GroupBox3.showing());
    EXPECT_TRUE(f().Memo1.showing());
    EXPECT_TRUE(f().Panel5.showing());
    EXPECT_FALSE(f().BoxBuchstabenuebung.visible());
    EXPECT_FALSE(f().Panel4.visible());
    EXPECT_EQ(f().GroupBox5.geometry().top, 768 / 5);
    EXPECT_EQ(f().Memo1.geometry().top, static_cast<int>(768 / 1.54));
}

TEST_F(ExerciseClock, LeavingARepetitionRestoresLessonAndPart) {
    s().wiederholungaktiv = true;
    s().gemerktelektion = 9;
    s().gemerkterteil = 1;
    s().lektion = 3;
    startLetterExercise();
    click(f().SpeedButton2);
    EXPECT_FALSE(s().wiederholungaktiv);
    EXPECT_EQ(s().lektion, 9);
    EXPECT_EQ(s().lektionsteil, 1);
}

TEST_F(ExerciseClock, ACancelledCloseLeavesTheExerciseAsItWasPausedOrRunning) {
    runningExercise(*this);
    platform_.messages.queue(platform::Answer::No);
    EXPECT_FALSE(f().onCloseQuery());
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur) << "a running exercise runs on";
    EXPECT_EQ(f().Button15.caption(), "Pause");
    EXPECT_TRUE(s().buchstabenuebungaktiv);

    click(f().Button15);
    platform_.messages.queue(platform::Answer::No);
    EXPECT_FALSE(f().onCloseQuery());
    EXPECT_EQ(s().anzeigestatus, Anzeige::Pause) << "a paused exercise stays paused";
    EXPECT_EQ(f().Panel4.color(), form::colours::navy);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].text, "Abort \"Clavora\"?");
    EXPECT_EQ(boxes[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(f().onCloseQuery()) << "the default answer is Yes";
}

TEST_F(ExerciseClock, TickKeepsStartCaptionsAndChoosersCurrent) {
    s().lektion = 4;
    s().lektionsteil = 1;
    s().wiederholungslektion = 2;
    tick();
    EXPECT_EQ(f().BitBtn2.hint(), "Start lesson 4 (word-exercise)");
    EXPECT_EQ(f().Start9.caption(), "Start lesson 4 (word-exercise)");
    EXPECT_EQ(f().BitBtn1.hint(), "Repetition lesson 2 (letter-exercise)");
    EXPECT_EQ(f().StartLektion.caption(), "&Start lesson 4 (word-exercise)");
    EXPECT_EQ(f().Edit4.text(), "4 W");
    EXPECT_EQ(f().ScrollBar1.position(), 8);
    EXPECT_EQ(f().ScrollBar2.max(), 8);
}

TEST_F(ExerciseClock, ExaminationCountsDownAndEndsOnTheMainScreen) {
    s().zeittest = true;
    s().restminuten = 2;
    s().zeittestteil = 0;
    s().lektionsteil = 1;
    f().Timer2.onTimer();
    EXPECT_EQ(f().Label97.caption(), "1 min");
    f().Timer2.onTimer();
    f().Timer2.onTimer();
    EXPECT_EQ(s().restminuten, 0) << "never below zero";
    tick();
    EXPECT_FALSE(s().zeittest);
    ASSERT_EQ(platform_.forms.open(), &program_.results());
    closeResults();
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_TRUE(f().Timer1.enabled());
    EXPECT_FALSE(f().Timer2.enabled());
    EXPECT_TRUE(f().GroupBox3.showing());
}
