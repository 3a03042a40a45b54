#include "program_fixture.h"
#include "statistics/ergebnisfenster.h"

#include <gtest/gtest.h>

namespace {

// A one-minute examination from "1 L", typed with faults until time is up.
class ResultsWindow : public ProgramTest {
protected:
    void examinationRunsOut() {
        f().ScrollBar3.setPosition(1);
        click(f().BitBtn9);
        key('x'); // the starting keystroke
        for (int i = 0; i < 30; ++i) {
            const char erwartet = f().Edit2.text()[s().wortzeichenposition - 1];
            key(static_cast<std::uint8_t>(i % 5 == 0 ? '#' : erwartet));
        }
        platform_.clock.advanceMs(60'000);
        f().Timer2.onTimer();
        tick();
    }
    form::TForm2& r() { return program_.results(); }
    void timerTicks(int count) {
        for (int i = 0; i < count; ++i) {
            r().Timer1.onTimer();
        }
    }
};

TEST_F(ResultsWindow, TheExaminationEndsInTheResultsWindowWithFaultsRateAndBars) {
    examinationRunsOut();
    ASSERT_EQ(platform_.forms.open(), &r());
    EXPECT_EQ(r().caption(), "Results");
    EXPECT_FALSE(s().zeittest);
    EXPECT_FALSE(f().Timer1.enabled()) << "no tick while the window is open";
    EXPECT_FALSE(f().Timer2.enabled());
    EXPECT_EQ(r().Label3.caption(), "Faults: " + std::to_string(s().fehlerText));
    EXPECT_GT(s().fehlerText, 0);
    EXPECT_EQ(r().Label4.caption().rfind("Fault rate: ", 0), 0U);
    EXPECT_EQ(r().GroupBox14.caption(), "Fault statistics lesson 1");
    EXPECT_EQ(r().Label51.caption().rfind("Little finger: ", 0), 0U);
    EXPECT_EQ(r().Label55.caption().rfind("Small finger: ", 0), 0U);
    EXPECT_EQ(r().Label59.caption().rfind("Thumb: ", 0), 0U);
    EXPECT_EQ(r().ProgressBar2.max(), 25) << "the learner's scale does not apply";
    EXPECT_EQ(r().ProgressBar6.max(), 100);
}

TEST_F(ResultsWindow, OkWaitsForTheFifthSecondOfTheFirstShowingThenReturnsToOneL) {
    examinationRunsOut();
    EXPECT_FALSE(r().Button1.enabled());
    EXPECT_TRUE(r().Timer1.enabled());
    timerTicks(4);
    EXPECT_FALSE(r().Button1.enabled());
    timerTicks(1);
    EXPECT_TRUE(r().Button1.enabled());
    EXPECT_FALSE(r().Timer1.enabled());

    click(r().Button1);
    EXPECT_EQ(platform_.forms.open(), nullptr);
    EXPECT_EQ(s().lektionsteil, 0);
    EXPECT_TRUE(f().GroupBox3.showing()) << "the main screen";
    EXPECT_TRUE(f().Timer1.enabled());
    tick();
    EXPECT_EQ(f().Edit4.text(), "1 L");
}

TEST_F(ResultsWindow, ALaterShowingInTheSameRunHasOkAtOnce) {
    examinationRunsOut();
    timerTicks(5);
    click(r().Button1);
    examinationRunsOut();
    ASSERT_EQ(platform_.forms.open(), &r());
    EXPECT_TRUE(r().Button1.enabled());
    timerTicks(1);
    EXPECT_FALSE(r().Timer1.enabled());
}

TEST_F(ResultsWindow, AFingerAboveTheScaleFillsItsBarAndTheRateHasTwoDecimals) {
    s().fehlerText = 7;
    s().fehlerquote = 3.456;
    s().fingerfehlerquoten[1] = 40;
    s().fingerfehlerquoten[5] = 40;
    ergebnisfenster::FormPaint(c());
    EXPECT_EQ(r().Label3.caption(), "Faults: 7");
    EXPECT_EQ(r().Label4.caption(), "Fault rate:  3.46 %");
    EXPECT_EQ(r().ProgressBar2.position(), 40); // shown full against its maximum of 25
    EXPECT_EQ(r().ProgressBar6.position(), 40);
}

} // namespace

#include "driver_fixture.h"

namespace {

class ResultsWindowDriver : public DriverTest {};

TEST_F(ResultsWindowDriver, TheOpenResultsWindowIsTForm2AndItsTimerRunsWithTickAndWait) {
    output("focus ComboBox1\ntype anna\nkey #13\nclick Button22\nset ScrollBar3 1\n"
           "click BitBtn9\nkey x\nkey a\nwait 60\ntick\n");
    const auto* results = &driver_.program().results();
    ASSERT_EQ(driver_.fakes().forms.open(), results);
    EXPECT_NE(driver_.execute("get TForm2").find(R"("caption":"Results")"), std::string::npos);
    EXPECT_NE(driver_.execute("get TForm2.Button1").find(R"("enabled":false)"), std::string::npos);
    EXPECT_NE(driver_.execute("click TForm2.Button1").find("disabled"), std::string::npos);
    EXPECT_NE(driver_.execute("click Button22").find("TForm2 is open"), std::string::npos)
        << "the main window takes no input meanwhile";
    driver_.execute("tick 16"); // four seconds
    EXPECT_NE(driver_.execute("get TForm2.Button1").find(R"("enabled":false)"), std::string::npos);
    driver_.execute("wait 1");
    EXPECT_NE(driver_.execute("get TForm2.Button1").find(R"("enabled":true)"), std::string::npos);
    EXPECT_NE(driver_.execute("get TForm2.Label3").find(R"("caption":"Faults: )"),
              std::string::npos);
    EXPECT_EQ(driver_.execute("click TForm2.Button1"), "");
    EXPECT_EQ(driver_.fakes().forms.open(), nullptr);
    EXPECT_EQ(driver_.execute("get TForm2"), R"({"error":"TForm2 is not open"})");
    EXPECT_NE(driver_.execute("get TForm2.Label3").find("not open"), std::string::npos);
    driver_.execute("tick");
    EXPECT_NE(driver_.execute("get Edit4").find(R"("text":"1 L")"), std::string::npos);
}

} // namespace
