#include "program_fixture.h"

#include <fstream>

namespace {

using MainWindow = ProgramTest;

} // namespace

TEST_F(MainWindow, HelpOpensThePageBesideTheProgramOrSaysWhyNot) {
    click(f().Hilfe1);
    ASSERT_EQ(platform_.opener.opened.size(), 1U);
    EXPECT_EQ(platform_.opener.opened[0], directory_ / "Clavora.html");
    auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U) << "a missing help page is reported";
    EXPECT_EQ(boxes[0].icon, platform::Icon::Error);

    std::ofstream(directory_ / "Clavora.html") << "<html></html>";
    f().onKeyUp(112);
    EXPECT_EQ(platform_.opener.opened.size(), 2U);
    EXPECT_TRUE(platform_.messages.take().empty());
    f().onKeyUp(113);
    EXPECT_EQ(platform_.opener.opened.size(), 2U) << "only F1 opens the help";
}

TEST_F(MainWindow, WelcomeTextGrowsShrinksAndCopiesItsSelection) {
    click(f().Memo1);
    EXPECT_FALSE(f().Memo1.showHint());
    EXPECT_EQ(f().Memo1.geometry().top, static_cast<int>(768 / 5.55));
    EXPECT_EQ(f().Memo1.geometry().height, static_cast<int>(768 / 1.46));
    EXPECT_FALSE(f().memo1verg.enabled());
    EXPECT_TRUE(f().memo1verk.enabled());
    click(f().memo1verk);
    EXPECT_EQ(f().Memo1.geometry().top, static_cast<int>(768 / 1.54));
    EXPECT_EQ(f().Memo1.geometry().height, static_cast<int>(768 / 4.3));

    f().Memo1.setLines({"Good", "luck!"});
    click(f().Markieren1);
    click(f().Kopieren1);
    EXPECT_EQ(platform_.clipboard.text, "Good\r\nluck!");
    f().Memo1.setSelStart(6);
    f().Memo1.setSelLength(4);
    click(f().Kopieren1);
    EXPECT_EQ(platform_.clipboard.text, "luck");
    f().Memo1.setSelStart(99);
    click(f().Kopieren1);
    EXPECT_EQ(platform_.clipboard.text, "luck") << "a selection outside the text copies nothing";
}

TEST_F(MainWindow, ExtrasScreenAndFingerGymnasticsComeToTheFront) {
    click(f().Button22);
    EXPECT_TRUE(f().GroupBox16.showing());
    EXPECT_FALSE(f().GroupBox5.visible());
    EXPECT_TRUE(f().memo1verg.enabled());
    click(f().Button27);
    EXPECT_TRUE(f().GroupBox22.showing());
    EXPECT_GT(f().GroupBox22.zOrder(), f().GroupBox16.zOrder());
    EXPECT_EQ(f().Image23.text(), (directory_ / "finger_gym_3.svg").string());
    EXPECT_EQ(f().Label113.caption(), "Picture 3: Press the fingertips of both hands together.");
    click(f().Button2);
    EXPECT_TRUE(f().GroupBox5.showing());
    EXPECT_FALSE(f().GroupBox16.visible());
    EXPECT_FALSE(f().GroupBox22.visible());
}

TEST_F(MainWindow, ExitAsksBeforeClosing) {
    bool closed = false;
    f().onCloseRequest = [&] { closed = f().onCloseQuery(); };
    platform_.messages.queue(platform::Answer::No);
    click(f().Exit1);
    EXPECT_FALSE(closed);
    click(f().Programmbeenden9);
    EXPECT_TRUE(closed);
}

TEST_F(MainWindow, WritingRulesShowTheDocumentWithItsFormatting) {
    click(f().Button25);
    ASSERT_EQ(platform_.messages.take().size(), 1U) << "no document yet: the learner is told";
    EXPECT_FALSE(f().GroupBox19.visible());

    std::filesystem::copy_file(std::filesystem::path(CLAVORA_ASSETS) / "Writing_rules.rtf",
                               directory_ / "Writing_rules.rtf");
    click(f().Button25);
    EXPECT_TRUE(platform_.messages.take().empty());
    EXPECT_TRUE(f().GroupBox19.showing());
    EXPECT_EQ(f().GroupBox19.geometry().top, static_cast<int>(768 / 5.46));
    ASSERT_GT(f().RichEdit2.richText().size(), 10U);
    const auto& heading = f().RichEdit2.richText().front();
    ASSERT_FALSE(heading.empty());
    EXPECT_TRUE(heading.front().bold);
}

TEST_F(MainWindow, EmptyWritingRulesShowAnEmptyBoxAndAFolderIsReported) {
    directory_.write("Writing_rules.rtf", "");
    click(f().Button25);
    EXPECT_TRUE(platform_.messages.take().empty()) << "an empty document is no error";
    EXPECT_TRUE(f().GroupBox19.showing());
    EXPECT_TRUE(f().RichEdit2.richText().empty());

    std::filesystem::remove(directory_ / "Writing_rules.rtf");
    std::filesystem::create_directory(directory_ / "Writing_rules.rtf");
    f().GroupBox19.hide();
    click(f().Button25);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text.substr(0, boxes[0].text.find('\r')), "Is a directory");
    EXPECT_EQ(boxes[0].icon, platform::Icon::Error);
    EXPECT_FALSE(f().GroupBox19.visible());
}

TEST_F(MainWindow, AboutBoxPausesARunningExerciseWhileItIsOpen) {
    startLetterExercise();
    key('a');
    Anzeige statusWhileOpen = Anzeige::KeineMessung;
    bool backEnabledWhileOpen = true;
    platform_.about.whileOpen = [&] {
        statusWhileOpen = s().anzeigestatus;
        backEnabledWhileOpen = f().Button6.enabled();
    };
    click(f().Info2);
    ASSERT_EQ(platform_.about.shown.size(), 1U);
    EXPECT_EQ(platform_.about.shown[0].product, "Clavora");
    EXPECT_EQ(platform_.about.shown[0].picture, directory_ / "about.svg");
    EXPECT_EQ(statusWhileOpen, Anzeige::Pause);
    EXPECT_FALSE(backEnabledWhileOpen);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_TRUE(f().Button6.enabled());
}

TEST_F(MainWindow, AboutBoxEndsAnExaminationWhoseTimeRanOutMeanwhile) {
    s().zeittest = true;
    s().restminuten = 1;
    s().lektionsteil = 1;
    platform_.about.whileOpen = [&] { f().Timer2.onTimer(); };
    f().Image1.onDblClick();
    EXPECT_FALSE(s().zeittest);
    EXPECT_TRUE(f().GroupBox3.showing());
}
