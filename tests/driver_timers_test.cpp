#include "driver_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A driver whose timers are all off and silent until a test sets them up.
class DriverTimers : public DriverTest {
protected:
    DriverTimers() {
        for (form::Control* timer : {&window().Timer1, &window().Timer2}) {
            timer->setEnabled(false);
            timer->onTimer = nullptr;
        }
    }

    std::string run(const std::string& script) { return output(script); }
    double seconds() { return driver_.fakes().clock.monotonicSeconds(); }

    // Buttons that switch a timer on and off, as handlers do.
    void switchWith(form::Control& on, form::Control& off, form::Control& timer) {
        on.onClick = [&timer] { timer.setEnabled(true); };
        off.onClick = [&timer] { timer.setEnabled(false); };
    }
};

TEST_F(DriverTimers, TickAdvancesAQuarterSecondAndFiresTimer1OnlyWhileEnabled) {
    int fired = 0;
    double firedAt = 0;
    window().Timer1.onTimer = [&] {
        ++fired;
        firedAt = seconds();
    };
    window().Timer1.setEnabled(true);
    const double start = seconds();
    EXPECT_EQ(run("tick 4\ntick\n"), "");
    EXPECT_EQ(fired, 5);
    EXPECT_DOUBLE_EQ(firedAt - start, 1.25);

    window().Timer1.setEnabled(false);
    run("tick 2\n");
    EXPECT_EQ(fired, 5);
    EXPECT_DOUBLE_EQ(seconds() - start, 1.75);
}

TEST_F(DriverTimers, TickMovesTheWallClockToo) {
    const auto before = driver_.fakes().clock.timeOfDay();
    run("tick 8\n");
    const auto after = driver_.fakes().clock.timeOfDay();
    EXPECT_EQ((after.second * 1000 + after.millisecond) -
                  (before.second * 1000 + before.millisecond),
              2000);
}

TEST_F(DriverTimers, WaitFiresAMinuteTimerOncePerMinuteOnlyWhileEnabled) {
    form::Control& timer = window().Timer2;
    timer.setInterval(60000);
    int fired = 0;
    timer.onTimer = [&] { ++fired; };
    switchWith(window().Button6, window().Button14, timer);
    const double start = seconds();

    run("wait 30\nclick Button6\nwait 59.5\n");
    EXPECT_EQ(fired, 0) << "the interval starts when the timer is switched on";
    run("wait 0.5\n");
    EXPECT_EQ(fired, 1);
    run("wait 120\n");
    EXPECT_EQ(fired, 3);
    run("click Button14\nwait 600\n");
    EXPECT_EQ(fired, 3);
    EXPECT_DOUBLE_EQ(seconds() - start, 810);
}

TEST_F(DriverTimers, WaitFiresEachTimerAtItsOwnInterval) {
    int fast = 0;
    int slow = 0;
    window().Timer1.setInterval(250);
    window().Timer1.onTimer = [&] { ++fast; };
    window().Timer2.setInterval(60000);
    window().Timer2.onTimer = [&] { ++slow; };
    window().Timer1.setEnabled(true);
    window().Timer2.setEnabled(true);
    run("wait 120\n");
    EXPECT_EQ(fast, 480);
    EXPECT_EQ(slow, 2);
}

TEST_F(DriverTimers, ATimerSwitchedOnByAHandlerCountsFromThatMoment) {
    window().Timer1.setInterval(1000);
    window().Timer2.setInterval(2000);
    int fast = 0;
    std::vector<double> slowAt;
    const double start = seconds();
    window().Timer1.onTimer = [&] {
        if (++fast == 5) {
            window().Timer2.setEnabled(true);
        }
    };
    window().Timer2.onTimer = [&] { slowAt.push_back(seconds() - start); };
    window().Timer1.setEnabled(true);
    run("wait 10\n");
    EXPECT_EQ(fast, 10);
    EXPECT_EQ(slowAt, (std::vector<double>{7, 9}));
}

TEST_F(DriverTimers, ATimerSwitchedOffByItsOwnHandlerStops) {
    window().Timer2.setInterval(1000);
    int fired = 0;
    window().Timer2.onTimer = [&] {
        if (++fired == 3) {
            window().Timer2.setEnabled(false);
        }
    };
    window().Timer2.setEnabled(true);
    run("wait 10\n");
    EXPECT_EQ(fired, 3);
}

TEST_F(DriverTimers, BadTickAndWaitArgumentsAnswerErrors) {
    std::istringstream answers(run("tick many\ntick -1\nwait\nwait -2\nwait soon\n"));
    int errors = 0;
    for (std::string line; std::getline(answers, line); ++errors) {
        EXPECT_EQ(line.rfind(R"({"error":)", 0), 0U) << line;
    }
    EXPECT_EQ(errors, 5);
    EXPECT_DOUBLE_EQ(seconds(), 0);
}

} // namespace
