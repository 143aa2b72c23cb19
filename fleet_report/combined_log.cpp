#include "fleet_report/combined_log.h"

#include <array>
#include <charconv>
#include <cstring>

namespace quelmo::fleet {

namespace {

constexpr std::string_view kReportPath = "/Quelmo/setup/QuelmoV.php";

// The value of `count` decimal digits, or -1 when one of them is not a digit.
int FixedDigits(const char* text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i]) - '0';
        if (digit > 9)
            return -1;
        value = value * 10 + static_cast<int>(digit);
    }
    return value;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[static_cast<std::size_t>(month - 1)];
}

std::optional<long long> Count(std::string_view text) {
    long long value = 0;
    if (text.empty())
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value < 0 ? std::nullopt : std::optional<long long>(value);
}

std::optional<std::uint32_t> DeviceDigits(std::string_view text) {
    std::uint32_t value = 0;
    if (text.size() != 8)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 8, value, 16);
    if (error != std::errc() || end != text.data() + 8)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int64_t> ParseLogTime(std::string_view t) {
    // dd/Mon/yyyy:HH:mm:ss +zzzz
    if (t.size() != 26 || t[2] != '/' || t[6] != '/' || t[11] != ':' || t[14] != ':' ||
        t[17] != ':' || t[20] != ' ' || (t[21] != '+' && t[21] != '-'))
        return std::nullopt;
    // A log's lines share their date and zone for a day: the last ones are remembered.
    struct Day {
        char text[11 + 6];
        std::int64_t start = 0;
        bool valid = false;
    };
    thread_local Day last;
    const auto sameDay = [&] {
        return last.valid && std::memcmp(t.data(), last.text, 11) == 0 &&
               std::memcmp(t.data() + 20, last.text + 11, 6) == 0;
    };
    if (!sameDay()) {
        static constexpr std::array<std::string_view, 12> months = {
            "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        int month = 0;
        for (std::size_t i = 0; i < months.size(); ++i)
            if (t.substr(3, 3) == months[i])
                month = static_cast<int>(i) + 1;
        const int day = FixedDigits(t.data(), 2), year = FixedDigits(t.data() + 7, 4),
                  zoneHours = FixedDigits(t.data() + 22, 2),
                  zoneMinutes = FixedDigits(t.data() + 24, 2);
        if (!month || day < 1 || year < 0 || day > DaysInMonth(year, month) || zoneHours < 0 ||
            zoneHours > 23 || zoneMinutes < 0 || zoneMinutes > 59)
            return std::nullopt;
        const std::int64_t zone = (zoneHours * 3600 + zoneMinutes * 60) * (t[21] == '-' ? -1 : 1);
        last.start = DaysFromCivil(year, month, day) * 86400 - zone;
        std::memcpy(last.text, t.data(), 11);
        std::memcpy(last.text + 11, t.data() + 20, 6);
        last.valid = true;
    }
    const int hour = FixedDigits(t.data() + 12, 2), minute = FixedDigits(t.data() + 15, 2),
              second = FixedDigits(t.data() + 18, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
        return std::nullopt;
    return last.start + hour * 3600 + minute * 60 + second;
}

std::optional<UsageReportLine> ParseReportQuery(std::string_view query) {
    if (query.empty() || query[0] != '?')
        return std::nullopt;
    query.remove_prefix(1);
    std::optional<long long> used, saved;
    std::optional<std::uint32_t> device;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        const std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = pair.substr(0, eq);
        std::string_view value = pair.substr(eq + 1);
        if (key == "kwu" || key == "kws") {
            // The program writes a comma after each number.
            if (!value.empty() && value.back() == ',')
                value.remove_suffix(1);
            std::optional<long long>& slot = key == "kwu" ? used : saved;
            if (slot)
                return std::nullopt;
            slot = Count(value);
            if (!slot)
                return std::nullopt;
        } else if (key == "did") {
            if (device)
                return std::nullopt;
            device = DeviceDigits(value);
            if (!device)
                return std::nullopt;
        }
    }
    if (!used || !saved || !device)
        return std::nullopt;
    return UsageReportLine{0, *device, *used, *saved};
}

ParsedLine ParseCombinedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos)
        return {LineKind::Blank, {}};
    // $remote_addr - $remote_user [$time_local] "$request" $status $body_bytes_sent
    // "$http_referer" "$http_user_agent"; nginx escapes quotes inside the fields.
    const std::size_t open = line.find(" [");
    if (open == std::string_view::npos || open == 0)
        return {};
    const std::size_t close = line.find("] \"", open);
    if (close == std::string_view::npos)
        return {};
    const std::optional<std::int64_t> time = ParseLogTime(line.substr(open + 2, close - open - 2));
    const std::size_t requestStart = close + 3;
    const std::size_t requestEnd = line.find('"', requestStart);
    if (!time || requestEnd == std::string_view::npos)
        return {};
    const std::string_view request = line.substr(requestStart, requestEnd - requestStart);
    std::string_view rest = line.substr(requestEnd + 1);
    // " status bytes "
    if (rest.size() < 5 || rest[0] != ' ' || FixedDigits(rest.data() + 1, 3) < 0 || rest[4] != ' ')
        return {};
    const std::size_t firstSpace = request.find(' ');
    if (firstSpace == std::string_view::npos)
        return {LineKind::Other, {}}; // "-" or a bare word: a request without a target
    std::string_view target = request.substr(firstSpace + 1);
    target = target.substr(0, target.find(' '));
    const std::size_t question = target.find('?');
    if (target.substr(0, question) != kReportPath)
        return {LineKind::Other, {}};
    std::optional<UsageReportLine> report = ParseReportQuery(
        question == std::string_view::npos ? std::string_view() : target.substr(question));
    if (!report)
        return {};
    report->utcSeconds = *time;
    return {LineKind::Report, *report};
}

} // namespace quelmo::fleet
