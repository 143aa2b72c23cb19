#pragma once
// The lines of a web server's access log in the standard "combined" format, and the usage
// reports among them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelmo::fleet {

struct UsageReportLine {
    std::int64_t utcSeconds = 0;
    std::uint32_t device = 0;
    long long kwhUsed = 0;
    long long kwhSaved = 0;
};

enum class LineKind {
    Report,    // a usage report
    Other,     // a well-formed line of another request
    Blank,     // nothing but white space
    Malformed, // not the combined format, or a report whose query does not parse
};

struct ParsedLine {
    LineKind kind = LineKind::Malformed;
    UsageReportLine report; // Report only
};

// "08/Dec/2026:15:30:43 +0100" as seconds since the epoch, UTC.
std::optional<std::int64_t> ParseLogTime(std::string_view text);

// The query of a report: "?kwu=12,&kws=3,&did=0A1B2C3D".
std::optional<UsageReportLine> ParseReportQuery(std::string_view query);

ParsedLine ParseCombinedLine(std::string_view line);

} // namespace quelmo::fleet
