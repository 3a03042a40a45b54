#include "keyboard/tastaturaktiviert.h"
#include "keyboard/tastaturlayout.h"
#include "program_fixture.h"

#include <array>
#include <map>
#include <set>

namespace {

using Procedure = void (*)(Context&);
constexpr std::array<Procedure, 4> kLayouts = {keyboard::TastaturDeutsch, keyboard::TastaturSchweiz,
                                               keyboard::TastaturUSA, keyboard::TastaturUK};

class KeyLighting : public ProgramTest {
public:
    // The lit keys; a key half lit (bevel and marker disagreeing) fails the test.
    std::set<int> lit() {
        std::set<int> result;
        for (int n = 6; n <= 64; ++n) {
            const auto& key = f().tastatur.taste(n);
            const bool marked = key.marker != nullptr && key.marker->visible();
            EXPECT_EQ(key.panel.bevel() == form::BevelStyle::Lowered, marked) << key.panel.name();
            if (f().tastatur.leuchtet(n)) {
                result.insert(n);
            }
        }
        return result;
    }
    std::set<int> litFor(std::uint8_t zeichen) {
        keyboard::tastaturaktiviert(c(), zeichen);
        return lit();
    }
    // The lit keys without the two Shift keys.
    std::set<int> keysFor(std::uint8_t zeichen) {
        auto keys = litFor(zeichen);
        keys.erase(47);
        keys.erase(59);
        return keys;
    }
};

TEST_F(KeyLighting, GermanCapitalALightsItsKeyAndTheRightShiftOnly) {
    keyboard::TastaturDeutsch(c());
    EXPECT_EQ(litFor('A'), (std::set<int>{35, 59}));
    EXPECT_EQ(litFor('H'), (std::set<int>{40, 47}));
}

TEST_F(KeyLighting, TheNextCharacterDarkensTheKeyLitBefore) {
    EXPECT_EQ(litFor('a'), (std::set<int>{35}));
    EXPECT_EQ(litFor('s'), (std::set<int>{36}));
}

TEST_F(KeyLighting, AmericanEnterLightsTheWideEnterKeyAndLeavesPanel33Alone) {
    keyboard::TastaturUSA(c());
    f().tastatur.leuchten(33, true);
    EXPECT_EQ(litFor('\r'), (std::set<int>{33, 46}));
    EXPECT_EQ(litFor('a'), (std::set<int>{33, 35}));
}

TEST_F(KeyLighting, UkHashLightsNoKeyButTheRightShift) {
    keyboard::TastaturUK(c());
    EXPECT_EQ(litFor('#'), (std::set<int>{59}));
}

TEST_F(KeyLighting, SwissEAcuteLightsItsKeyAndTheLeftShift) {
    keyboard::TastaturSchweiz(c());
    EXPECT_EQ(litFor(0xE9), (std::set<int>{44, 47}));
}

TEST_F(KeyLighting, TheKeyboardButtonDarkensEveryKeyAndShowsTheKeyboard) {
    litFor('A');
    f().GroupBox5.hide();
    click(f().Button2);
    EXPECT_TRUE(lit().empty());
    EXPECT_TRUE(f().GroupBox5.visible());
}

TEST_F(KeyLighting, ASwitchDarkensKeysTheNewLayoutNeverTests) {
    keyboard::TastaturUSA(c());
    litFor('\r');
    keyboard::TastaturUK(c());
    EXPECT_TRUE(lit().empty());

    keyboard::TastaturDeutsch(c());
    litFor('<');
    keyboard::TastaturUSA(c());
    EXPECT_TRUE(lit().empty());
}

// No exceptions are needed: every layout's tables give each character of its
// teaching order exactly one key.
TEST_F(KeyLighting, EveryCharacterOfEveryTeachingOrderLightsExactlyOneKey) {
    for (std::size_t layout = 0; layout < kLayouts.size(); ++layout) {
        kLayouts[layout](c());
        for (std::size_t i = 0; i < kZeichenAnzahl; ++i) {
            const std::uint8_t zeichen = s().zeichenfolge[i];
            EXPECT_EQ(keysFor(zeichen).size(), 1U)
                << "layout " << layout << ", position " << i << ", character " << int{zeichen};
        }
    }
}

TEST_F(KeyLighting, EveryCapitalLetterLightsTheShiftKeyOfTheOtherHand) {
    for (std::size_t layout = 0; layout < kLayouts.size(); ++layout) {
        kLayouts[layout](c());
        for (std::uint8_t letter = 'A'; letter <= 'Z'; ++letter) {
            const auto keys = keysFor(letter);
            ASSERT_EQ(keys.size(), 1U) << letter;
            const bool leftHand = f().tastatur.taste(*keys.begin()).entwurf.fingernummer < 5;
            const std::set<int> shift = {leftHand ? 59 : 47};
            auto all = lit();
            all.erase(*keys.begin());
            EXPECT_EQ(all, shift) << "layout " << layout << ", " << letter;
        }
    }
}

TEST_F(KeyLighting, NoCharacterLightsBothShiftKeysOrAKeyWithoutMarker) {
    for (const Procedure layout : kLayouts) {
        layout(c());
        for (int zeichen = 0; zeichen < 256; ++zeichen) {
            const auto keys = litFor(static_cast<std::uint8_t>(zeichen));
            EXPECT_FALSE(keys.contains(47) && keys.contains(59)) << zeichen;
            for (const int unmarked : {34, 60, 61, 63, 64}) {
                EXPECT_FALSE(keys.contains(unmarked)) << zeichen;
            }
        }
    }
}

TEST_F(KeyLighting, TheLetterExerciseLightsTheKeyOfTheExpectedCharacter) {
    const std::map<std::uint8_t, int> lessonOne = {{'a', 35}, {'s', 36}, {'d', 37},
                                                   {'f', 38}, {'j', 41}, {'k', 42},
                                                   {'l', 43}, {';', 44}, {' ', 62}};
    startLetterExercise();
    for (int i = 0; i < 5; ++i) {
        typeRight(1);
        EXPECT_EQ(lit(), (std::set<int>{lessonOne.at(expected())})) << int{expected()};
    }
}

} // namespace
