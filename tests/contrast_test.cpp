#include "form/contrast.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace {

using form::rgb;

int red(form::Colour c) {
    return static_cast<int>(c & 0xFF);
}
int green(form::Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int blue(form::Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr form::Colour kMint = rgb(184, 255, 217); // the forefingers of "Water"
constexpr form::Colour kLightGrey = form::colours::buttonFace;

TEST(Contrast, MeasuresAsTheGuidelinesDo) {
    EXPECT_NEAR(form::contrastRatio(form::colours::black, form::colours::white), 21.0, 1e-9);
    EXPECT_NEAR(form::contrastRatio(kLightGrey, kLightGrey), 1.0, 1e-9);
    EXPECT_NEAR(form::contrastRatio(rgb(255, 0, 0), form::colours::white), 4.0, 0.01);
    EXPECT_LT(form::contrastRatio(kMint, kLightGrey), 1.2); // why this exists
}

TEST(Contrast, AColourTooLightBecomesADarkerShadeOfItsOwnHueThatReads) {
    const form::Colour small = form::readableOn(kMint, kLightGrey, 12);
    EXPECT_GE(form::contrastRatio(small, kLightGrey), 4.5);
    EXPECT_LT(form::contrastRatio(small, kLightGrey), 4.7); // no darker than it must be
    // Darkening scales the channels alike, so the hue stays.
    EXPECT_NEAR(green(small) * 184.0 / 255.0, red(small), 1.0);
    EXPECT_NEAR(green(small) * 217.0 / 255.0, blue(small), 1.0);

    const form::Colour large = form::readableOn(kMint, kLightGrey, 18);
    EXPECT_GE(form::contrastRatio(large, kLightGrey), 3.0);
    EXPECT_GT(green(large), green(small)); // large text may stay lighter
}

TEST(Contrast, AReadableColourStaysExactAndADarkBackgroundLightensInstead) {
    EXPECT_EQ(form::readableOn(rgb(9, 9, 9), kLightGrey, 10), rgb(9, 9, 9));
    const form::Colour navy = rgb(0, 0, 128);
    const form::Colour onBlack = form::readableOn(navy, form::colours::black, 10);
    EXPECT_GE(form::contrastRatio(onBlack, form::colours::black), 4.5);
    EXPECT_GT(blue(onBlack), 128);
}

TEST(Contrast, ALabelReadsOnWhatItSitsOn) {
    form::Form window("W", "", 100, 100);
    form::Control panel(window, "P", form::Kind::Panel, nullptr, {});
    form::Control label(window, "L", form::Kind::Label, &panel, {});
    panel.setColor(form::colours::black);
    EXPECT_EQ(form::backgroundOf(label), form::colours::black);
    form::setReadableFontColor(label, rgb(0, 0, 90));
    EXPECT_GE(form::contrastRatio(label.fontColor(), form::colours::black), 4.5);
}

// Every text the program writes in a finger colour reads on its background,
// while the keys keep the scheme's exact colours.
TEST_F(ProgramTest, FingerColouredTextsReadWhileKeysKeepTheSchemeColours) {
    signIn("anna");
    click(f().BitBtn2);
    for (form::Control* line : {&f().Label38, &f().Label41, &f().Label42, &f().Label46}) {
        EXPECT_GE(form::contrastRatio(line->fontColor(), f().Panel66.color()),
                  form::neededContrast(line->font().size))
            << line->name() << " " << line->caption();
    }
    click(f().BitBtn3);
    for (char c : std::string("afjfjfjfjdkdkdkls")) {
        key(static_cast<std::uint8_t>(c));
        EXPECT_GE(form::contrastRatio(f().Panel1.fontColor(), f().Panel1.color()),
                  form::neededContrast(f().Panel1.font().size));
    }
    tick();
    EXPECT_EQ(f().tastatur.panel(38).color(), s().farbeZeigefinger); // the F key
    click(f().Button14);
    tick();
    for (form::Control* line : {&f().Label54, &f().Label58}) {
        EXPECT_GE(form::contrastRatio(line->fontColor(), f().GroupBox14.color()), 4.5);
    }
}

} // namespace
