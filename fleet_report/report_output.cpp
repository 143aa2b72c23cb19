#include "fleet_report/report_output.h"

#include <QDateTime>

#include <cstdio>

namespace quelmo::fleet {

namespace {
template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}
} // namespace

std::string FormatUtc(std::int64_t utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

std::string FormatTable(const FleetTotals& fleet, long long malformed) {
    std::string text = Format("%-8s  %-19s  %-19s  %10s  %10s  %8s\n", "Device", "First seen (UTC)",
                              "Last seen (UTC)", "kWh used", "kWh saved", "Reports");
    for (const auto& [device, row] : fleet.Rows())
        text += Format("%08X  %-19s  %-19s  %10lld  %10lld  %8lld\n", device,
                       FormatUtc(row.firstSeen).c_str(), FormatUtc(row.lastSeen).c_str(),
                       row.kwhUsed, row.kwhSaved, row.reports);
    const Totals t = fleet.Sum();
    text += Format("%-8s  %-19s  %-19s  %10lld  %10lld  %8lld\n", "Total",
                   Format("%lld devices", t.devices).c_str(), "", t.kwhUsed, t.kwhSaved, t.reports);
    if (malformed)
        text += Format("%lld malformed lines skipped\n", malformed);
    return text;
}

std::string FormatCsv(const FleetTotals& fleet) {
    std::string text = "device,first_seen_utc,last_seen_utc,kwh_used,kwh_saved,reports\n";
    for (const auto& [device, row] : fleet.Rows())
        text += Format("%08X,%s,%s,%lld,%lld,%lld\n", device, FormatUtc(row.firstSeen).c_str(),
                       FormatUtc(row.lastSeen).c_str(), row.kwhUsed, row.kwhSaved, row.reports);
    const Totals t = fleet.Sum();
    text += Format("total,,,%lld,%lld,%lld\n", t.kwhUsed, t.kwhSaved, t.reports);
    return text;
}

} // namespace quelmo::fleet
