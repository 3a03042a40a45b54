#include "program_fixture.h"
#include "statistics/fehlerdruck.h"

#include <gtest/gtest.h>

namespace {

using platform::Orientation;
using platform::PrintOutcome;

class Printing : public ProgramTest {
protected:
    Printing() {
        platform_.printer.setWindowSize([this] { return std::pair(f().width(), f().height()); });
    }
    void tableFromExtras() {
        click(f().Button22);
        click(f().Button26);
    }
    std::vector<platform::fakes::FakePrinter::Job> jobs() { return platform_.printer.take(); }
};

TEST_F(Printing, TheFaultTableIsPrintedLineByLineInCourierAndTheBufferEmptiedAgain) {
    s().lektionsfehlerquoten[3][2] = 5; // lesson 2: the Extras view recomputes only lesson 1
    s().lektionsfehlerquoten[6][2] = 100;
    s().buchstabenuebungbestanden[2] = true;
    s().wortuebungbestanden[2] = true;
    tableFromExtras();
    click(f().BitBtn7);
    const auto printed = jobs();
    ASSERT_EQ(printed.size(), 1U);
    const auto& job = printed[0];
    EXPECT_EQ(job.title, "\"Clavora\" fault statistics");
    EXPECT_EQ(job.font, (form::FontSpec{"Courier New", 10, 0}));
    ASSERT_EQ(job.lines.size(), 16U);
    EXPECT_EQ(job.lines[0], "Fault statistics of the lessons 1 - 16 [%]");
    EXPECT_EQ(job.lines[2], "\tStudent: TESTER");
    EXPECT_EQ(job.lines[4].substr(0, 31), "Lesson                   1   2 ");
    EXPECT_EQ(job.lines[7].substr(0, 35), "left middle finger     ---   5 --- ");
    EXPECT_EQ(job.lines[10].substr(0, 31), "right small finger     --- 100 ");
    for (std::size_t row = 4; row < 14; ++row) {
        EXPECT_EQ(job.lines[row].size(), 87U) << row;
    }
    EXPECT_EQ(job.lines[14], "");
    EXPECT_EQ(job.lines[15], "5.1.2026");
    EXPECT_TRUE(f().RichEdit2.richText().empty());
    EXPECT_EQ(platform_.messages.take().back().text, "Print fault statistics?");
}

TEST_F(Printing, LandscapeFromThePrinterSetupPrintsInFourteenPointAndNoPrintsNothing) {
    tableFromExtras();
    platform_.printer.setupAnswers.emplace_back(Orientation::Landscape);
    click(f().BitBtn8);
    click(f().BitBtn7);
    auto printed = jobs();
    ASSERT_EQ(printed.size(), 1U);
    EXPECT_EQ(printed[0].font.size, 14);
    EXPECT_EQ(printed[0].orientation, Orientation::Landscape);
    platform_.printer.setupAnswers.emplace_back(); // a cancelled setup changes nothing
    click(f().BitBtn8);
    platform_.messages.queue(platform::Answer::No);
    click(f().BitBtn7);
    EXPECT_TRUE(jobs().empty());
    EXPECT_EQ(platform_.printer.orientation(), Orientation::Landscape);
}

TEST_F(Printing, ALongNameIsCutAtFiftyFourCharactersOfTheStudentLine) {
    const std::string name(45, 'N');
    s().benutzername = name; // the longest name the name box takes
    tableFromExtras();
    click(f().BitBtn7);
    const auto printed = jobs();
    ASSERT_EQ(printed.size(), 1U);
    EXPECT_EQ(printed[0].lines[2], "\tStudent: " + name.substr(0, 44));
}

TEST_F(Printing, PrintScreenPausesForItsQuestionAndPrintsTheWindowOnOnePage) {
    startLetterExercise();
    key('a');
    click(f().Button14);
    const auto before = s().anzeigestatus;
    click(f().Bildschirmausdrucken1);
    EXPECT_EQ(s().anzeigestatus, before);
    EXPECT_EQ(f().Button15.caption(), "Pause");
    const auto printed = jobs();
    ASSERT_EQ(printed.size(), 1U);
    EXPECT_EQ(printed[0].imageWidth, f().width());
    EXPECT_EQ(printed[0].imageHeight, f().height());
    const auto boxes = platform_.messages.take();
    EXPECT_EQ(boxes.back().text, "Do you want to print the screen?");

    platform_.messages.queue(platform::Answer::No);
    click(f().Bildschirmausdrucken1);
    EXPECT_TRUE(jobs().empty());
    platform_.printer.setupAnswers.emplace_back(Orientation::Portrait);
    click(f().Druckereinrichten1);
    EXPECT_TRUE(platform_.printer.setupAnswers.empty());
    EXPECT_EQ(s().anzeigestatus, before);
}

TEST_F(Printing, AFailedJobSaysWhyAndAPdfSaysWhereAndTheExerciseIsUntouched) {
    startLetterExercise();
    key('a');
    const auto anschlaege = s().anschlaegeBuchstaben;
    platform_.printer.failWith = "The printer vanished.";
    click(f().Bildschirmausdrucken1);
    auto boxes = platform_.messages.take();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().icon, platform::Icon::Error);
    EXPECT_EQ(boxes.back().text, "The screen could not be printed:\r\rThe printer vanished.");
    EXPECT_EQ(s().anschlaegeBuchstaben, anschlaege);
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);

    druckergebnisMelden(c(), {PrintOutcome::Kind::SavedAsPdf, "/home/a/stats.pdf", {}},
                        "The fault statistics");
    boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_NE(boxes[0].text.find("/home/a/stats.pdf"), std::string::npos);
    druckergebnisMelden(c(), {PrintOutcome::Kind::Cancelled, {}, {}}, "x");
    EXPECT_TRUE(platform_.messages.take().empty());
}

TEST_F(Printing, EachStudyAimPresetSetsTheTargetItsTrackBarAndItsLabel) {
    EXPECT_EQ(f().GroupBox2.popupMenu, &f().PopupMenu8);
    const std::vector<std::pair<form::Control*, int>> tempo = {
        {&f().Anpm2, 60}, {&f().N801, 80}, {&f().N1001, 100}, {&f().N1201, 120}, {&f().N1401, 140}};
    for (const auto& [item, value] : tempo) {
        click(*item);
        EXPECT_EQ(s().wunschanschlaege, value);
        EXPECT_EQ(f().TrackBar1.position(), value);
        EXPECT_EQ(f().Label1.caption(), "Keystrokes per minute: " + std::to_string(value));
    }
    const std::vector<std::pair<form::Control*, int>> quote = {
        {&f().N01, 0}, {&f().N101, 1}, {&f().N201, 2}, {&f().N31, 3}};
    for (const auto& [item, value] : quote) {
        click(*item);
        EXPECT_FLOAT_EQ(s().wunschfehlerquote, static_cast<float>(value));
        EXPECT_EQ(f().TrackBar2.position(), value * 10);
        EXPECT_EQ(f().Label2.caption(), "Highest fault rate: " + std::to_string(value) + ".0 %");
    }
    EXPECT_EQ(f().Label91.caption(), "Time in minutes");
    EXPECT_EQ(f().Label91.parent(), &f().GroupBox13);
}

} // namespace
