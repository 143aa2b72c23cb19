#include "fleet_report/fleet_totals.h"

#include <algorithm>
#include <cstring>

namespace quelmo::fleet {

namespace {
// nginx refuses request lines over 8 KiB by default; a combined line adds a referrer and a
// user agent of similar bounds.
constexpr std::size_t kLongestLine = 64 * 1024;
} // namespace

FleetTotals::Device& FleetTotals::Find(std::uint32_t id) {
    if (!mLast || id != mLastId) {
        mLast = &mDevices[id]; // elements of an unordered_map stay where they are
        mLastId = id;
    }
    return *mLast;
}

void FleetTotals::Add(const UsageReportLine& report) {
    const std::int64_t time = report.utcSeconds;
    if (time >= mPeriod.until)
        return;
    const CounterReading reading{time, {report.kwhUsed, report.kwhSaved}};
    Device& device = Find(report.device);
    if (time < mPeriod.since) {
        if (!device.before || time >= device.before->utcSeconds)
            device.before = reading;
        return;
    }
    if (device.reports == 0 || time < device.firstSeen)
        device.firstSeen = time;
    if (device.reports == 0 || time >= device.latest.utcSeconds)
        device.latest = reading;
    ++device.reports;
    device.energy.Add(reading);
}

FleetFigures FleetTotals::Figures() const {
    FleetFigures figures;
    figures.period = mPeriod;
    for (const auto& [id, device] : mDevices) {
        DeviceRow& row = figures.devices[id];
        const CounterReading& latest = device.reports ? device.latest : *device.before;
        row.kwhUsed = latest.counters.used;
        row.kwhSaved = latest.counters.saved;
        row.lastReport = latest.utcSeconds;
        row.reports = device.reports;
        if (!device.reports)
            continue;
        row.firstSeen = device.firstSeen;
        row.lastSeen = device.latest.utcSeconds;
        device.energy.ForEachIncrease(device.before, [&](std::int64_t day, Counters rise) {
            row.period += rise;
            figures.days[day] += rise;
        });
    }
    return figures;
}

Totals FleetFigures::Sum() const {
    Totals totals;
    for (const auto& [id, row] : devices) {
        if (!row.reports)
            continue;
        ++totals.devices;
        totals.kwhUsed += row.kwhUsed;
        totals.kwhSaved += row.kwhSaved;
        totals.reports += row.reports;
        totals.period += row.period;
    }
    return totals;
}

void LogReader::Line(std::string_view line) {
    const ParsedLine parsed = ParseCombinedLine(line);
    if (parsed.kind == LineKind::Malformed)
        ++mMalformed;
    else if (parsed.kind == LineKind::Report)
        mFleet.Add(parsed.report);
}

void LogReader::Feed(std::string_view piece) {
    if (piece.empty())
        return;
    if (!mPartial.empty() || mOverlong) {
        const char* end = static_cast<const char*>(std::memchr(piece.data(), '\n', piece.size()));
        const std::size_t head = end ? static_cast<std::size_t>(end - piece.data()) : piece.size();
        if (!mOverlong && mPartial.size() + head > kLongestLine) {
            mOverlong = true;
            mPartial.clear();
        }
        if (!mOverlong)
            mPartial.append(piece.data(), head);
        if (!end)
            return;
        if (mOverlong)
            ++mMalformed;
        else
            Line(mPartial);
        mPartial.clear();
        mOverlong = false;
        piece.remove_prefix(head + 1);
    }
    for (;;) {
        const char* end = static_cast<const char*>(std::memchr(piece.data(), '\n', piece.size()));
        if (!end)
            break;
        const std::size_t length = static_cast<std::size_t>(end - piece.data());
        Line(piece.substr(0, length));
        piece.remove_prefix(length + 1);
    }
    if (piece.size() > kLongestLine)
        mOverlong = true;
    else
        mPartial.assign(piece);
}

void LogReader::End() {
    if (mOverlong)
        ++mMalformed;
    else if (!mPartial.empty())
        Line(mPartial);
    mPartial.clear();
    mOverlong = false;
}

long long AddLogText(std::string_view text, FleetTotals& fleet) {
    LogReader reader(fleet);
    reader.Feed(text);
    reader.End();
    return reader.Malformed();
}

} // namespace quelmo::fleet

namespace quelmo::fleet {

std::vector<std::uint32_t> SilentDevices(const FleetFigures& fleet, std::int64_t end, int days) {
    std::vector<std::uint32_t> silent;
    const std::int64_t heardSince = end - std::int64_t(days) * 86400;
    for (const auto& [id, row] : fleet.devices)
        if (row.lastReport < heardSince)
            silent.push_back(id);
    std::stable_sort(silent.begin(), silent.end(), [&](std::uint32_t a, std::uint32_t b) {
        return fleet.devices.at(a).lastReport > fleet.devices.at(b).lastReport;
    });
    return silent;
}

} // namespace quelmo::fleet
