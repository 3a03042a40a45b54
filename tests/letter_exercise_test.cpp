#include "exercises/fingersaetze.h"
#include "form/contrast.h"
#include "program_fixture.h"

#include <set>

namespace {

using LetterExercise = ProgramTest;

// Two keystrokes and one second: the speed is far above any target.
void reachTargets(LetterExercise& t) {
    t.typeRight(2);
}

// Runs lesson 1 from its start to completion with the given number of faults;
// the targets are opened so that every right keystroke counts.
void completeWithFaults(LetterExercise& t, int faults) {
    t.click(t.f().Button21);
    t.s().lektionsteil = 0;
    t.s().wunschanschlaege = 0;
    t.s().wunschfehlerquote = 100;
    t.startLetterExercise();
    t.key('a');
    for (int i = 0; i < faults; ++i) {
        t.key(t.wrong());
        t.key(t.expected());
    }
    while (t.s().lektionsteil == 0) {
        t.key(t.expected());
    }
}

} // namespace

TEST_F(LetterExercise, FirstKeystrokeIsNeverJudgedAndStartsTheMeasurement) {
    startLetterExercise();
    EXPECT_EQ(f().Panel1.caption(), "START");
    key('#');
    EXPECT_EQ(s().anschlaegeBuchstaben, 1);
    EXPECT_EQ(s().fehlerBuchstaben, 0);
    EXPECT_EQ(f().Label24.caption(), "Keystrokes: 1");
    EXPECT_FALSE(f().Label28.visible());
    EXPECT_TRUE(f().Button7.enabled());
    const std::set<std::uint8_t> lesson1 = {'a', 's', 'd', 'f', 'j', 'k', 'l', ';', ' '};
    EXPECT_TRUE(lesson1.count(expected()));
}

TEST_F(LetterExercise, ForcedCorrectionCountsOneFaultHoweverOftenTheKeyIsWrong) {
    startLetterExercise();
    key('a');
    while (expected() == ' ') {
        key(expected()); // the space shows a word, not the character
    }
    const auto before = s().anschlaegeBuchstaben;
    const auto character = expected();
    for (int i = 0; i < 5; ++i) {
        key(wrong());
    }
    EXPECT_EQ(s().fehlerBuchstaben, 1);
    EXPECT_EQ(s().anschlaegeBuchstaben, before);
    EXPECT_EQ(expected(), character);
    EXPECT_EQ(f().Label26.caption(), "Faults: 1");
    key(character);
    EXPECT_EQ(s().anschlaegeBuchstaben, before + 1);
    EXPECT_FALSE(s().letzterfehler);
}

TEST_F(LetterExercise, CountOnlyCountsTheFaultAsAKeystrokeAndMovesOn) {
    s().korrekturerzwingen = false;
    startLetterExercise();
    key('a');
    const auto before = s().anschlaegeBuchstaben;
    key(wrong());
    key(wrong());
    EXPECT_EQ(s().fehlerBuchstaben, 2);
    EXPECT_EQ(s().anschlaegeBuchstaben, before + 2);
    EXPECT_EQ(f().Label27.caption(), "Fault rate: 66.67 %");
    EXPECT_EQ(f().Label27.fontColor(), form::colours::red);
}

TEST_F(LetterExercise, WrongSecondKeystrokeRestartsTheMeasurement) {
    startLetterExercise();
    key('a');
    tick(8);
    key(wrong());
    EXPECT_EQ(s().anschlaegeBuchstaben, 1);
    EXPECT_EQ(s().startzeitpunkt, 2);
}

TEST_F(LetterExercise, NoDrawRepeatsTheOneBeforeInLessonOne) {
    startLetterExercise();
    key('a');
    for (int i = 0; i < 300; ++i) {
        const auto before = s().zeichenindex;
        key(expected());
        ASSERT_NE(s().zeichenindex, before);
    }
}

TEST_F(LetterExercise, QuotaKeepsNewCharactersAboveTheirShare) {
    s().lektion = 5;
    startLetterExercise();
    key('a');
    for (int i = 0; i < 400; ++i) {
        key(expected());
    }
    // At the 30 % setting at least 9/30 of the keystrokes are new characters.
    EXPECT_GE(s().neuzeichenzaehler * 30, s().anschlaegeBuchstaben * 9 - 30);
}

