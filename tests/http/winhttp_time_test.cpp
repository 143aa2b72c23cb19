// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP date headers: the three forms, zones, two-digit years and what is not a date.
#include "http/winhttp_utils.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

DayCount Utc(int year, int month, int day, int hour, int minute, int second) {
    return EncodeDayCount(year, month, day, hour, minute, second, 0);
}

constexpr double kHalfSecond = 0.5 / 86400;

struct DateRow {
    const char* name;
    const char* text;
    DayCount utc; // 0: no date
};

class InternetTime : public ::testing::TestWithParam<DateRow> {};

// The test programs run with TZ=UTC: local time is UTC here.
TEST_P(InternetTime, ReadsTheHeader) {
    EXPECT_NEAR(InternetTimeToDateTime(GetParam().text), GetParam().utc, kHalfSecond)
        << GetParam().text;
}

const DayCount kInstant = Utc(1994, 11, 6, 8, 49, 37);

INSTANTIATE_TEST_SUITE_P(
    Table, InternetTime,
    ::testing::Values(
        DateRow{"Rfc1123", "Sun, 06 Nov 1994 08:49:37 GMT", kInstant},
        DateRow{"Rfc850", "Sunday, 06-Nov-94 08:49:37 GMT", kInstant},
        DateRow{"Asctime", "Sun Nov  6 08:49:37 1994", kInstant},
        DateRow{"AnyLetterCaseAndBlanks", "  sUN,   06 NOV 1994 08:49:37 gmt ", kInstant},
        DateRow{"NoDayNameAndAnEasternZone", "06 Nov 1994 10:00:00 +0100",
                Utc(1994, 11, 6, 9, 0, 0)},
        DateRow{"WesternZone", "Sun, 06 Nov 1994 08:49:37 -0230", Utc(1994, 11, 6, 11, 19, 37)},
        DateRow{"ZoneThatIsNoTime", "Sun, 06 Nov 1994 08:49:37 +2500", kInstant},
        DateRow{"Year79Is2079", "Sat, 01-Jul-79 00:00:00 GMT", Utc(2079, 7, 1, 0, 0, 0)},
        DateRow{"Year80Is1980", "Tue, 01-Jul-80 00:00:00 GMT", Utc(1980, 7, 1, 0, 0, 0)},
        DateRow{"NoTime", "06 Nov 1994", Utc(1994, 11, 6, 0, 0, 0)},
        DateRow{"LeapDay", "Thu, 29 Feb 2024 12:00:00 GMT", Utc(2024, 2, 29, 12, 0, 0)},
        DateRow{"UnknownMonth", "Sun, 06 Nox 1994 08:49:37 GMT", 0},
        DateRow{"NoLeapDay", "Wed, 29 Feb 2023 12:00:00 GMT", 0},
        DateRow{"InvalidTime", "Sun, 06 Nov 1994 24:00:00 +0100", 0}, DateRow{"Empty", "", 0},
        DateRow{"Blank", " \t ", 0}, DateRow{"Words", "no date", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InternetTimeZone, EachDateTakesTheZoneRulesOfItsOwnInstant) {
    test::ScopedEnvironment environment;
    environment.Set("TZ", "Europe/Berlin");
    // Whatever the season of today: summer time in July, standard time in January.
    EXPECT_NEAR(InternetTimeToDateTime("Wed, 15 Jul 2026 12:00:00 GMT"), Utc(2026, 7, 15, 14, 0, 0),
                kHalfSecond);
    EXPECT_NEAR(InternetTimeToDateTime("Thu, 15 Jan 2026 12:00:00 GMT"), Utc(2026, 1, 15, 13, 0, 0),
                kHalfSecond);
    // The last second before the change and the first after it.
    EXPECT_NEAR(GMTToLocalTime(Utc(2026, 3, 29, 0, 59, 59)), Utc(2026, 3, 29, 1, 59, 59),
                kHalfSecond);
    EXPECT_NEAR(GMTToLocalTime(Utc(2026, 3, 29, 1, 0, 0)), Utc(2026, 3, 29, 3, 0, 0), kHalfSecond);
}

} // namespace
} // namespace quelmo
