#include "platform/clock.h"
#include "power/stuff.h"

#include <cmath>

namespace quelmo {

namespace {
// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's days_from_civil).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}
} // namespace

DayCount EncodeDayCount(int year, int month, int day, int hour, int minute, int second,
                        int millis) {
    const double days = static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDay;
    const int ms = ((hour * 60 + minute) * 60 + second) * 1000 + millis;
    return days + ms / 86400000.0;
}

DayCount LocalStandardNow() {
    const auto now = platform::CurrentUtc();
    const std::int64_t local = now.seconds + platform::StandardOffsetEastSeconds();
    return kUnixEpochDay + static_cast<double>(local) / 86400.0 + now.millis / 86400000.0;
}

int DayIndex(DayCount dateTime) {
    // Day 0 (30 December 1899) was a Saturday.
    const long long day = static_cast<long long>(std::floor(dateTime));
    const long long sundayFirst = ((day - 1) % 7 + 7) % 7 + 1; // 1 = Sunday … 7 = Saturday
    static constexpr int kMondayFirst[8] = {0, 6, 0, 1, 2, 3, 4, 5};
    return kMondayFirst[sundayFirst];
}

} // namespace quelmo
