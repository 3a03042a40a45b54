#include "platform/qt/clock.h"

#include <chrono>
#include <ctime>

namespace platform::qt {
namespace {

struct LocalNow {
    std::tm calendar{};
    int millisecond = 0;
};

// The local time without re-reading the zone file: Qt's current time checks
// the zone on every call, which the four ticks a second would pay for.
LocalNow localNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    LocalNow local;
    localtime_r(&seconds, &local.calendar);
    const auto sinceEpoch =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    local.millisecond = static_cast<int>(sinceEpoch.count() % 1000);
    return local;
}

} // namespace

QtClock::QtClock() {
    started_.start();
}

TimeOfDay QtClock::timeOfDay() {
    const LocalNow now = localNow();
    return {now.calendar.tm_hour, now.calendar.tm_min, now.calendar.tm_sec, now.millisecond};
}

Date QtClock::today() {
    const std::tm day = localNow().calendar;
    // The program counts Sunday 1 .. Saturday 7, as tm_wday + 1 does.
    return {day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, day.tm_wday + 1};
}

double QtClock::monotonicSeconds() {
    return static_cast<double>(started_.nsecsElapsed()) / 1e9;
}

} // namespace platform::qt
