// SPDX-License-Identifier: GPL-3.0-or-later
// HTTP date headers to local date-times.
#include "http/winhttp_utils.h"
#include "platform/clock.h"
#include "power/ascii_case.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace quelmo {

namespace {

constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithIgnoringAsciiCase(a, b);
}

// An optional sign and decimal digits, nothing else.
std::optional<long> ToInt(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    long value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The text before `separator` (all of it when there is none); removes it, the separator and
// then leading blanks.
std::string_view ReadToken(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view token = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : TrimLeft(text.substr(at + 1));
    return token;
}

int MonthOf(std::string_view token) {
    for (std::size_t i = 0; i < kMonths.size(); ++i)
        if (SameIgnoringCase(token, kMonths[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

bool IsLeap(long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool ValidDate(long year, long month, long day) {
    static constexpr int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= kLength[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
}

// Steps from the day name to the time of day; nothing for an invalid date or time. `text` is
// left where the reading stopped.
std::optional<DayCount> ReadDateAndTime(std::string_view& text) {
    if (text.size() >= 3) {
        for (std::string_view day : kDays) {
            if (SameIgnoringCase(text.substr(0, 3), day)) {
                const std::size_t blank = text.find(' ');
                text = TrimLeft(blank == std::string_view::npos ? text : text.substr(blank + 1));
                break;
            }
        }
    }
    const std::size_t dash = text.find('-');
    const std::size_t blank = text.find(' ');
    const char separator = dash != std::string_view::npos && dash != 0 &&
                                   blank != std::string_view::npos && dash < blank
                               ? '-'
                               : ' ';
    long day = 1;
    int month = 0;
    if (MonthOf(text.substr(0, text.find(separator))) != 0) {
        month = MonthOf(ReadToken(text, separator));
        day = ToInt(ReadToken(text, separator)).value_or(1);
    } else {
        day = ToInt(ReadToken(text, separator)).value_or(1);
        month = MonthOf(ReadToken(text, separator));
    }
    std::string_view yearToken = ReadToken(text, ' ');
    long year = ToInt(yearToken).value_or(1900);
    if (year == 1900) { // the year comes last (asctime)
        year = ToInt(text).value_or(1900);
        std::swap(text, yearToken);
    }
    if (year < 80)
        year += 2000;
    else if (year < 100)
        year += 1900;
    if (!ValidDate(year, month, day))
        return std::nullopt;
    DayCount result =
        EncodeDayCount(static_cast<int>(year), month, static_cast<int>(day), 0, 0, 0, 0);
    if (text.find(':') != std::string_view::npos) {
        std::string_view clock = ReadToken(text, ' ');
        const long hours = ToInt(ReadToken(clock, ':')).value_or(0);
        const long minutes = ToInt(ReadToken(clock, ':')).value_or(0);
        const long seconds = ToInt(clock).value_or(0);
        if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
            return std::nullopt;
        result += ((hours * 60 + minutes) * 60 + seconds) / 86400.0;
    }
    text = TrimLeft(text);
    return result;
}

// "+hhmm" or "-hhmm" east of UTC, in days; 0 for anything else.
DayCount ZoneOffset(std::string_view zone) {
    if (zone.size() != 5 || (zone[0] != '+' && zone[0] != '-'))
        return 0;
    const std::optional<long> hours = ToInt(zone.substr(1, 2));
    const std::optional<long> minutes = ToInt(zone.substr(3, 2));
    if (!hours || !minutes || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59 ||
        zone[1] == '+' || zone[1] == '-' || zone[3] == '+' || zone[3] == '-')
        return 0;
    const DayCount offset = (*hours * 60 + *minutes) / 1440.0;
    return zone[0] == '-' ? -offset : offset;
}

} // namespace

DayCount InternetTimeToDateTime(const std::string& text) {
    std::string_view rest = Trim(text);
    if (rest.empty())
        return 0;
    const std::optional<DayCount> utc = ReadDateAndTime(rest);
    // Nothing to convert: 0 is what an absent date header gives too.
    if (!utc)
        return 0;
    rest = Trim(rest);
    const DayCount offset = rest.size() > 4 ? ZoneOffset(rest.substr(0, 5)) : 0;
    return GMTToLocalTime(*utc - offset);
}

DayCount GMTToLocalTime(DayCount time) {
    // To whole milliseconds first: a day count is rarely exact in binary.
    const double millis = std::round((time - kUnixEpochDay) * 86400000.0);
    if (!(std::fabs(millis) < 1e16)) // beyond any calendar date; also NaN
        return time;
    const auto utcSeconds = static_cast<std::int64_t>(std::floor(millis / 1000.0));
    const platform::LocalFields local = platform::ToLocalFields(utcSeconds);
    const DayCount localDay = EncodeDayCount(local.year, local.month, local.day, local.hour,
                                             local.minute, local.second, 0);
    const DayCount utcDay = kUnixEpochDay + static_cast<double>(utcSeconds) / 86400.0;
    return time + (localDay - utcDay);
}

} // namespace quelmo
