#include "program_fixture.h"

namespace {

// Ways out of an exercise that must leave the next one as good as new.
class LeavingExercises : public ProgramTest {
protected:
    void wordExercise() {
        s().lektionsteil = 1;
        click(f().BitBtn2);
        key('x'); // the starting keystroke
    }
    char wordExpected() { return f().Edit2.text()[s().wortzeichenposition - 1]; }
    // The next letter exercise has its Settings, Pause and auto-pause back.
    void expectAFreshLetterExercise() {
        startLetterExercise();
        key('a');
        EXPECT_EQ(f().Button7.caption(), "Settings");
        EXPECT_EQ(f().silber1.caption(), "Settings");
        EXPECT_EQ(f().Button8.caption(), "Settings");
        EXPECT_TRUE(f().grau1.enabled());
        EXPECT_TRUE(f().Pause1.enabled());
        EXPECT_TRUE(f().Button15.enabled());
        EXPECT_FALSE(f().GroupBox1.visible());
        EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
        typeRight(2);
        f().onDeactivate();
        EXPECT_EQ(s().anzeigestatus, Anzeige::Pause) << "losing the focus pauses again";
    }
};

TEST_F(LeavingExercises, LeavingTheLetterExerciseWithItsSettingsOpenResetsWhatTheyLocked) {
    startLetterExercise();
    key('a');
    click(f().Button7);
    ASSERT_EQ(f().Button7.caption(), "Go on!");
    click(f().Button6);
    EXPECT_FALSE(f().GroupBox1.visible());
    expectAFreshLetterExercise();
}

TEST_F(LeavingExercises, AWordExerciseCompletedWithItsSettingsOpenLeavesNoneLocked) {
    wordExercise();
    click(f().Button8);
    ASSERT_EQ(f().Button8.caption(), "Go on!");
    s().wunschanschlaege = 0;
    s().lernfortschritt = 99.99;
    key(static_cast<std::uint8_t>(wordExpected())); // word keys count with the box open
    ASSERT_EQ(s().lektion, 2) << "the lesson was completed";
    EXPECT_EQ(f().Button8.caption(), "Settings");
    EXPECT_EQ(f().Einstellungen1.caption(), "Settings");
    EXPECT_TRUE(f().Pause2.enabled());
    click(f().SpeedButton2);
    expectAFreshLetterExercise();
}

TEST_F(LeavingExercises, AnExaminationLeftEarlyGivesBackTheLessonPartItStartedFrom) {
    ASSERT_EQ(s().lektionsteil, 0);
    click(f().BitBtn9);
    ASSERT_TRUE(s().zeittest);
    key('x');
    click(f().Button21);
    EXPECT_FALSE(s().zeittest);
    EXPECT_EQ(s().lektionsteil, 0);
    tick();
    EXPECT_EQ(f().Edit4.text(), "1 L");
}

TEST_F(LeavingExercises, APauseFollowedAtOnceBySettingsIsExcludedOnce) {
    startLetterExercise();
    key('a');
    tick(4); // the last measuring tick
    click(f().Button15);
    platform_.clock.advanceMs(10'000);
    click(f().Button15); // resumed 10 s after the tick
    click(f().Button7);
    platform_.clock.advanceMs(5'000);
    click(f().Button7); // closed 5 s later, before any tick
    EXPECT_EQ(s().pausensekunden, 15);
}

TEST_F(LeavingExercises, EscapeIsNoTypingFaultInTheLetterOrTheWordExercise) {
    startLetterExercise();
    key('a');
    const auto anschlaege = s().anschlaegeBuchstaben;
    key(27);
    EXPECT_EQ(s().fehlerBuchstaben, 0);
    EXPECT_EQ(s().anschlaegeBuchstaben, anschlaege);
    click(f().Button6);
    wordExercise();
    const auto position = s().wortzeichenposition;
    key(27);
    EXPECT_EQ(s().fehlerText, 0);
    EXPECT_EQ(s().wortzeichenposition, position);
}

TEST_F(LeavingExercises, TheExtrasScreenHidesTheSettingsBox) {
    click(f().Button3);
    ASSERT_TRUE(f().GroupBox1.visible());
    click(f().Button22);
    EXPECT_FALSE(f().GroupBox1.visible());
    EXPECT_TRUE(f().GroupBox16.visible());
}

} // namespace
