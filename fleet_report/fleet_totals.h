#pragma once
// The fleet's figures from its usage reports: per device when it reported in the period, its
// latest counters and how often it reported, the energy it used and saved in the period; the
// fleet's energy per day; then the sums.

#include "fleet_report/combined_log.h"
#include "fleet_report/device_energy.h"

#include <limits>
#include <map>
#include <unordered_map>
#include <vector>

namespace quelmo::fleet {

// From `since` up to, not including, `until` (UTC seconds).
struct Period {
    std::int64_t since = std::numeric_limits<std::int64_t>::min();
    std::int64_t until = std::numeric_limits<std::int64_t>::max();
};

struct DeviceRow {
    std::int64_t firstSeen = 0, lastSeen = 0; // UTC seconds, of its reports in the period
    long long kwhUsed = 0, kwhSaved = 0;      // of the latest report before the period's end
    long long reports = 0;                    // in the period; 0: it reported before only
    std::int64_t lastReport = 0;              // the latest before the period's end
    Counters period;                          // energy used and saved in the period
};

struct Totals {
    long long devices = 0, kwhUsed = 0, kwhSaved = 0, reports = 0;
    Counters period;
};

struct FleetFigures {
    Period period;
    // Every device that reported before the period's end.
    std::map<std::uint32_t, DeviceRow> devices;
    // The fleet's energy by UTC day (days since 1970-01-01) of the period's reports.
    std::map<std::int64_t, Counters> days;
    // Of the devices that reported in the period.
    Totals Sum() const;
};

class FleetTotals {
public:
    explicit FleetTotals(Period period = {}) : mPeriod(period) {}
    // Reports may come in any order (rotated logs are read oldest last as often as first):
    // the latest by time gives the counters; of equal times, the one added last.
    void Add(const UsageReportLine& report);
    FleetFigures Figures() const;

private:
    struct Device {
        long long reports = 0;
        std::int64_t firstSeen = 0;
        CounterReading latest;                // in the period
        std::optional<CounterReading> before; // the latest before the period
        DeviceEnergy energy;
    };
    Device& Find(std::uint32_t id);

    Period mPeriod;
    std::unordered_map<std::uint32_t, Device> mDevices;
    // Reports of one device tend to follow each other less than those of a log's neighbours,
    // but a cache of one still saves most look-ups in a log sorted by device.
    std::uint32_t mLastId = 0;
    Device* mLast = nullptr;
};

// Splits a log's bytes, as they come in pieces, into lines and adds their reports; counts the
// malformed lines. A line longer than any report could be is malformed, and is not kept.
class LogReader {
public:
    explicit LogReader(FleetTotals& fleet) : mFleet(fleet) {}
    void Feed(std::string_view piece);
    // The log's end: a last line without a line end counts too.
    void End();
    long long Malformed() const { return mMalformed; }

private:
    void Line(std::string_view line);

    FleetTotals& mFleet;
    std::string mPartial;
    bool mOverlong = false;
    long long mMalformed = 0;
};

// Adds the reports of a log's text; returns how many malformed lines it skipped.
long long AddLogText(std::string_view text, FleetTotals& fleet);

} // namespace quelmo::fleet

namespace quelmo::fleet {

// Devices whose latest report is more than `days` days older than `end` (UTC seconds), the
// most recently heard first; those that reported before the period only count too.
std::vector<std::uint32_t> SilentDevices(const FleetFigures& fleet, std::int64_t end, int days);

} // namespace quelmo::fleet
