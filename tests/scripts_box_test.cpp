#include "exercises/wortuebung.h"
#include "form/user_input.h"
#include "program_fixture.h"

namespace {

class ScriptsBox : public ProgramTest {
public:
    int checkedRadios() {
        int checked = 0;
        for (const form::Control* radio :
             {&f().RadioButton1, &f().RadioButton2, &f().RadioButton5}) {
            checked += radio->checked() ? 1 : 0;
        }
        return checked;
    }
    void answerFont(std::optional<form::FontSpec> font) {
        platform_.fonts.answers.push_back(std::move(font));
    }
    const std::pair<form::FontSpec, platform::FontLimits>& asked() {
        return platform_.fonts.asked.back();
    }
};

TEST_F(ScriptsBox, ExactlyOneRadioButtonIsCheckedThroughALesson) {
    EXPECT_TRUE(f().RadioButton1.checked());
    EXPECT_EQ(checkedRadios(), 1);
    form::userClicks(f().RadioButton5);
    EXPECT_EQ(checkedRadios(), 1);
    startLetterExercise();
    EXPECT_TRUE(f().RadioButton1.checked());
    EXPECT_EQ(checkedRadios(), 1);
    Wortuebungeinrichten(c()); // the word exercise of the lesson
    EXPECT_TRUE(f().RadioButton2.checked());
    EXPECT_EQ(checkedRadios(), 1);
}

TEST_F(ScriptsBox, TheLetterFontDialogIsLimitedToScalableFontsAndItsSizes) {
    answerFont(form::FontSpec{"Liberation Sans", 100, 1});
    click(f().Button9);
    // 1024 pixels: preset trunc(1024 / 6.66) = 153, sizes 64 .. 167.
    EXPECT_EQ(asked().first.size, 153);
    EXPECT_EQ(asked().second.minSize, 64);
    EXPECT_EQ(asked().second.maxSize, 167);
    EXPECT_TRUE(asked().second.scalableOnly);
    EXPECT_EQ(s().schriftBuchstabe, "Liberation Sans");
    EXPECT_EQ(s().schriftgroesseBuchstabe, 100);
    EXPECT_EQ(f().Panel1.font().name, "Liberation Sans");
    EXPECT_EQ(f().Label19.caption(), "Liberation Sans");
    EXPECT_EQ(f().Label19.font().name, "Liberation Sans");
}

TEST_F(ScriptsBox, TheWordFontTakesItsStyleAndSize) {
    form::userClicks(f().RadioButton2);
    answerFont(form::FontSpec{"Liberation Mono", 20, 3 | 4}); // underline is not kept
    click(f().Button9);
    EXPECT_EQ(asked().first.size, 16); // trunc(1024 / 62)
    EXPECT_EQ(asked().second.minSize, 14);
    EXPECT_EQ(asked().second.maxSize, 23);
    EXPECT_FALSE(asked().second.scalableOnly);
    EXPECT_EQ(s().schriftWort, "Liberation Mono");
    EXPECT_EQ(s().schriftgroesseWort, 20);
    EXPECT_EQ(s().schriftstilWort, 3);
    EXPECT_EQ(f().Edit2.font(), (form::FontSpec{"Liberation Mono", 20, 3}));
    EXPECT_EQ(f().Label20.caption(), "Liberation Mono");
    EXPECT_EQ(f().Label20.font().name, "Liberation Mono");
}

TEST_F(ScriptsBox, TheOwnTextFontGoesToBothTextBoxes) {
    form::userClicks(f().RadioButton5);
    answerFont(form::FontSpec{"DejaVu Serif", 60, 2}); // above the largest size offered
    click(f().Button9);
    EXPECT_EQ(asked().first.size, 20); // trunc(1024 / 50)
    EXPECT_EQ(asked().second.minSize, 11);
    EXPECT_EQ(asked().second.maxSize, 24);
    EXPECT_EQ(s().schriftgroesseText, 24);
    EXPECT_EQ(s().schriftstilText, 2);
    EXPECT_EQ(f().Memo3.font(), (form::FontSpec{"DejaVu Serif", 24, 2}));
    EXPECT_EQ(f().Memo4.font(), (form::FontSpec{"DejaVu Serif", 24, 2}));
    EXPECT_EQ(f().Label3.caption(), "DejaVu Serif");
}

TEST_F(ScriptsBox, ACancelledFontDialogChangesNothing) {
    form::userClicks(f().RadioButton2);
    const auto wort = s().schriftWort;
    const auto groesse = s().schriftgroesseWort;
    answerFont(std::nullopt);
    click(f().Button9);
    EXPECT_EQ(s().schriftWort, wort);
    EXPECT_EQ(s().schriftgroesseWort, groesse);
}

class ScriptsBoxAt120Ppi : public ProgramTest {
public:
    ScriptsBoxAt120Ppi() : ProgramTest({1024, 768, 120}) {}
};

TEST_F(ScriptsBoxAt120Ppi, TheLetterPresetAllowsForThePixelsPerInch) {
    platform_.fonts.answers.emplace_back(form::FontSpec{"Arial", 100, 0});
    click(f().Button9);
    EXPECT_EQ(platform_.fonts.asked.back().first.size, 123); // trunc(1024 / 6.66 / 1.25)
}

} // namespace