TEST_F(LetterExercise, HundredQualifyingKeystrokesCompleteLessonOneWithTheBestVerdict) {
    installSounds();
    startLetterExercise();
    reachTargets(*this);
    tick(4);
    typeRight(99);
    EXPECT_NEAR(s().lernfortschritt, 99.0, 1e-9);
    EXPECT_EQ(f().Label34.caption(), "Study achievement 99.0 %");
    EXPECT_EQ(s().lektionsteil, 0);
    key(expected());
    EXPECT_EQ(s().lektionsteil, 1);
    EXPECT_TRUE(s().buchstabenuebungbestanden[1]);
    EXPECT_FALSE(s().buchstabenuebungaktiv);
    EXPECT_TRUE(s().wortuebungaktiv);
    EXPECT_TRUE(f().GroupBox12.showing());
    EXPECT_FALSE(f().BoxBuchstabenuebung.visible());
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "Very good performance!");
    const auto sounds = platform_.sound.take();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back().file, "Approval2.wav");
    EXPECT_FALSE(sounds.back().synchronous);
}

TEST_F(LetterExercise, VerdictAndApprovalSoundFollowTheFaultCount) {
    struct Case {
        int faults;
        const char* text;
        const char* sound;
    };
    for (const Case& expectedCase :
         {Case{1, "Well done!", "Approval2.wav"},
          Case{2, "Acceptable performance!", "Approval2.wav"},
          Case{3, "You have made the letter-exercise!", "Approval1.wav"}}) {
        installSounds();
        completeWithFaults(*this, expectedCase.faults);
        const auto boxes = platform_.messages.take();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].caption, "Congratulations!");
        EXPECT_EQ(boxes[0].text.rfind(expectedCase.text, 0), 0U) << boxes[0].text;
        bool played = false;
        for (const auto& event : platform_.sound.take()) {
            played = played || event.file == expectedCase.sound;
        }
        EXPECT_TRUE(played) << expectedCase.sound;
    }
}

TEST_F(LetterExercise, TargetsMissedKeepTheAchievementAtZero) {
    s().wunschanschlaege = 5000;
    startLetterExercise();
    reachTargets(*this);
    tick(4);
    typeRight(50);
    EXPECT_EQ(s().lernfortschritt, 0.0);
    EXPECT_EQ(f().Label25.fontColor(), form::colours::red);
}

TEST_F(LetterExercise, CapitalCountsTwiceAndShowsTheIndicator) {
    s().lektion = 8;
    startLetterExercise();
    key('a');
    key(expected()); // the first keystroke's draw gets no extra count
    for (int i = 0; i < 500 && !(expected() >= 'A' && expected() <= 'Z'); ++i) {
        const auto before = s().anschlaegeBuchstaben;
        key(expected());
        if (expected() >= 'A' && expected() <= 'Z') {
            EXPECT_EQ(s().anschlaegeBuchstaben, before + 2);
        }
    }
    ASSERT_TRUE(expected() >= 'A' && expected() <= 'Z');
    EXPECT_EQ(f().Label35.caption(), "C");
    EXPECT_EQ(f().Label35.hint(), "Capitial letter");
}

TEST_F(LetterExercise, DigitsShowNAndSpecialCharactersShowTheirNames) {
    s().lektion = 16;
    startLetterExercise();
    key('a');
    bool sawDigit = false;
    bool sawSpace = false;
    bool sawEnter = false;
    bool sawAmpersand = false;
    for (int i = 0; i < 4000 && !(sawDigit && sawSpace && sawEnter && sawAmpersand); ++i) {
        key(expected());
        if (s().zeichenindex > 76) {
            sawDigit = true;
            EXPECT_EQ(f().Label35.caption(), "N");
        } else if (expected() == ' ') {
            sawSpace = true;
            EXPECT_EQ(f().Panel1.caption(), "Space");
            EXPECT_EQ(f().Panel1.font().size, 1024 / 20);
        } else if (expected() == '\r') {
            sawEnter = true;
            EXPECT_EQ(f().Panel1.caption(), "Enter");
            EXPECT_EQ(f().Panel1.font().size, 1024 / 16);
        } else if (expected() == '&') {
            sawAmpersand = true;
            EXPECT_EQ(s().zeichenindex, 72); // the UK layout
            EXPECT_EQ(f().Panel1.caption(), "&&");
        }
    }
    EXPECT_TRUE(sawDigit && sawSpace && sawEnter && sawAmpersand);
}

