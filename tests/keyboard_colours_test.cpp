#include "form/contrast.h"
#include "form/user_input.h"
#include "keyboard/farbschemata.h"
#include "keyboard/farbwahl.h"
#include "keyboard/tastaturfarben.h"
#include "program_fixture.h"
#include "users/benutzersatz.h"

#include <array>

namespace {

using form::Colour;
using form::rgb;

// The colours of each scheme as a learner would name them, #RRGGBB.
constexpr Colour hex(std::uint32_t rrggbb) {
    return rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF),
               static_cast<int>(rrggbb & 0xFF));
}

class KeyboardColours : public ProgramTest {
public:
    std::array<Colour, 5> fingers() { return keyboard::fingerfarben(s()); }
    std::array<Colour, 5> swatches() {
        return {f().Shape28.shape().pen, f().Shape55.shape().pen, f().Shape56.shape().pen,
                f().Shape58.shape().pen, f().Shape59.shape().pen};
    }
    void pick(int scheme) { form::userPicks(f().ComboBox2, scheme, {}); }
    void answerColour(std::optional<Colour> colour) { platform_.colours.answers.push_back(colour); }
    form::Control* keyOfFinger(int finger) {
        for (auto& taste : f().tastatur.tasten()) {
            if (taste.entwurf.fingernummer == finger) {
                return &taste.panel;
            }
        }
        return nullptr;
    }
};

TEST_F(KeyboardColours, EverySchemeGivesItsExactColoursToKeysSwatchesAndLegend) {
    const std::array<std::pair<int, std::array<Colour, 5>>, 7> table{{
        {0, {hex(0xFF0000), hex(0xFFFF00), hex(0x808000), hex(0x0000FF), hex(0x808080)}},
        {2, {hex(0x546E25), hex(0x4F9200), hex(0x47C700), hex(0x9FE86B), hex(0xD6F7B3)}},
        {3, {hex(0x00A086), hex(0x00B99A), hex(0x3DE8CD), hex(0x9FF5E3), hex(0xC5F9ED)}},
        {4, {hex(0x3D06A4), hex(0xF51E30), hex(0xFF5F00), hex(0xFBF709), hex(0x82E600)}},
        {5, {hex(0xA4BBFF), hex(0xDCCCFF), hex(0xFFE0E5), hex(0xFFEDD7), hex(0xE4FFE0)}},
        {6, {hex(0xE52F62), hex(0xE95E74), hex(0xF08189), hex(0xF49EA0), hex(0xFCD4D1)}},
        {7, {hex(0x0053E1), hex(0x00B4E1), hex(0x70D0FF), hex(0xB8FFD9), hex(0x52FFF6)}},
    }};
    for (const auto& [scheme, colours] : table) {
        SCOPED_TRACE(scheme);
        pick(scheme);
        EXPECT_EQ(fingers(), colours);
        EXPECT_EQ(swatches(), colours);
        EXPECT_EQ(keyOfFinger(1)->color(), colours[0]); // at once, not at the next tick
        EXPECT_EQ(keyOfFinger(5)->color(), colours[4]);
        EXPECT_EQ(
            f().Label30.fontColor(),
            form::readableOn(colours[1], form::backgroundOf(f().Label30), f().Label30.font().size));
    }
    EXPECT_EQ(f().ComboBox2.items().size(), 9U);
    EXPECT_EQ(f().ComboBox2.items()[8], "Random");
}

TEST_F(KeyboardColours, RandomDrawsEachByteBelow255AndOwnColoursBringBackTheRecord) {
    pick(8);
    const auto random = fingers();
    for (Colour c : random) {
        EXPECT_EQ(c & 0xFF000000U, 0U);
        for (int shift : {0, 8, 16}) {
            EXPECT_LT((c >> shift) & 0xFF, 255U);
        }
    }
    pick(8);
    EXPECT_NE(fingers(), random) << "re-seeded each time";
    pick(1); // a new learner's record holds the Water colours
    EXPECT_EQ(fingers(), *keyboard::farbschemaFarben(7));
}

TEST_F(KeyboardColours, OwnColoursAreTheLearnersEvenAfterTheBufferHeldAnother) {
    // The user list reads every record through the buffer.
    auto other = users::neuerBenutzer("OTHER", {2026, 3, 4, 4}, 1024);
    other.farbeKleinfinger = hex(0x010203);
    users::encode(other, s().benutzersatz);
    pick(1);
    EXPECT_EQ(fingers(), *keyboard::farbschemaFarben(7)) << "the Water colours TESTER saved";
}

