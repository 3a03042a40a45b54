#include "exercises/texttasten.h"
#include "measurement/messung.h"
#include "program_fixture.h"
#include "text/textdatei.h"

#include <fstream>

namespace {

class OwnTextExercise : public ProgramTest {
public:
    std::filesystem::path texts() { return directory_ / "Texts"; }
    // Loads a text into the preview as a learner does: Extras, "Practise text".
    void load(const std::string& content, const std::string& name = "text.TXT") {
        directory_.write(std::filesystem::path("Texts") / name, content);
        click(f().Button28);
        platform_.files.openAnswers.push_back(texts() / name);
        click(f().BitBtn4);
    }
    void start(const std::string& content) {
        load(content);
        key(13); // Enter presses the preview's default button, "Start"
    }
    void type(std::string_view keys) {
        for (const char k : keys) {
            key(static_cast<std::uint8_t>(k));
        }
    }
    int faultSounds() {
        int count = 0;
        for (const auto& e : platform_.sound.take()) {
            count += e.file.find("Error.wav") != std::string::npos ? 1 : 0;
        }
        return count;
    }
    std::string readBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

} // namespace

TEST_F(OwnTextExercise, EnterOnThePreviewStartsTheFirstLineWithItsFirstCharacterLit) {
    load("ab\ncd\n");
    EXPECT_TRUE(f().BitBtn5.enabled());
    EXPECT_EQ(f().defaultButton(), &f().BitBtn5);
    key(13);
    EXPECT_TRUE(s().eigenetexteaktiv);
    EXPECT_TRUE(f().GroupBox26.showing());
    EXPECT_FALSE(f().GroupBox25.showing());
    EXPECT_FALSE(f().GroupBox24.showing());
    EXPECT_TRUE(f().Panel4.showing());
    EXPECT_TRUE(f().GroupBox5.showing());
    EXPECT_EQ(f().GroupBox5.geometry().top, static_cast<int>(768 / 2.6));
    EXPECT_EQ(f().Label75.caption(), "Row 1 from 2");
    EXPECT_TRUE(f().RadioButton5.checked());
    EXPECT_FALSE(f().RadioButton2.checked());
    EXPECT_EQ(f().Memo4.lines(), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(f().Memo4.selStart(), 0);
    EXPECT_EQ(f().Memo4.selLength(), 1);
    EXPECT_EQ(s().anschlaegeText, 1) << "the start counts as the first keystroke";
    EXPECT_EQ(s().textzeichenposition, 1);
    EXPECT_EQ(s().tastenzeichen, 'a');
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_EQ(f().Label26.caption(), "Faults: 0");
}

TEST_F(OwnTextExercise, AOneLineTextEndsWithTheSummaryAndTheMessage) {
    start("ab");
    key('a');
    EXPECT_EQ(f().Label24.caption(), "Keystrokes: 1");
    EXPECT_FALSE(f().Panel2.visible());
    key('b');
    EXPECT_TRUE(f().Panel2.visible()) << "the line is typed: Enter is asked for";
    EXPECT_EQ(f().Panel2.hint(), "Please press <ENTER>.");
    EXPECT_EQ(s().tastenzeichen, 13);
    key(13);
    EXPECT_FALSE(s().eigenetexteaktiv);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].caption, "End of text");
    EXPECT_EQ(boxes[0].text, "\rYou have reached the end of the text!\r");
    const auto& summary = f().Memo4.lines();
    ASSERT_EQ(summary.size(), 5U);
    EXPECT_EQ(summary[0], "You have reached the end of the text!");
    EXPECT_EQ(summary[1], "");
    EXPECT_EQ(summary[2].rfind("Keystrokes per minute: ", 0), 0U);
    EXPECT_EQ(summary[3], "Faults: 0");
    EXPECT_EQ(summary[4], "Fault rate:  0.00 %");
    EXPECT_TRUE(f().GroupBox3.showing()) << "back on the main screen";
    EXPECT_FALSE(f().GroupBox26.showing());
    EXPECT_TRUE(f().Start1.enabled());
    key(13);
    EXPECT_TRUE(platform_.messages.take().empty()) << "Enter afterwards starts nothing";
}

