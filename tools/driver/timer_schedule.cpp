#include "driver/timer_schedule.h"

namespace driver {

TimerSchedule::TimerSchedule(std::initializer_list<const form::Form*> windows) {
    for (const form::Form* window : windows) {
        for (form::Control* c : window->controls()) {
            if (c->kind() == form::Kind::Timer) {
                entries_.push_back({c});
            }
        }
    }
}

void TimerSchedule::update(long long nowMs) {
    for (Entry& e : entries_) {
        const bool running = e.timer->enabled() && e.timer->interval() > 0;
        if (!running) {
            e.running = false;
            continue;
        }
        if (!e.running || e.interval != e.timer->interval()) {
            e.running = true;
            e.interval = e.timer->interval();
            e.dueMs = nowMs + e.interval;
        }
    }
}

std::optional<TimerSchedule::Due> TimerSchedule::next(const form::Control* except) const {
    std::optional<Due> first;
    for (const Entry& e : entries_) {
        if (e.running && e.timer != except && (!first || e.dueMs < first->atMs)) {
            first = Due{e.timer, e.dueMs};
        }
    }
    return first;
}

void TimerSchedule::fired(const form::Control& timer, long long nowMs) {
    for (Entry& e : entries_) {
        if (e.timer != &timer || !e.running) {
            continue;
        }
        e.dueMs += e.interval;
        if (e.dueMs <= nowMs) {
            e.dueMs = nowMs + e.interval;
        }
    }
}

} // namespace driver
