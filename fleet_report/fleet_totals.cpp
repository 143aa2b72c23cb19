#include "fleet_report/fleet_totals.h"

namespace quelmo::fleet {

void FleetTotals::Add(const UsageReportLine& report) {
    const auto [it, added] = mRows.try_emplace(report.device);
    DeviceRow& row = it->second;
    if (added || report.utcSeconds < row.firstSeen)
        row.firstSeen = report.utcSeconds;
    if (added || report.utcSeconds >= row.lastSeen) {
        row.lastSeen = report.utcSeconds;
        row.kwhUsed = report.kwhUsed;
        row.kwhSaved = report.kwhSaved;
    }
    ++row.reports;
}

Totals FleetTotals::Sum() const {
    Totals totals;
    for (const auto& [device, row] : mRows) {
        ++totals.devices;
        totals.kwhUsed += row.kwhUsed;
        totals.kwhSaved += row.kwhSaved;
        totals.reports += row.reports;
    }
    return totals;
}

long long AddLogText(std::string_view text, std::int64_t since, FleetTotals& fleet) {
    long long malformed = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const ParsedLine parsed = ParseCombinedLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (parsed.kind == LineKind::Malformed)
            ++malformed;
        else if (parsed.kind == LineKind::Report && parsed.report.utcSeconds >= since)
            fleet.Add(parsed.report);
    }
    return malformed;
}

} // namespace quelmo::fleet
