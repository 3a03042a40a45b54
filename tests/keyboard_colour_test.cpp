#include "keyboard/tastaturlayout.h"
#include "program_fixture.h"

#include <set>
#include <string>

namespace {

class KeyColouring : public ProgramTest {
public:
    // The finger colour by the key's tooltip, which names the finger.
    form::Colour colourByHint(const form::Control& key) {
        const std::string& hint = key.hint();
        if (hint.find("small") != std::string::npos) {
            return s().farbeKleinfinger;
        }
        if (hint.find("ring") != std::string::npos) {
            return s().farbeRingfinger;
        }
        if (hint.find("middle") != std::string::npos) {
            return s().farbeMittelfinger;
        }
        if (hint.find("fore") != std::string::npos) {
            return s().farbeZeigefinger;
        }
        return s().farbeDaumen;
    }
    std::set<int> colouredAt(int farblektion) {
        s().farblektion = static_cast<std::uint8_t>(farblektion);
        tick();
        std::set<int> coloured;
        for (auto& taste : f().tastatur.tasten()) {
            if (taste.panel.color() != form::colours::silver) {
                EXPECT_EQ(taste.panel.color(), colourByHint(taste.panel)) << taste.panel.name();
                coloured.insert(taste.entwurf.panel);
            }
        }
        return coloured;
    }
    // The keys each lesson adds; Enter is Panel46 in the American layout.
    void expectLessonsIntroduce(int enter) {
        const std::vector<std::set<int>> added = {{35, 36, 37, 38, 41, 42, 43, 44, 62},
                                                  {39, 40},
                                                  {23, 28},
                                                  {enter, 56},
                                                  {24, 27},
                                                  {22, 29, 57},
                                                  {21, 30},
                                                  {47, 59},
                                                  {25, 26},
                                                  {52, 55},
                                                  {53, 54},
                                                  {51},
                                                  {50},
                                                  {49, 58},
                                                  {31, 45}};
        std::set<int> expected;
        for (int lesson = 1; lesson <= 15; ++lesson) {
            expected.insert(added[lesson - 1].begin(), added[lesson - 1].end());
            EXPECT_EQ(colouredAt(lesson), expected) << "lesson " << lesson;
        }
        EXPECT_EQ(colouredAt(16).size(), 59U);
    }
};

TEST_F(KeyColouring, TheMainScreenColoursEveryKeyWithinOneTick) {
    EXPECT_EQ(colouredAt(17).size(), 59U);
}

TEST_F(KeyColouring, EachLessonColoursTheKeysItIntroducesInTheUkLayout) {
    expectLessonsIntroduce(33);
}

TEST_F(KeyColouring, TheGermanLayoutColoursPanel33AsItsEnterKey) {
    keyboard::TastaturDeutsch(c());
    expectLessonsIntroduce(33);
}

TEST_F(KeyColouring, TheAmericanLayoutColoursPanel46AsItsEnterKey) {
    keyboard::TastaturUSA(c());
    expectLessonsIntroduce(46);
}

TEST_F(KeyColouring, AChangedFingerColourReachesTheKeysAtTheNextTick) {
    tick();
    s().farbeRingfinger = form::rgb(1, 2, 3);
    tick();
    EXPECT_EQ(f().tastatur.panel(36).color(), form::rgb(1, 2, 3));
    EXPECT_EQ(f().tastatur.panel(43).color(), form::rgb(1, 2, 3));
}

TEST_F(KeyColouring, WhiteCaptionsStayBlackOnWhiteKeys) {
    s().tastaturschriftweiss = true;
    s().farbeDaumen = form::colours::white;
    tick();
    EXPECT_EQ(f().tastatur.panel(35).fontColor(), form::colours::white);
    EXPECT_EQ(f().tastatur.panel(62).fontColor(), form::colours::black);
    s().tastaturschriftweiss = false;
    tick();
    EXPECT_EQ(f().tastatur.panel(35).fontColor(), form::colours::black);
}

TEST_F(KeyColouring, ATickThatChangesNothingMarksNoKeyDirty) {
    tick();
    f().takeDirty();
    tick();
    for (const form::Control* changed : f().takeDirty()) {
        EXPECT_NE(changed->parent(), &f().GroupBox5) << changed->name();
    }
}

} // namespace