TEST_F(LetterExercise, ExpectedCharacterIsDrawnInItsFingerColour) {
    startLetterExercise();
    key('a');
    for (int i = 0; i < 40; ++i) {
        const auto c = expected();
        const auto inFarbe = [&](form::Colour finger) {
            return form::readableOn(finger, f().Panel1.color(), f().Panel1.font().size);
        };
        if (c == 'a' || c == ';') {
            EXPECT_EQ(f().Panel1.fontColor(), inFarbe(s().farbeKleinfinger));
        } else if (c == 'f' || c == 'j') {
            EXPECT_EQ(f().Panel1.fontColor(), inFarbe(s().farbeZeigefinger));
        } else if (c == ' ') {
            EXPECT_EQ(f().Panel1.fontColor(), inFarbe(s().farbeDaumen));
        }
        key(c);
    }
}

TEST_F(LetterExercise, FaultSoundPlaysFallsBackToTheBeepOrStaysSilent) {
    startLetterExercise();
    key('a');
    platform_.sound.take();
    key(wrong());
    auto events = platform_.sound.take();
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0].file, "Error.wav");
    EXPECT_TRUE(events[0].synchronous);
    EXPECT_EQ(events[1].kind, "beep");

    installSounds();
    key(wrong());
    events = platform_.sound.take();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_TRUE(events[0].played);

    s().fehlerton = false;
    key(wrong());
    EXPECT_TRUE(platform_.sound.take().empty());
    EXPECT_TRUE(platform_.messages.take().empty());
}

TEST_F(LetterExercise, FingerCountsFollowTheExpectedCharacter) {
    startLetterExercise();
    key('a');
    int counted = 0;
    for (int i = 0; i < 50; ++i) {
        key(expected());
    }
    for (std::size_t k = 1; k <= 9; ++k) {
        counted += s().fingerBuchstaben[k].anschlaege;
    }
    // Every drawn character of lesson 1 belongs to exactly one finger and is
    // counted when it is drawn, except the one drawn by the first keystroke.
    EXPECT_EQ(counted, s().anschlaegeBuchstaben - 1);
    EXPECT_EQ(s().fingeranschlaege[5],
              static_cast<std::uint16_t>(s().fingerBuchstaben[5].anschlaege -
                                         (expected() == ' ' ? 1 : 0)));
}

TEST(FingerSets, CharactersCountForTheirLayoutsFingers) {
    using exercises::fingerDesZeichens;
    EXPECT_EQ(fingerDesZeichens(3, '\\'), (1U << 1) | (1U << 6));
    EXPECT_EQ(fingerDesZeichens(0, '&'), 0U);
    EXPECT_EQ(fingerDesZeichens(0, '6'), 0U);
    EXPECT_EQ(fingerDesZeichens(0, '\r'), 0U);
    EXPECT_EQ(fingerDesZeichens(0, ' '), 1U << 5);
    EXPECT_EQ(fingerDesZeichens(0, 'z'), 1U << 9);
    EXPECT_EQ(fingerDesZeichens(2, 'z'), 1U << 1);
    EXPECT_EQ(fingerDesZeichens(1, '+'), 1U << 1);
    EXPECT_EQ(fingerDesZeichens(0, '+'), 0U);
    EXPECT_EQ(fingerDesZeichens(1, 0xE7), 1U << 4); // ç
    EXPECT_EQ(fingerDesZeichens(0, 0xF6), 1U << 6); // ö
}

TEST(FingerSets, ShiftedCharactersDependOnTheLayout) {
    using exercises::umgeschaltet;
    EXPECT_TRUE(umgeschaltet(0, ';'));
    EXPECT_FALSE(umgeschaltet(2, ';'));
    EXPECT_TRUE(umgeschaltet(2, ':'));
    EXPECT_TRUE(umgeschaltet(0, '`'));
    EXPECT_TRUE(umgeschaltet(1, '+'));
    EXPECT_FALSE(umgeschaltet(0, '+'));
    EXPECT_TRUE(umgeschaltet(3, '@'));
    EXPECT_TRUE(umgeschaltet(0, 0xA7)); // §
    EXPECT_FALSE(umgeschaltet(0, 'a'));
    for (int c = 'A'; c <= 'Z'; ++c) {
        EXPECT_TRUE(umgeschaltet(1, static_cast<std::uint8_t>(c)));
    }
}

TEST_F(LetterExercise, NoByteCrashesOrBreaksTheCounters) {
    for (const bool force : {true, false}) {
        s().korrekturerzwingen = force;
        click(f().Button6);
        startLetterExercise();
        for (int byte = 0; byte < 256; ++byte) {
            key(static_cast<std::uint8_t>(byte));
            ASSERT_LE(s().zeichenindex, s().zeichenvorrat);
            ASSERT_LE(s().fehlerBuchstaben, s().anschlaegeBuchstaben + 1U);
        }
        EXPECT_GT(s().anschlaegeBuchstaben, 0);
    }
}
