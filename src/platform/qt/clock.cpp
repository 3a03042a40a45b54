#include "platform/qt/clock.h"

#include <QDate>
#include <QTime>

namespace platform::qt {

QtClock::QtClock() {
    started_.start();
}

TimeOfDay QtClock::timeOfDay() {
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute(), now.second(), now.msec()};
}

Date QtClock::today() {
    const QDate date = QDate::currentDate();
    // Qt counts Monday 1 .. Sunday 7; the program counts Sunday 1 .. Saturday 7.
    return {date.year(), date.month(), date.day(), date.dayOfWeek() % 7 + 1};
}

double QtClock::monotonicSeconds() {
    return static_cast<double>(started_.nsecsElapsed()) / 1e9;
}

} // namespace platform::qt