TEST_F(OwnTextExercise, ForcedCorrectionCountsARepeatedFaultOnceAndNoWrongKeystroke) {
    s().korrekturerzwingen = true;
    s().fehlerton = true;
    installSounds();
    start("ab\n");
    type("xxa");
    EXPECT_EQ(s().fehlerText, 1);
    EXPECT_EQ(s().anschlaegeText, 2) << "the start and the a";
    EXPECT_EQ(s().textzeichenposition, 2);
    EXPECT_EQ(s().tastenzeichen, 'b');
    EXPECT_EQ(f().Label26.caption(), "Faults: 1");
    EXPECT_EQ(faultSounds(), 2) << "each wrong key sounds";
    key('x');
    EXPECT_EQ(f().Memo4.selStart(), 1) << "b stays selected";
    EXPECT_EQ(s().fehlerText, 2);
    EXPECT_EQ(f().Label27.caption(),
              "Fault rate: " + messung::festkomma(100.0 / (2.0 / 2), 5, 2) + " %");
}

TEST_F(OwnTextExercise, CountOnlyCountsTheWrongKeyAndMovesOn) {
    s().korrekturerzwingen = false;
    s().fehlerton = true; // no "Error.wav" in the program directory: the beep
    start("abc\n");
    key('x');
    const auto sounds = platform_.sound.take();
    ASSERT_EQ(sounds.size(), 2U);
    EXPECT_TRUE(sounds[0].synchronous);
    EXPECT_FALSE(sounds[0].played);
    EXPECT_EQ(sounds[1].kind, "beep");
    EXPECT_EQ(s().fehlerText, 1);
    EXPECT_EQ(s().anschlaegeText, 2);
    EXPECT_EQ(s().tastenzeichen, 'b');
    EXPECT_EQ(f().Memo4.selStart(), 1);
    key('y');
    EXPECT_EQ(s().fehlerText, 2) << "every wrong key counts";
    EXPECT_EQ(f().Label27.caption(), "Fault rate: 66.67 %");
    s().wunschfehlerquote = 3.5F;
    key('c');
    EXPECT_EQ(f().Label27.fontColor(), form::colours::red);
}

TEST_F(OwnTextExercise, AtALineEndOnlyEnterGoesOnAndOtherKeysCountOneError) {
    start("ab\ncd\n");
    type("ab");
    const auto strokes = s().anschlaegeText;
    key('x');
    EXPECT_EQ(f().Label26.caption(), "Errors: 1");
    EXPECT_EQ(f().Label75.caption(), "Row 2 from 2");
    key(' ');
    EXPECT_EQ(s().fehlerText, 1) << "a second wrong key there adds nothing";
    EXPECT_EQ(s().anschlaegeText, strokes);
    EXPECT_TRUE(f().Panel2.visible());
    key(13);
    EXPECT_FALSE(f().Panel2.visible());
    EXPECT_EQ(s().textzeile, 1);
    EXPECT_EQ(f().Memo4.lines().front(), "cd") << "the typed line leaves the top";
    EXPECT_EQ(f().Memo4.selStart(), 0);
    EXPECT_EQ(s().tastenzeichen, 'c');
    key('c');
    EXPECT_EQ(s().fehlerText, 1);
    EXPECT_FALSE(s().letzterfehler);
}

TEST_F(OwnTextExercise, AnEmptyLineAsksOnlyForEnter) {
    start("a\n\nb\n");
    type("a\r");
    EXPECT_EQ(s().textzeile, 1);
    EXPECT_EQ(s().tastenzeichen, 13);
    EXPECT_TRUE(f().Panel2.visible());
    key('b');
    EXPECT_EQ(s().fehlerText, 1);
    EXPECT_EQ(s().textzeile, 1);
    key(13);
    EXPECT_EQ(s().textzeile, 2);
    EXPECT_EQ(s().tastenzeichen, 'b');
    type("b\r");
    EXPECT_FALSE(s().eigenetexteaktiv);
    EXPECT_EQ(f().Memo4.lines()[3], "Faults: 1");
}

TEST_F(OwnTextExercise, RestartGoesBackToTheFirstLineAndCountsFromZero) {
    start("ab\ncd\nef\n");
    type("ab\rcx");
    platform_.clock.advanceMs(5000);
    tick();
    click(f().button34);
    EXPECT_EQ(f().Label75.caption(), "Row 1 from 3");
    EXPECT_EQ(s().textzeile, 0);
    EXPECT_EQ(s().fehlerText, 0);
    EXPECT_EQ(s().anschlaegeText, 1);
    EXPECT_EQ(f().Label26.caption(), "Faults: 0");
    EXPECT_EQ(f().Memo4.lines().size(), 3U);
    EXPECT_EQ(s().tastenzeichen, 'a');
    EXPECT_EQ(s().pausensekunden, 0);
}

