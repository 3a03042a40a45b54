#include "driver_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A driver on a fresh, empty program directory.
class DriverCommands : public DriverTest {
protected:
    // The answers of a script, one per line.
    std::vector<std::string> run(const std::string& script) {
        std::vector<std::string> lines;
        std::istringstream answers(output(script));
        for (std::string line; std::getline(answers, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    platform::Services& services() { return driver_.program().context().svc; }
};

TEST_F(DriverCommands, UnknownCommandAnswersAnErrorAndTheDriverGoesOn) {
    const auto lines = run("bogus 1 2\nget Label24\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], R"({"error":"unknown command 'bogus'"})");
    EXPECT_TRUE(contains(lines[1], R"("name":"Label24")"));
}

TEST_F(DriverCommands, UnknownControlAnswersAnErrorForEveryCommandThatNamesOne) {
    const auto lines = run("get Nope\nclick Nope\ndblclick Nope\nset Nope 1\nselect Nope 0\n"
                           "mouseup Nope 1 1\nfocus Nope\n");
    ASSERT_EQ(lines.size(), 7U);
    for (const auto& line : lines) {
        EXPECT_EQ(line, R"({"error":"unknown control 'Nope'"})");
    }
}

TEST_F(DriverCommands, SilentCommandsCommentsAndBlankLinesPrintNothing) {
    int clicks = 0;
    window().Button6.onClick = [&] { ++clicks; };
    window().Button7.onClick = nullptr;
    const auto lines = run("# a comment\n\n   \r\nclick Button6\nclick Button7\nkey a\ntype ab c\n"
                           "answer Yes\ndialog cancel\nfocus Edit2\nquit\nget Label24\n");
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(driver_.finished());
}

TEST_F(DriverCommands, DisabledControlsAndTheirContentsRefuseClicks) {
    int clicks = 0;
    window().Button6.onClick = [&] { ++clicks; };
    window().Exit1.onClick = [&] { ++clicks; };
    window().Button6.setEnabled(false);
    window().File1.setEnabled(false);
    auto lines = run("click Button6\ndblclick Button6\nclick Exit1\n");
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], R"({"error":"Button6 is disabled"})");
    EXPECT_EQ(lines[1], R"({"error":"Button6 is disabled"})");
    EXPECT_EQ(lines[2], R"({"error":"Exit1 is disabled"})");

    window().Button6.setEnabled(true);
    window().BoxBuchstabenuebung.setEnabled(false);
    lines = run("click Button6\nset TrackBar1 5\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0], R"({"error":"Button6 is disabled"})");
    EXPECT_EQ(clicks, 0);
}

TEST_F(DriverCommands, GetGivesEveryCommonKeyWithColoursAsIntegers) {
    form::Control& label = window().Label24;
    label.setColor(form::rgb(0x12, 0x34, 0x56));
    label.setFontColor(form::colours::red);
    label.setFont({"Courier New", 13, 3});
    label.setGeometry({1, 2, 30, 40});
    label.setHint("tip");
    const auto lines = run("get Label24\n");
    ASSERT_EQ(lines.size(), 1U);
    const std::string& json = lines[0];
    EXPECT_TRUE(contains(json, R"({"name":"Label24","kind":"Label","visible":true,)"));
    EXPECT_TRUE(contains(json, R"("color":5649426,"fontColor":255,)"));
    EXPECT_TRUE(contains(json, R"("fontName":"Courier New","fontSize":13,"fontStyle":3,)"));
    const form::Geometry panel = window().Panel4.geometry();
    EXPECT_TRUE(contains(json, R"("left":1,"top":2,"width":30,"height":40,"parent":"Panel4",)" +
                                   std::string(R"("windowLeft":)") +
                                   std::to_string(panel.left + 1) + R"(,"windowTop":)" +
                                   std::to_string(panel.top + 2)));
    for (const char* key :
         {"\"showing\":", "\"enabled\":", "\"caption\":", "\"text\":", "\"hint\":\"tip\""}) {
        EXPECT_TRUE(contains(json, key)) << key;
    }
    for (const char* key : {"position", "checked", "items", "lines", "bevel", "interval"}) {
        EXPECT_FALSE(contains(json, std::string("\"") + key + "\"")) << key;
    }
}

TEST_F(DriverCommands, ControlsNamesEveryControlOnceAndTopLevelOnesHaveNoParent) {
    const auto lines = run("controls\nget GroupBox3\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].rfind(R"(["Label5","ComboBox1","GroupBox3",)", 0), 0U);
    std::size_t names = 0;
    for (std::size_t at = lines[0].find('"'); at != std::string::npos;
         at = lines[0].find('"', lines[0].find('"', at + 1) + 1)) {
        ++names;
    }
    EXPECT_EQ(names, window().controls().size());
    EXPECT_TRUE(contains(lines[1], R"("parent":null,)"));
}

TEST_F(DriverCommands, GetAddsTheKeysOfEachKind) {
    window().Timer2.setInterval(60000);
    window().Panel66.setBevel(form::BevelStyle::Lowered);
    window().ComboBox1.setItems({"anna", "bert"});
    window().Memo4.setLines({"one", "two"});
    window().Edit2.setSelStart(3);
    const auto lines = run("get TrackBar1\nget CheckBox1\nget ComboBox1\nget Memo4\nget Edit2\n"
                           "get Panel66\nget Timer2\nget Exit1\n");
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_TRUE(contains(lines[0], R"("position":)") && contains(lines[0], R"("min":)") &&
                contains(lines[0], R"("max":)"));
    EXPECT_TRUE(contains(lines[1], R"("checked":)"));
    EXPECT_TRUE(contains(lines[2], R"("items":["anna","bert"])"));
    EXPECT_TRUE(contains(lines[2], R"("itemIndex":)") && contains(lines[2], R"("maxLength":)"));
    EXPECT_TRUE(contains(lines[3], R"("lines":["one","two"])"));
    EXPECT_TRUE(contains(lines[3], R"("selStart":)") && contains(lines[3], R"("readOnly":)"));
    EXPECT_TRUE(contains(lines[4], R"("selStart":3,"selLength":0,)"));
    EXPECT_TRUE(contains(lines[5], R"("bevel":"lowered")"));
    EXPECT_TRUE(contains(lines[6], R"("interval":60000)"));
    EXPECT_TRUE(contains(lines[7], R"("kind":"MenuItem")") && contains(lines[7], R"("checked":)"));
}

TEST_F(DriverCommands, ShowingFollowsEveryParentWhileVisibleIsTheControlsOwn) {
    window().Panel66.hide();
    window().Label36.show();
    auto lines = run("get Label36\n");
    EXPECT_TRUE(contains(lines.at(0), R"("visible":true,"showing":false,)"));
    window().Panel66.show();
    lines = run("get Label36\n");
    EXPECT_TRUE(contains(lines.at(0), R"("visible":true,"showing":true,)"));
}

TEST_F(DriverCommands, GetOfTheWindowGivesItsCaptionAndSize) {
    window().setCaption("Gr\xFC\xDF"
                        "e");
    const auto lines = run("get Tform1\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(contains(lines[0], "\"caption\":\"Grüße\""));
    EXPECT_TRUE(contains(lines[0], "\"width\":" + std::to_string(window().width()) + ","));
    EXPECT_TRUE(contains(lines[0], "\"height\":" + std::to_string(window().height())));
}

TEST_F(DriverCommands, TextsAreConvertedToUtf8AndEscaped) {
    window().Label24.setCaption("\xF6\x80 \"q\" back\\slash\r\n\t\x01");
    const auto lines = run("get Label24\n");
    EXPECT_TRUE(contains(lines.at(0), R"("caption":"ö€ \"q\" back\\slash\r\n\t\u0001")"));
}

TEST_F(DriverCommands, SetClampsSliderPositionsAndFiresOnChange) {
    form::Control& bar = window().TrackBar1;
    bar.setMin(10);
    bar.setMax(50);
    std::vector<int> seen;
    bar.onChange = [&] { seen.push_back(bar.position()); };
    window().ScrollBar1.setMin(1);
    window().ScrollBar1.setMax(16);
    window().ScrollBar1.onChange = nullptr;
    // 99 is kept at 50, where the bar already is: no move, no onChange.
    const auto lines = run("set TrackBar1 500\nset TrackBar1 99\nset TrackBar1 -3\n"
                           "set TrackBar1 25\nset TrackBar1 lots\nset ScrollBar1 0\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(contains(lines[0], "error"));
    EXPECT_EQ(seen, (std::vector<int>{50, 10, 25}));
    EXPECT_EQ(window().ScrollBar1.position(), 1);
}

TEST_F(DriverCommands, SetWritesTextsInWindows1252AndFiresOnChange) {
    std::string seen;
    window().Edit2.onChange = [&] { seen = window().Edit2.text(); };
    window().Memo4.onChange = nullptr;
    window().Edit5.setMaxLength(3);
    window().Edit5.onChange = nullptr;
    const auto lines = run("set Edit2 Gr\xC3\xBC\xC3\x9F"
                           "e mit Blank\nset Memo4 one\\ntwo\\n\n"
                           "set Edit5 abcdef\nset Edit2 \xE4\xB8\xAD\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(contains(lines[0], "no Windows-1252 byte"));
    EXPECT_EQ(seen, "Gr\xFC\xDF"
                    "e mit Blank");
    EXPECT_EQ(window().Memo4.lines(), (std::vector<std::string>{"one", "two", ""}));
    EXPECT_EQ(window().Edit5.text(), "abc");
    EXPECT_EQ(window().Edit5.selStart(), 3); // the caret after what was typed
}

TEST_F(DriverCommands, SetRefusesControlsWithoutAnInputValue) {
    const auto lines = run("set Label24 hello\nset CheckBox1 2\nset RadioButton20 0\n");
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], R"({"error":"cannot set Label24, a Label"})");
    EXPECT_TRUE(contains(lines[1], "wants 0 or 1"));
    EXPECT_TRUE(contains(lines[2], "switched off by checking another"));
}

TEST_F(DriverCommands, SetOfACheckBoxOrRadioButtonChecksIt) {
    int changes = 0;
    window().CheckBox2.onChange = [&] { ++changes; };
    window().RadioButton20.onChange = [&] { ++changes; };
    window().CheckBox2.setChecked(false);
    window().RadioButton19.setChecked(true);
    window().RadioButton20.setChecked(false);
    EXPECT_TRUE(run("set CheckBox2 1\nset RadioButton20 1\n").empty());
    EXPECT_TRUE(window().CheckBox2.checked());
    EXPECT_TRUE(window().RadioButton20.checked());
    EXPECT_FALSE(window().RadioButton19.checked());
    EXPECT_EQ(changes, 2);
}

TEST_F(DriverCommands, SelectPicksAComboBoxItemAndFiresOnChange) {
    form::Control& box = window().ComboBox1;
    box.setEnabled(true);
    box.setItems({"anna", "bert"});
    std::string seen;
    box.onChange = [&] { seen = std::to_string(box.itemIndex()) + box.text(); };
    const auto lines = run("select ComboBox1 1\nselect ComboBox1 2\nselect Label24 0\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], R"({"error":"ComboBox1 has no item 2"})");
    EXPECT_TRUE(contains(lines[1], "cannot select in Label24"));
    EXPECT_EQ(seen, "1bert");
}

TEST_F(DriverCommands, RadioClickChecksItAndUnchecksOnlyItsRadioSiblingsBeforeOnClick) {
    window().RadioButton19.setChecked(true);
    window().RadioButton1.setChecked(true);
    bool checkedInHandler = false;
    bool siblingInHandler = true;
    window().RadioButton20.onClick = [&] {
        checkedInHandler = window().RadioButton20.checked();
        siblingInHandler = window().RadioButton19.checked();
    };
    EXPECT_TRUE(run("click RadioButton20\n").empty());
    EXPECT_TRUE(checkedInHandler);
    EXPECT_FALSE(siblingInHandler);
    EXPECT_TRUE(window().RadioButton1.checked());
}

// As in the window: the box toggles, then onChange, then onClick. Setting the
// value the box already shows is no click at all.
TEST_F(DriverCommands, CheckBoxClickAndSetToggleBeforeOnChangeThenOnClick) {
    form::Control& box = window().CheckBox1;
    box.setChecked(false);
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back("change " + std::to_string(box.checked())); };
    box.onClick = [&] { seen.push_back("click " + std::to_string(box.checked())); };
    run("click CheckBox1\nclick CheckBox1\nset CheckBox1 0\nset CheckBox1 1\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"change 1", "click 1", "change 0", "click 0",
                                              "change 1", "click 1"}));
}

TEST_F(DriverCommands, MouseUpPassesColumnAndRow) {
    std::pair<int, int> seen;
    window().Panel3.onMouseUp = [&](int col, int row) { seen = {col, row}; };
    const auto lines = run("mouseup Panel3 4 7\nmouseup Panel3 4\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(contains(lines[0], "mouseup wants NAME COL ROW"));
    EXPECT_EQ(seen, (std::pair<int, int>{4, 7}));
}

TEST_F(DriverCommands, KeysBecomeOneWindows1252Byte) {
    std::vector<int> keys;
    window().onKeyPress = [&](std::uint8_t& key) { keys.push_back(key); };
    const auto lines =
        run("key \xC3\xB6\nkey \xE2\x82\xAC\nkey #13\nkey #8\nkey  \nkey #\n"
            "type a \xC3\x9F\nkey #256\nkey \xE4\xB8\xAD\nkey ab\ntype x\xE4\xB8\xAD\n");
    ASSERT_EQ(lines.size(), 4U);
    for (const auto& line : lines) {
        EXPECT_TRUE(contains(line, "error")) << line;
    }
    EXPECT_EQ(keys, (std::vector<int>{0xF6, 0x80, 13, 8, ' ', '#', 'a', ' ', 0xDF}));
}

TEST_F(DriverCommands, KeyPreviewMaySwallowAKeyBeforeTheFocusedControl) {
    window().onKeyPress = [](std::uint8_t& key) {
        if (key == 'x') {
            key = 0;
        }
    };
    std::string reached;
    window().Edit2.onKeyPress = [&](std::uint8_t& key) { reached += static_cast<char>(key); };
    run("focus Edit2\ntype xyx z\n");
    EXPECT_EQ(window().focused(), &window().Edit2);
    EXPECT_EQ(reached, "y z");
}

TEST_F(DriverCommands, AnswersAreQueuedForTheNextMessageBoxesAndMessagesDrain) {
    std::vector<Answer> answers;
    window().Button6.onClick = [&] {
        answers.push_back(services().messages.show("Frage", "Wirklich l\xF6schen?", Icon::Question,
                                                   Buttons::YesNo));
    };
    const auto lines = run("answer no CANCEL\nanswer maybe\nclick Button6\nclick Button6\n"
                           "click Button6\nmessages\nmessages\n");
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_TRUE(contains(lines[0], "'maybe' is not"));
    EXPECT_EQ(answers, (std::vector<Answer>{Answer::No, Answer::Cancel, Answer::Yes}));
    EXPECT_TRUE(contains(lines[1], R"([{"caption":"Frage","text":"Wirklich löschen?",)"
                                   R"("icon":"question","buttons":"yesno","answer":"No"},)"));
    EXPECT_TRUE(contains(lines[1], R"("answer":"Yes"}])"));
    EXPECT_EQ(lines[2], "[]");
}

TEST_F(DriverCommands, SoundsDrainOnEachCall) {
    window().Button6.onClick = [&] {
        services().sound.beep();
        services().sound.play(directory_ / "Error.wav", true);
    };
    const auto lines = run("click Button6\nsounds\nsounds\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], R"([{"kind":"beep","file":"","synchronous":false,"played":true},)"
                        R"({"kind":"play","file":"Error.wav","synchronous":true,"played":false}])");
    EXPECT_EQ(lines[1], "[]");
}

TEST_F(DriverCommands, FileDialogAnswersAreTakenInOrderAndACancelStopsEitherKind) {
    const auto lines = run("dialog open Texts/a.txt\ndialog cancel\ndialog save /tmp/b.txt\n"
                           "dialog open\n");
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_TRUE(contains(lines[0], "dialog open wants a path"));
    auto& files = services().files;
    EXPECT_EQ(files.save(directory_.path(), "*.txt"), std::nullopt);
    EXPECT_EQ(files.save(directory_.path(), "*.txt"), std::filesystem::path("/tmp/b.txt"));
    EXPECT_EQ(files.open(directory_.path(), "*.txt"), directory_ / "Texts/a.txt");
    EXPECT_EQ(files.open(directory_.path(), "*.txt"), std::nullopt);
}

TEST_F(DriverCommands, FontAndColourDialogAnswersAreQueued) {
    const auto lines = run("dialog font Courier New 12 bold italic\ndialog font Arial 10 1\n"
                           "dialog font cancel\ndialog font Arial\ndialog colour #102030\n"
                           "dialog colour cancel\ndialog colour red\ndialog printer\n");
    ASSERT_EQ(lines.size(), 3U);
    for (const auto& line : lines) {
        EXPECT_TRUE(contains(line, "error")) << line;
    }
    auto& fonts = services().fonts;
    EXPECT_EQ(fonts.choose({}), (form::FontSpec{"Courier New", 12, 3}));
    EXPECT_EQ(fonts.choose({}), (form::FontSpec{"Arial", 10, 1}));
    EXPECT_EQ(fonts.choose({}), std::nullopt);
    auto& colours = services().colours;
    EXPECT_EQ(colours.choose(0), form::Colour{0x302010});
    EXPECT_EQ(colours.choose(0), std::nullopt);
}

TEST_F(DriverCommands, CloseAsksTheWindowAndEndsOnlyWhenAllowed) {
    bool allow = false;
    window().onCloseQuery = [&] { return allow; };
    window().Button6.onClick = [&] { allow = true; };
    const auto lines = run("close\nclick Button6\nclose\nget Label24\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], R"({"closed":false})");
    EXPECT_EQ(lines[1], R"({"closed":true})");
    EXPECT_TRUE(driver_.finished());
}

TEST_F(DriverCommands, AHandlerAskingToCloseTheWindowEndsTheDriver) {
    window().onCloseQuery = [] { return true; };
    window().Button6.onClick = [&] { window().requestClose(); };
    EXPECT_TRUE(run("click Button6\nget Label24\n").empty());
    EXPECT_TRUE(driver_.finished());
}

TEST_F(DriverCommands, AFailingHandlerAnswersAnErrorAndTheDriverGoesOn) {
    window().Button6.onClick = [] { throw std::runtime_error("boom"); };
    const auto lines = run("click Button6\nget Label24\n");
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], R"({"error":"click failed: boom"})");
}

} // namespace
