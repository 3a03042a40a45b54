#include "driver_fixture.h"
#include "form/contrast.h"

#include <gtest/gtest.h>

namespace {

// What a learner sees of a wrong key, and of the part of a line already typed.
class TypingFeedback : public DriverTest {
protected:
    void run(const std::string& script) { output(script); }
    const Sitzungszustand& s() { return driver_.program().state(); }
    form::Control& key(int panel) { return window().tastatur.panel(panel); }
    std::uint8_t expected() { return s().zeichenfolge[s().zeichenindex]; }
    // A letter of lesson 1 other than the one asked for.
    char wrong() { return expected() == 'a' ? 's' : 'a'; }
    void letterExercise() {
        run("focus ComboBox1\ntype anna\nkey #13\nclick BitBtn2\nclick BitBtn3\nkey a\n");
    }
};

constexpr int kPanelA = 35;
constexpr int kPanelS = 36;

TEST_F(TypingFeedback, AWrongKeyLightsTheKeyPressedRedForAQuarterOfASecond) {
    letterExercise();
    run("tick\n");
    const char typed = wrong();
    const int panel = typed == 'a' ? kPanelA : kPanelS;
    const form::Colour own = key(panel).color();
    run(std::string("key ") + typed + "\n");
    EXPECT_EQ(key(panel).color(), form::colours::red);
    EXPECT_EQ(s().fehltaste, panel);
    run("wait 0.2\n"); // the clock's colouring leaves it red meanwhile
    EXPECT_EQ(key(panel).color(), form::colours::red);
    run("wait 0.1\n");
    EXPECT_EQ(key(panel).color(), own);
    EXPECT_EQ(s().fehltaste, 0);
    EXPECT_FALSE(window().Timer3.enabled());
}

TEST_F(TypingFeedback, ARightKeyOrAKeyTheKeyboardLacksLightsNothingRed) {
    letterExercise();
    run(std::string("key ") + static_cast<char>(expected()) + "\nkey ä\n");
    EXPECT_EQ(s().fehltaste, 0);
    for (const auto& taste : window().tastatur.tasten()) {
        EXPECT_NE(taste.panel.color(), form::colours::red) << taste.panel.name();
    }
}

TEST_F(TypingFeedback, AKeyRedInItsOwnSchemeFlashesDarkRed) {
    letterExercise();
    driver_.program().state().farbeKleinfinger = form::colours::red;
    run("tick\n");
    const char typed = wrong();
    run(std::string("key ") + typed + "\n");
    const int panel = typed == 'a' ? kPanelA : kPanelS;
    const form::Colour shown = key(panel).color();
    EXPECT_NE(shown, typed == 'a' ? form::colours::red : s().farbeRingfinger);
    EXPECT_EQ(shown & 0xFF, typed == 'a' ? 128U : 255U);
}

// The box is unticked as a person does it in the window, so its click
// handler runs and the very next fault is silent.
TEST_F(TypingFeedback, UntickingTheFaultSoundBoxSilencesTheNextFault) {
    letterExercise();
    run("click Button7\nset CheckBox1 0\nclick Button7\nsounds\n");
    EXPECT_FALSE(s().fehlerton);
    EXPECT_EQ(output(std::string("key ") + wrong() + "\nsounds\n"), "[]\n");

    run("click Button7\nset CheckBox1 1\nclick Button7\n");
    EXPECT_TRUE(s().fehlerton);
    const std::string sounds = output(std::string("key ") + wrong() + "\nsounds\n");
    EXPECT_NE(sounds.find("Error.wav"), std::string::npos) << sounds;
}

TEST_F(TypingFeedback, TheWordLineShowsItsTypedPartAndAWrongKeyLightsToo) {
    run("focus ComboBox1\ntype anna\nkey #13\nclick Button22\nset ScrollBar1 2\n"
        "click start2\nkey x\n");
    const auto& edit = window().Edit2;
    EXPECT_EQ(edit.doneLength(), 0);
    const std::string line = edit.text();
    run(std::string("key ") + line[0] + "\nkey " + line[1] + "\n");
    EXPECT_EQ(edit.doneLength(), 2);
    const char typed = line[2] == 'a' ? 's' : 'a';
    run(std::string("key ") + typed + "\n"); // forced correction keeps the position
    EXPECT_EQ(edit.doneLength(), 2);
    EXPECT_EQ(key(typed == 'a' ? kPanelA : kPanelS).color(), form::colours::red);
}

} // namespace