TEST_F(OwnTextExercise, SettingsStopTheClockButKeysAreStillJudged) {
    start("abcdef\n");
    key('a');
    tick();
    click(f().button40);
    EXPECT_TRUE(s().texteinstellungenoffen);
    EXPECT_EQ(f().button40.caption(), "Go on!");
    EXPECT_EQ(s().statusvoreinstellungen, Anzeige::Tastatur);
    EXPECT_EQ(s().anzeigestatus, Anzeige::KeineMessung);
    EXPECT_TRUE(f().GroupBox1.showing());
    EXPECT_FALSE(f().button34.enabled());
    EXPECT_FALSE(f().Button41.enabled());
    EXPECT_FALSE(f().CheckBox2.enabled());
    key('b');
    EXPECT_EQ(s().tastenzeichen, 'c');
    platform_.clock.advanceMs(10000);
    click(f().button40);
    EXPECT_EQ(f().button40.caption(), "Settings");
    EXPECT_EQ(s().anzeigestatus, Anzeige::Tastatur);
    EXPECT_TRUE(f().GroupBox5.showing());
    EXPECT_TRUE(f().button34.enabled());
    EXPECT_GE(s().pausensekunden, 10);
    click(f().Button35);
    EXPECT_FALSE(s().texteinstellungenoffen) << "leaving closes the box";
    EXPECT_FALSE(f().GroupBox1.showing());
}

TEST_F(OwnTextExercise, PauseAndAClickIntoTheTextKeepTheKeysGoing) {
    start("abc\n");
    key('a');
    click(f().Memo4);
    EXPECT_TRUE(s().pausiert);
    EXPECT_EQ(f().Button41.caption(), "Go on!");
    EXPECT_EQ(f().Memo4.selStart(), 1);
    key('b');
    EXPECT_EQ(s().tastenzeichen, 'c');
    click(f().Button41);
    EXPECT_FALSE(s().pausiert);
}

TEST_F(OwnTextExercise, TypographicCharactersAreTypedByTheirKeysAndOthersPassedOver) {
    s().korrekturerzwingen = true;
    // "Hi" in curly quotes, an en dash, an ellipsis, a dagger and a tab.
    start("\x93Hi\x94 \x96 ok\x85\n\x86x\ty\n");
    EXPECT_EQ(f().Memo4.lines()[0], "\x93Hi\x94 \x96 ok...");
    EXPECT_EQ(s().tastenzeichen, '"');
    type("\"Hi\" - ok...");
    EXPECT_EQ(s().fehlerText, 0);
    EXPECT_TRUE(f().Panel2.visible());
    key(13);
    EXPECT_EQ(s().textzeichenposition, 2) << "the dagger is passed over";
    EXPECT_EQ(f().Memo4.selStart(), 1);
    const auto strokes = s().anschlaegeText;
    type("xy");
    EXPECT_EQ(s().anschlaegeText, strokes + 2) << "the tab is neither a keystroke nor a fault";
    EXPECT_EQ(s().fehlerText, 0);
    key(13);
    EXPECT_FALSE(s().eigenetexteaktiv);
}

TEST(TextKeys, EveryLayoutTypesTheKeyboardEquivalents) {
    for (std::uint8_t layout = 0; layout < 4; ++layout) {
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 0x93), '"') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 0x92), '\'') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 0x97), '-') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 0xA0), ' ') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 'a'), 'a') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 'Z'), 'Z') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, '.'), '.') << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, 0x86), 0) << int(layout);
        EXPECT_EQ(exercises::tastenzeichenFuer(layout, '\t'), 0) << int(layout);
    }
    EXPECT_EQ(exercises::uebungszeile("so\x85"), "so...");
}

TEST_F(OwnTextExercise, ATextWithNothingToTypeIsRefusedWithAMessage) {
    for (const char* text : {"", "\n\n\n", "\t\x86\n"}) {
        load(text);
        key(13);
        EXPECT_FALSE(s().eigenetexteaktiv);
        const auto boxes = platform_.messages.take();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text.rfind("This text has nothing to type.", 0), 0U);
        EXPECT_TRUE(f().GroupBox25.showing()) << "the preview stays";
    }
}

