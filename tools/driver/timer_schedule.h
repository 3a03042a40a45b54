#pragma once

#include "form/form.h"

#include <initializer_list>
#include <optional>
#include <vector>

namespace driver {

// When each Timer control of a window fires next. The driver cannot see a
// handler switch a timer, so it looks after every event: a timer found newly
// enabled, or with a new interval, starts its interval from that moment. A
// timer with interval 0 never fires, as in the window toolkit.
class TimerSchedule {
public:
    explicit TimerSchedule(std::initializer_list<const form::Form*> windows);

    void update(long long nowMs);

    struct Due {
        form::Control* timer;
        long long atMs;
    };
    // The running timer due first (the earlier registered on a tie), if any.
    std::optional<Due> next(const form::Control* except = nullptr) const;

    // After a timer fired at nowMs: its next interval starts from its due
    // time, so a timer keeps its rhythm, but never lies in the past.
    void fired(const form::Control& timer, long long nowMs);

private:
    struct Entry {
        form::Control* timer;
        bool running = false;
        int interval = 0;
        long long dueMs = 0;
    };
    std::vector<Entry> entries_;
};

} // namespace driver
