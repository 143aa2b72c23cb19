#include "schedule/week_schedule.h"

#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace quelmo {

const std::array<const char*, 7> DayKeys = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

namespace {
// clang-format off
constexpr const char* kWorkday = "0000001100000000000000000000000011111111111111111111111111111111111110000000000000000000000000000";
constexpr const char* kFriday  = "0000001100000000000000000000000011111111111111111111111111111111111000000000000000000000000000000";
constexpr const char* kWeekend = "0000001100000000000000000000000000000000000000000000000000000000000000000000000000000000000000000";
// clang-format on
} // namespace

const std::array<const char*, 7> DefaultDayStrings = {kWorkday, kWorkday, kWorkday, kWorkday,
                                                      kFriday,  kWeekend, kWeekend};

DayCount WallClockNow() {
    const auto utc = platform::CurrentUtc();
    return WallClockAt(utc.seconds, utc.millis);
}

DayCount WallClockAt(std::int64_t utcSeconds, int millis) {
    const auto l = platform::ToLocalFields(utcSeconds);
    return EncodeDayCount(l.year, l.month, l.day, l.hour, l.minute, l.second, millis);
}

double TimeToNextSwitchAt(const WeekTable& week, DayCount now, int state) {
    const int day = DayIndex(now);
    const double f = now - std::trunc(now);
    // Rounded to the millisecond first, so that a time exactly on a whole second counts as that
    // second and not as the one before through the day count's rounding error.
    const long long ms = std::llround(f * 86400000.0);
    const int s = static_cast<int>(std::min<long long>(ms / 1000, 86399));
    int pos = day * SlotsPerDay + s / 600;
    // Whole seconds to each boundary, divided once: a boundary exactly a week away is 7.0.
    int seconds = 600 - s % 600;
    for (int i = 0; i < SlotsPerWeek; ++i) {
        const int cur = week[pos];
        if (++pos == SlotsPerWeek)
            pos = 0;
        if (cur != state && week[pos] == state)
            return seconds / 86400.0;
        seconds += 600;
    }
    return 8.0;
}

void SetDayFromString(WeekTable& week, int day, std::string_view text) {
    for (int k = 0; k < SlotsPerDay; ++k)
        week[day * SlotsPerDay + k] =
            (static_cast<std::size_t>(k) < text.size() && text[k] == '1') ? 1 : 0;
}

std::string DayStringOf(const WeekTable& week, int day) {
    std::string text(SlotsPerDay, '0');
    for (int k = 0; k < SlotsPerDay; ++k)
        if (week[day * SlotsPerDay + k] == 1)
            text[k] = '1';
    return text;
}

} // namespace quelmo
