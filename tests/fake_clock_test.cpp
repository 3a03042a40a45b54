#include "platform/fakes/fakes.h"

#include <gtest/gtest.h>

namespace {

using platform::Date;
using platform::fakes::FakeClock;

void expectDate(FakeClock& clock, Date expected) {
    const Date today = clock.today();
    EXPECT_EQ(today.year, expected.year);
    EXPECT_EQ(today.month, expected.month);
    EXPECT_EQ(today.day, expected.day);
    EXPECT_EQ(today.weekday, expected.weekday) << "1 = Sunday";
}

constexpr long long kHourMs = 60LL * 60 * 1000;

TEST(FakeClock, DaysRollOverLeapDaysMonthsAndYearsWithTheirWeekdays) {
    FakeClock clock({2024, 2, 28, 4}, {23, 0, 0, 0});
    clock.advanceMs(2 * kHourMs);
    expectDate(clock, {2024, 2, 29, 5});
    EXPECT_EQ(clock.timeOfDay().hour, 1);
    clock.advanceMs(24 * kHourMs);
    expectDate(clock, {2024, 3, 1, 6});

    const double monotonic = clock.monotonicSeconds();
    clock.setWallClock({2023, 12, 31, 1}, {23, 59, 59, 500});
    EXPECT_EQ(clock.monotonicSeconds(), monotonic);
    expectDate(clock, {2023, 12, 31, 1});
    EXPECT_EQ(clock.timeOfDay().millisecond, 500);
    clock.advanceMs(500);
    expectDate(clock, {2024, 1, 1, 2});
    const auto midnight = clock.timeOfDay();
    EXPECT_EQ(midnight.hour + midnight.minute + midnight.second + midnight.millisecond, 0);
}

} // namespace
