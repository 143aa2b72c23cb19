// The week table's text form and the time to the next switch.
#include "schedule/week_schedule.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quelmo {
namespace {

constexpr double kSec = 1.0 / 86400;

// The table the tests fill, and the schedule's functions on it.
WeekTable WeekSchedule{};
double TimeToNextSwitchAt(DayCount now, int state) {
    return quelmo::TimeToNextSwitchAt(WeekSchedule, now, state);
}
void SetDayFromString(int day, std::string_view text) {
    quelmo::SetDayFromString(WeekSchedule, day, text);
}
std::string DayStringOf(int day) {
    return quelmo::DayStringOf(WeekSchedule, day);
}

// 2026-12-07 is a Monday.
DayCount Monday(int hour, int minute, int second) {
    return EncodeDayCount(2026, 12, 7, hour, minute, second, 0);
}
DayCount OnDay(int dayIndex, int hour, int minute, int second) {
    return Monday(hour, minute, second) + dayIndex;
}
void Fill(std::uint8_t value) {
    WeekSchedule.fill(value);
}
void SetSlot(int day, int slot, std::uint8_t value) {
    WeekSchedule[day * 144 + slot] = value;
}

TEST(DayIndexTest, MondayFirst) {
    EXPECT_EQ(DayIndex(Monday(12, 0, 0)), 0);
    EXPECT_EQ(DayIndex(OnDay(1, 0, 0, 0)), 1);
    EXPECT_EQ(DayIndex(OnDay(6, 23, 59, 59)), 6);
    EXPECT_EQ(DayIndex(OnDay(7, 0, 0, 0)), 0);
    EXPECT_EQ(DayIndex(0.0), 5); // 30 December 1899 was a Saturday
}

TEST(TimeToNextSwitchTest, NoBoundaryInAWeekGivesEight) {
    Fill(1);
    EXPECT_EQ(TimeToNextSwitchAt(Monday(9, 0, 0), 0), 8.0);
    EXPECT_EQ(TimeToNextSwitchAt(Monday(9, 0, 0), 1), 8.0);
    Fill(0);
    EXPECT_EQ(TimeToNextSwitchAt(Monday(9, 0, 0), 0), 8.0);
    EXPECT_EQ(TimeToNextSwitchAt(Monday(9, 0, 0), 1), 8.0);
}

TEST(TimeToNextSwitchTest, JustBeforeABoundary) {
    Fill(1);
    SetSlot(1, 61, 0); // Tuesday 10:10–10:20 off
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(1, 10, 3, 20), 0), 400 * kSec);
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(1, 10, 9, 59), 0), 1 * kSec);
    // The millisecond part is dropped, never rounded up into the next second.
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(1, 10, 9, 59) + 0.999 / 86400, 0), 1 * kSec);
}

TEST(TimeToNextSwitchTest, OnABoundaryTheNextOneIsReported) {
    Fill(0);
    SetSlot(1, 61, 1); // 10:10–10:20 on, 10:20 off again
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(1, 10, 10, 0), 0), 600 * kSec);
    // At 10:20:00 the boundary into off is the present one: next week's, a week ahead, counts.
    EXPECT_EQ(TimeToNextSwitchAt(OnDay(1, 10, 20, 0), 0), 7.0);
}

TEST(TimeToNextSwitchTest, WrapsFromSundayToMonday) {
    Fill(1);
    SetSlot(6, 143, 0);
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(6, 23, 55, 0), 1), 300 * kSec);
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(OnDay(6, 23, 49, 0), 0), 60 * kSec);
}

TEST(TimeToNextSwitchTest, OnlyOffSlotIsTheCurrentOne) {
    Fill(1);
    SetSlot(2, 30, 0); // Wednesday 05:00–05:10
    const double r = TimeToNextSwitchAt(OnDay(2, 5, 4, 0), 0);
    EXPECT_DOUBLE_EQ(r, 360 * kSec + 1007.0 / 144);
    EXPECT_LT(r, 7.0);
    // Exactly at the start of that slot the answer is a whole week.
    EXPECT_EQ(TimeToNextSwitchAt(OnDay(2, 5, 0, 0), 0), 7.0);
}

TEST(TimeToNextSwitchTest, NeverZeroAndWithinAWeek) {
    for (int i = 0; i < 1008; ++i)
        WeekSchedule[i] = static_cast<std::uint8_t>((i * 7919) % 3 == 0);
    for (int minute = 0; minute < 7 * 1440; minute += 37) {
        const DayCount now = Monday(0, 0, 0) + minute / 1440.0;
        for (int state : {0, 1}) {
            const double r = TimeToNextSwitchAt(now, state);
            EXPECT_GT(r, 0.0);
            EXPECT_LE(r, 7.0);
        }
    }
}

TEST(TimeToNextSwitchTest, ReadsTheClock) {
    setenv("TZ", "Europe/Berlin", 1);
    test::TestClock clock;
    clock.SetLocal(2026, 7, 7, 10, 5, 0); // a Tuesday in summer time
    Fill(1);
    SetSlot(1, 61, 0);
    EXPECT_DOUBLE_EQ(TimeToNextSwitchAt(WallClockNow(), 0), 300 * kSec);
    setenv("TZ", "UTC", 1);
}

TEST(DayStringTest, ReadingAndWritingRules) {
    Fill(1);
    SetDayFromString(0, DefaultDayStrings[0]);
    const std::string monday = DayStringOf(0);
    ASSERT_EQ(monday.size(), 144u);
    EXPECT_EQ(monday.substr(0, 97), DefaultDayStrings[0]);
    EXPECT_EQ(monday.substr(97), std::string(47, '0'));

    SetDayFromString(1, "1x1 1" + std::string(200, '1'));
    EXPECT_EQ(DayStringOf(1), "10101" + std::string(139, '1'));
    EXPECT_EQ(WeekSchedule[2 * 144], 1) << "the next day is untouched";
}

TEST(DayStringTest, DefaultsAsBuiltIn) {
    for (const char* s : DefaultDayStrings)
        EXPECT_EQ(std::string(s).size(), 97u);
    SetDayFromString(0, DefaultDayStrings[0]);
    SetDayFromString(4, DefaultDayStrings[4]);
    SetDayFromString(5, DefaultDayStrings[5]);
    auto onSlots = [](int day) {
        std::string on;
        for (int k = 0; k < 144; ++k)
            if (WeekSchedule[day * 144 + k])
                on += std::to_string(k) + " ";
        return on;
    };
    std::string monday = "6 7 ";
    for (int k = 32; k <= 68; ++k)
        monday += std::to_string(k) + " ";
    std::string friday = "6 7 ";
    for (int k = 32; k <= 66; ++k)
        friday += std::to_string(k) + " ";
    EXPECT_EQ(onSlots(0), monday);
    EXPECT_EQ(onSlots(4), friday);
    EXPECT_EQ(onSlots(5), "6 7 ");
    EXPECT_EQ(std::vector<std::string>(DayKeys.begin(), DayKeys.end()),
              (std::vector<std::string>{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}));
}

} // namespace
} // namespace quelmo
