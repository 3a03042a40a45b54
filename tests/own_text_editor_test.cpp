#include "program_fixture.h"
#include "text/textdatei.h"

#include <fstream>

namespace {

class OwnTextEditor : public ProgramTest {
public:
    std::filesystem::path texts() { return directory_ / "Texts"; }
    void writeFile(const std::string& name, const std::string& content) {
        directory_.write(std::filesystem::path("Texts") / name, content);
    }
    std::string readFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

} // namespace

TEST(TextFile, CountsRowsAndAtMost120CharactersOfEach) {
    EXPECT_EQ(text::textZaehlen({"0123456789", "", "abcde"}).laenge, 15);
    EXPECT_EQ(text::textZaehlen({"0123456789", "", "abcde"}).zeilen, 3);
    EXPECT_EQ(text::textZaehlen({std::string(200, 'x')}).laenge, 120);
    EXPECT_EQ(text::textZaehlen({}).zeilen, 1);
}

TEST_F(OwnTextEditor, LoadingShowsThePreviewWithItsCounts) {
    writeFile("walk.TXT", "0123456789\r\n\r\nabcde\r\n");
    click(f().Button28);
    EXPECT_TRUE(f().GroupBox24.showing());
    platform_.files.openAnswers.push_back(texts() / "walk.TXT");
    click(f().BitBtn4);
    EXPECT_EQ(f().Label22.caption(), "Rows: 3   Length: 15   Encoding: UTF-8");
    EXPECT_EQ(f().Memo3.lines(), (std::vector<std::string>{"0123456789", "", "abcde"}));
    EXPECT_TRUE(f().Memo3.readOnly());
    EXPECT_EQ(f().GroupBox25.caption(), "Preview exercise text:");
    EXPECT_FALSE(f().Start1.enabled());
    click(f().Button31);
    EXPECT_TRUE(f().GroupBox3.showing());
    EXPECT_TRUE(f().Start1.enabled());
}

TEST_F(OwnTextEditor, ABinaryOrHugeFileIsRefusedWithAMessage) {
    writeFile("picture.TXT", std::string("GIF89a\0\0\1", 9));
    writeFile("huge.TXT", std::string(2 * 1024 * 1024, 'a'));
    for (const char* name : {"picture.TXT", "huge.TXT"}) {
        platform_.files.openAnswers.push_back(texts() / name);
        click(f().BitBtn4);
        const auto boxes = platform_.messages.take();
        ASSERT_EQ(boxes.size(), 1U) << name;
        EXPECT_EQ(boxes[0].icon, platform::Icon::Error);
        EXPECT_TRUE(f().Memo3.lines().empty());
    }
}

TEST_F(OwnTextEditor, ANewTextIsSavedAndAnExistingNameIsProtected) {
    click(f().Button28);
    click(f().Button30);
    EXPECT_EQ(f().BitBtn6.caption(), "Save text");
    EXPECT_FALSE(f().Memo3.readOnly());
    f().Memo3.setLines({"my own text"});
    f().Memo3.onChange();
    EXPECT_TRUE(f().BitBtn6.enabled());
    platform_.files.saveAnswers.push_back(texts() / "mine");
    click(f().BitBtn6);
    EXPECT_EQ(readFile(texts() / "mine.TXT"), "my own text\n");
    EXPECT_FALSE(f().BitBtn6.enabled());

    f().Memo3.setLines({"other"});
    f().Memo3.onChange();
    platform_.files.saveAnswers.push_back(texts() / "mine.TXT");
    platform_.messages.queue(platform::Answer::No);
    click(f().BitBtn6);
    EXPECT_EQ(readFile(texts() / "mine.TXT"), "my own text\n") << "No writes nothing";
    EXPECT_FALSE(f().BitBtn6.enabled()) << "and clears the marker all the same";
}

TEST_F(OwnTextEditor, UnsavedChangesAreOfferedBeforeTheyAreReplacedOrLeft) {
    writeFile("a.TXT", "first\n");
    platform_.files.openAnswers.push_back(texts() / "a.TXT");
    click(f().Button28);
    click(f().Button33);
    EXPECT_EQ(f().BitBtn6.caption(), "Save changes");
    f().Memo3.setLines({"first", "second"});
    f().Memo3.onChange();
    platform_.messages.queue(platform::Answer::Yes);
    click(f().Button31);
    EXPECT_EQ(readFile(texts() / "a.TXT"), "first\nsecond\n");
    EXPECT_EQ(platform_.messages.take().front().text, "Do you want to save your changes?");
}

TEST_F(OwnTextEditor, ANewTextAfterChangingOneAsksForItsOwnName) {
    writeFile("a.TXT", "first\n");
    platform_.files.openAnswers.push_back(texts() / "a.TXT");
    click(f().Button28);
    click(f().Button33);
    click(f().Button30);
    f().BitBtn6.setCaption("Save changes");
    f().Memo3.setLines({"new"});
    f().Memo3.onChange();
    platform_.files.saveAnswers.push_back(texts() / "b.TXT");
    click(f().BitBtn6);
    EXPECT_EQ(readFile(texts() / "a.TXT"), "first\n");
    EXPECT_EQ(readFile(texts() / "b.TXT"), "new\n");
}

TEST_F(OwnTextEditor, CancellingThePracticeDialogLoadsTheTextLastSavedAsNew) {
    click(f().Button28);
    click(f().Button30);
    f().Memo3.setLines({"saved"});
    f().Memo3.onChange();
    platform_.files.saveAnswers.push_back(texts() / "new.TXT");
    click(f().BitBtn6);
    click(f().BitBtn4);
    EXPECT_EQ(f().Memo3.lines(), std::vector<std::string>{"saved"});
    EXPECT_EQ(f().Label22.caption(), "Rows: 1   Length: 5   Encoding: UTF-8");
}

TEST_F(OwnTextEditor, FontSizeCyclesOnAWideScreen) {
    s().schriftgroesseText = 14;
    for (const int expected : {17, 20, 14}) {
        click(f().SpeedButton3);
        EXPECT_EQ(s().schriftgroesseText, expected);
    }
    EXPECT_EQ(f().Memo3.font().size, 14);
}

TEST_F(OwnTextEditor, ClosingOffersToSaveAnUnsavedText) {
    click(f().Button28);
    click(f().Button30);
    f().Memo3.setLines({"not lost"});
    f().Memo3.onChange();
    platform_.files.saveAnswers.push_back(texts() / "kept.TXT");
    platform_.messages.queue(platform::Answer::Yes); // save
    platform_.messages.queue(platform::Answer::No);  // and stay
    EXPECT_FALSE(f().onCloseQuery());
    EXPECT_EQ(readFile(texts() / "kept.TXT"), "not lost\n");
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes[0].text, "Do you want to save your changes?");
    EXPECT_EQ(boxes[1].text, "Abort \"Clavora\"?");
}