TEST_F(KeyboardColours, AColourButtonChangesOneFingerAndShowsOwnColours) {
    answerColour(hex(0x123456));
    click(f().Button37);
    EXPECT_EQ(platform_.colours.presets.back(), hex(0x70D0FF)) << "the dialog starts on it";
    EXPECT_EQ(s().farbeMittelfinger, hex(0x123456));
    EXPECT_EQ(f().Shape56.shape().pen, hex(0x123456));
    EXPECT_EQ(f().ComboBox2.itemIndex(), 1);
    EXPECT_EQ(f().ComboBox2.text(), "Own colours");
    EXPECT_TRUE(platform_.messages.take().empty());

    answerColour(std::nullopt);
    pick(0);
    click(f().Button4); // cancelled
    EXPECT_EQ(s().farbeKleinfinger, hex(0xFF0000));
    EXPECT_EQ(f().ComboBox2.text(), "Standard") << "a cancelled dialog changes nothing";
}

TEST_F(KeyboardColours, AFingerColourEqualToTheBackgroundIsRefused) {
    ASSERT_EQ(f().Panel1.color(), hex(0xC0C0C0));
    const Colour ring = s().farbeRingfinger;
    answerColour(hex(0xC0C0C0));
    click(f().Button36);
    const auto shown = platform_.messages.take();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, "Backgroundcolor = Foregroundcolor!\r\rPlease choose an other color!");
    EXPECT_EQ(shown[0].icon, platform::Icon::Warning);
    EXPECT_EQ(shown[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(s().farbeRingfinger, ring);
    EXPECT_EQ(f().Shape55.shape().pen, ring);
    // No finger is silver after the refusal, so silver stays offered.
    EXPECT_TRUE(f().silber2.enabled());
}

TEST_F(KeyboardColours, ABackgroundTakenByAFingerIsDisabled) {
    pick(0); // red, yellow, olive, blue, grey
    EXPECT_FALSE(f().rot2.enabled());
    EXPECT_FALSE(f().gelb2.enabled());
    EXPECT_FALSE(f().blau1.enabled());
    EXPECT_FALSE(f().grau2.enabled());
    EXPECT_TRUE(f().silber2.enabled());
    EXPECT_TRUE(f().schwarz2.enabled());
    EXPECT_TRUE(f().wei2.enabled());
    answerColour(hex(0x000000));
    click(f().Button39);
    EXPECT_FALSE(f().schwarz2.enabled());
    EXPECT_TRUE(f().grau2.enabled()) << "the thumb was the grey one";
}

TEST_F(KeyboardColours, BackgroundItemsColourTheBigLetterPanel) {
    const std::array<std::pair<form::Control*, Colour>, 7> items{{
        {&f().blau1, hex(0x0000FF)},
        {&f().gelb2, hex(0xFFFF00)},
        {&f().rot2, hex(0xFF0000)},
        {&f().grau2, hex(0x808080)},
        {&f().silber2, hex(0xC0C0C0)},
        {&f().schwarz2, hex(0x000000)},
        {&f().wei2, hex(0xFFFFFF)},
    }};
    for (const auto& [item, colour] : items) {
        click(*item);
        EXPECT_EQ(f().Panel1.color(), colour) << item->name();
        const Colour text = colour == 0 ? hex(0xFFFFFF) : hex(0x000000);
        EXPECT_EQ(f().Label28.fontColor(), text) << item->name();
    }
}

TEST_F(KeyboardColours, WhiteCaptionsOnlyWhereWhiteReads) {
    answerColour(hex(0xFFFFFF));
    click(f().Button39); // the thumb white
    click(f().tastaturfarbeweiss);
    EXPECT_TRUE(s().tastaturschriftweiss);
    EXPECT_TRUE(f().tastaturfarbeweiss.checked());
    EXPECT_FALSE(f().TaSchriftSchwarz.checked());
    EXPECT_EQ(keyOfFinger(1)->fontColor(), hex(0xFFFFFF));
    EXPECT_EQ(keyOfFinger(5)->fontColor(), hex(0x000000));
    pick(0); // Standard: the ring finger yellow, the small finger red
    EXPECT_EQ(keyOfFinger(2)->fontColor(), hex(0x000000)) << "white on yellow would vanish";
    EXPECT_EQ(keyOfFinger(1)->fontColor(), hex(0xFFFFFF));
    s().farblektion = 1; // keys not yet introduced are silver
    keyboard::tastaturfaerben(c());
    EXPECT_EQ(f().tastatur.panel(20).color(), hex(0xC0C0C0));
    EXPECT_EQ(f().tastatur.panel(20).fontColor(), hex(0x000000));
    click(f().TaSchriftSchwarz);
    EXPECT_FALSE(s().tastaturschriftweiss);
    EXPECT_EQ(keyOfFinger(1)->fontColor(), hex(0x000000));
}

} // namespace
