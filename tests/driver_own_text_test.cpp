#include "driver_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class DriverOwnText : public DriverTest {
protected:
    DriverOwnText() {
        directory_.write("Texts/walk.TXT", "Go on,\r\n\r\n\x93so\x94\r\n");
        for (const char* command : {"focus ComboBox1", "type anna", "key #13", "click Button28",
                                    "dialog open Texts/walk.TXT", "click BitBtn4"}) {
            driver_.execute(command);
        }
    }
    std::string run(const std::string& command) { return driver_.execute(command); }
};

} // namespace

TEST_F(DriverOwnText, ALearnerTypesAWindowsTextThroughWithAFaultUnderForcedCorrection) {
    EXPECT_TRUE(contains(run("get Label22"), "Rows: 3   Length: 10   Encoding: Windows-1252"));
    run("key #13");
    run("click button40"); // Settings in the middle of the text
    run("tick");           // the clock shows the correction mode in the box
    run("set RadioButton19 1");
    run("click button40");
    EXPECT_TRUE(contains(run("get Label75"), "\"caption\":\"Row 1 from 3\""));
    run("type Go m");
    EXPECT_TRUE(contains(run("get Label26"), "\"caption\":\"Faults: 1\""));
    run("type on,");
    EXPECT_TRUE(contains(run("get Panel2"), "\"visible\":true"));
    run("key x");
    EXPECT_TRUE(contains(run("get Label26"), "\"caption\":\"Errors: 2\""));
    run("key #13");
    EXPECT_TRUE(contains(run("get Label75"), "\"caption\":\"Row 2 from 3\""));
    run("key #13");
    run("type \"so\"");
    EXPECT_EQ(run("messages"), "[]");
    run("key #13");
    const std::string boxes = run("messages");
    EXPECT_TRUE(contains(boxes, "\"caption\":\"End of text\"")) << boxes;
    const std::string memo = run("get Memo4");
    EXPECT_TRUE(contains(memo, "Faults: 2")) << memo;
    EXPECT_TRUE(contains(run("state"), "\"eigenetexteaktiv\":false"));
}

TEST_F(DriverOwnText, CountOnlyMovesOnAndRestartCountsAgainFromZero) {
    run("click BitBtn5");
    run("click button40");
    run("tick");
    run("set RadioButton20 1");
    run("click button40");
    run("type Gx");
    EXPECT_TRUE(contains(run("state"), "\"textzeichenposition\":3"));
    EXPECT_TRUE(contains(run("get Label27"), "Fault rate: 33.33 %"));
    run("click button34");
    const std::string state = run("state");
    EXPECT_TRUE(contains(state, "\"fehlerText\":0")) << state;
    EXPECT_TRUE(contains(state, "\"anschlaegeText\":1")) << state;
    EXPECT_TRUE(contains(run("get Label26"), "\"caption\":\"Faults: 0\""));
}