TEST_F(OwnTextExercise, ATextThatVanishesAfterThePreviewIsStillPractised) {
    load("ab\n");
    std::filesystem::remove(texts() / "text.TXT");
    click(f().BitBtn5);
    EXPECT_TRUE(s().eigenetexteaktiv);
    type("ab\r");
    EXPECT_FALSE(s().eigenetexteaktiv);
}

TEST_F(OwnTextExercise, LinesOfAnyLengthAndMoreThan65535KeystrokesCount) {
    const std::string line(70000, 'a');
    start(line + "\nb\n");
    for (int i = 0; i < 69999; ++i) {
        key('a');
    }
    EXPECT_EQ(s().textzeichenposition, 70000);
    EXPECT_EQ(f().Memo4.selStart(), 69999);
    EXPECT_EQ(s().tastenzeichen, 'a');
    key('a');
    EXPECT_TRUE(f().Panel2.visible());
    type("\rb\r");
    EXPECT_EQ(f().Memo4.lines()[3], "Faults: 0");
    EXPECT_EQ(s().anschlaegeText, 70004);
}

TEST_F(OwnTextExercise, ThePreviewNamesTheEncodingAndSavingKeepsIt) {
    load("caf\xC3\xA9 \xE2\x80\x9Cja\xE2\x80\x9D\n", "utf8.TXT");
    EXPECT_EQ(f().Label22.caption(), "Rows: 1   Length: 9   Encoding: UTF-8");
    EXPECT_EQ(f().Memo3.lines(), (std::vector<std::string>{"caf\xE9 \x93ja\x94"}));
    load("caf\xE9\r\n", "ansi.TXT");
    EXPECT_EQ(f().Label22.caption(), "Rows: 1   Length: 4   Encoding: Windows-1252");
    EXPECT_EQ(f().Memo3.lines(), (std::vector<std::string>{"caf\xE9"}));

    for (const char* name : {"utf8.TXT", "ansi.TXT"}) {
        platform_.files.openAnswers.push_back(texts() / name);
        click(f().Button33);
        f().Memo3.setLines({f().Memo3.lines()[0] + "!"});
        f().Memo3.onChange();
        click(f().BitBtn6);
    }
    EXPECT_EQ(readBytes(texts() / "utf8.TXT"), "caf\xC3\xA9 \xE2\x80\x9Cja\xE2\x80\x9D!\n");
    EXPECT_EQ(readBytes(texts() / "ansi.TXT"), "caf\xE9!\n");

    click(f().Button30);
    f().Memo3.setLines({"neu \xE9"});
    f().Memo3.onChange();
    platform_.files.saveAnswers.push_back(texts() / "new.TXT");
    click(f().BitBtn6);
    EXPECT_EQ(readBytes(texts() / "new.TXT"), "neu \xC3\xA9\n") << "a new text is UTF-8";
}

TEST_F(OwnTextExercise, SignInGivesTheEditorTheOwnTextFontToo) {
    EXPECT_FALSE(s().schriftText.empty());
    const form::FontSpec font{s().schriftText, s().schriftgroesseText, s().schriftstilText};
    EXPECT_EQ(f().Memo3.font(), font);
    EXPECT_EQ(f().Memo4.font(), font);
}

TEST_F(OwnTextExercise, TheRowDisplayAndTheFaultPanelLabelHaveTheirOwnNames) {
    EXPECT_EQ(f().find("Label75")->parent(), &f().GroupBox26);
    EXPECT_EQ(f().find("Label77")->parent(), &f().GroupBox14);
    EXPECT_EQ(f().Label77.caption(), "0 %");
}

TEST(OwnTextFile, LineEndsOfEverySystemSplitTheLinesAlike) {
    using Lines = std::vector<std::string>;
    for (const char* bytes : {"a\nb\n", "a\r\nb\r\n", "a\rb\r", "a\rb", "a\r\nb"}) {
        const auto read = text::textAusBytes(bytes);
        ASSERT_TRUE(read.inhalt) << bytes;
        EXPECT_EQ(read.inhalt->zeilen, (Lines{"a", "b"})) << bytes;
    }
    EXPECT_EQ(text::textAusBytes("a\n\n\nb").inhalt->zeilen, (Lines{"a", "", "", "b"}));
    EXPECT_EQ(text::textAusBytes("a\r\r\nb").inhalt->zeilen, (Lines{"a", "", "b"}));
    EXPECT_TRUE(text::textAusBytes("").inhalt->zeilen.empty());
}

