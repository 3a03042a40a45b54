#pragma once

#include "app/program.h"
#include "driver/file_dialog_queue.h"
#include "driver/options.h"
#include "driver/timer_schedule.h"
#include "platform/fakes/fakes.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace driver {

// The whole program on fake services, steered by text commands, one a line.
// A command that reports something answers with exactly one line of JSON;
// the others stay silent, so a script can count its answers.
class Driver {
public:
    // Builds the program and runs its start-up.
    explicit Driver(const Options& options);
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Reads commands until quit, a close the program allows, or the end of
    // input, writing each answer as one line.
    void run(std::istream& in, std::ostream& out);

    // Executes one command line; the JSON answer, or empty when there is none.
    std::string execute(std::string_view line);

    bool finished() const { return finished_; }

    Program& program() { return program_; }
    platform::fakes::FakePlatform& fakes() { return *fakes_; }

private:
    using Command = std::string (Driver::*)(std::string_view arguments);
    static Command commandNamed(std::string_view name);

    std::string key(std::string_view arguments);
    std::string type(std::string_view arguments);
    std::string focus(std::string_view arguments);
    std::string click(std::string_view arguments);
    std::string dblclick(std::string_view arguments);
    std::string set(std::string_view arguments);
    std::string select(std::string_view arguments);
    std::string mouseup(std::string_view arguments);
    std::string tick(std::string_view arguments);
    std::string wait(std::string_view arguments);
    std::string answer(std::string_view arguments);
    std::string dialog(std::string_view arguments);
    std::string get(std::string_view arguments);
    std::string state(std::string_view arguments);
    std::string messages(std::string_view arguments);
    std::string sounds(std::string_view arguments);
    std::string course(std::string_view arguments);
    std::string controls(std::string_view arguments);
    std::string prints(std::string_view arguments);
    // One key through the window, then into the focused text field.
    void press(std::uint8_t byte);
    std::string close(std::string_view arguments);
    std::string quit(std::string_view arguments);

    // Asks the window's close query; a yes ends the driver.
    bool closeWindow();
    form::Control& control(std::string_view name);
    // The modal window of that name; an error unless it is open.
    form::Form& openModal(std::string_view name);
    // Fires every timer due up to targetMs (but `except`) and moves the clock there.
    void runTimersUntil(long long targetMs, const form::Control* except);
    form::Control& usableControl(std::string_view name);
    long long nowMs() const;
    void advanceTo(long long ms);

    std::unique_ptr<platform::fakes::FakePlatform> fakes_;
    FileDialogQueue files_;
    platform::Services services_;
    Program program_;
    TimerSchedule timers_;
    bool finished_ = false;
};

} // namespace driver
