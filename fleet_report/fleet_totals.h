#pragma once
// The fleet's figures from its usage reports: per device the period it reported in, its
// latest counters and how often it reported; then the sums.

#include "fleet_report/combined_log.h"

#include <map>

namespace quelmo::fleet {

struct DeviceRow {
    std::int64_t firstSeen = 0, lastSeen = 0; // UTC seconds
    long long kwhUsed = 0, kwhSaved = 0;      // of the latest report
    long long reports = 0;
};

struct Totals {
    long long devices = 0, kwhUsed = 0, kwhSaved = 0, reports = 0;
};

class FleetTotals {
public:
    // Reports may come in any order (rotated logs are read oldest last as often as first):
    // the latest by time gives the counters; of equal times, the one added last.
    void Add(const UsageReportLine& report);
    const std::map<std::uint32_t, DeviceRow>& Rows() const { return mRows; }
    Totals Sum() const;

private:
    std::map<std::uint32_t, DeviceRow> mRows;
};

// Adds the reports of a log's text made at or after `since` (UTC seconds); returns how many
// malformed lines it skipped.
long long AddLogText(std::string_view text, std::int64_t since, FleetTotals& fleet);

} // namespace quelmo::fleet