TEST(OwnTextFile, UTF8IsRecognisedAndEverythingElseIsWindows1252) {
    const auto utf8 =
        text::textAusBytes("\xEF\xBB\xBFgr\xC3\xBC\xC3\x9F \xE2\x80\x94 \xE2\x88\x92 \xE4\xB8\xAD");
    ASSERT_TRUE(utf8.inhalt);
    EXPECT_EQ(utf8.inhalt->kodierung, text::Kodierung::Utf8);
    EXPECT_TRUE(utf8.inhalt->bom);
    EXPECT_EQ(utf8.inhalt->zeilen[0], "gr\xFC\xDF \x97 - ?")
        << "a minus becomes its key, a sign no key has '?'";
    EXPECT_EQ(utf8.inhalt->ersetzt, 1);

    const auto ansi = text::textAusBytes("gr\xFC\xDF \x93x\x94");
    EXPECT_EQ(ansi.inhalt->kodierung, text::Kodierung::Windows1252);
    EXPECT_FALSE(ansi.inhalt->bom);
    EXPECT_EQ(ansi.inhalt->zeilen[0], "gr\xFC\xDF \x93x\x94");
}

TEST(OwnTextFile, ProgramsAndPicturesAreNoText) {
    EXPECT_FALSE(text::textAusBytes(std::string("ab\0cd", 5)).inhalt);
    std::string binary;
    for (int i = 0; i < 400; ++i) {
        binary += static_cast<char>(1 + (i * 37) % 255);
    }
    const auto read = text::textAusBytes(binary);
    EXPECT_FALSE(read.inhalt);
    EXPECT_EQ(read.fehler, "The file is no text file.");
    EXPECT_TRUE(text::textAusBytes("tab\tand form feed\f are text\n").inhalt);
}

TEST_F(OwnTextExercise, ChangingATextWithSignsTheEditorCannotKeepWarnsFirst) {
    directory_.write("Texts/han.TXT", "zh \xE4\xB8\xAD\n");
    platform_.files.openAnswers.push_back(texts() / "han.TXT");
    click(f().Button33);
    const auto boxes = platform_.messages.take();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].icon, platform::Icon::Warning);
    EXPECT_EQ(f().Memo3.lines(), (std::vector<std::string>{"zh ?"}));
    load("zh \xE4\xB8\xAD\n", "han2.TXT");
    EXPECT_TRUE(platform_.messages.take().empty()) << "practising it changes nothing";
}

TEST_F(OwnTextExercise, TheRowDisplayStopsAtTheLastRowAndNoSpeedShowsBeforeTheFirstKey) {
    start("ab\ncd\n");
    platform_.clock.advanceMs(20000);
    tick();
    EXPECT_EQ(s().anpm, 0) << "the start alone is no typing";
    EXPECT_EQ(f().Label25.fontColor(), form::colours::black);
    type("ab\rcd");
    EXPECT_EQ(f().Label75.caption(), "Row 2 from 2");
    key('x');
    EXPECT_EQ(f().Label75.caption(), "Row 2 from 2");
}

TEST(OwnTextFile, SavingWritesTheTextBackAsItWasRead) {
    const TemporaryDirectory directory;
    const std::vector<std::string> lines = {"gr\xFC\xDF", "\x93ja\x94"};
    for (const bool bom : {false, true}) {
        for (const auto kodierung : {text::Kodierung::Utf8, text::Kodierung::Windows1252}) {
            const auto file = directory / "round.TXT";
            ASSERT_EQ(text::textSchreiben(file, lines, kodierung, bom), "");
            const auto read = text::textLesen(file);
            ASSERT_TRUE(read.inhalt);
            EXPECT_EQ(read.inhalt->zeilen, lines);
            EXPECT_EQ(read.inhalt->kodierung, kodierung);
            EXPECT_EQ(read.inhalt->bom, bom && kodierung == text::Kodierung::Utf8);
        }
    }
}
