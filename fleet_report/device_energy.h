#pragma once
// A device's energy over time from the lifetime counters its reports carry, in whatever order
// the logs are read: the sum of the increases between consecutive reports, where a count lower
// than the one before is a counter reset (a reinstalled PC) that counts its own value, and
// each increase falls on the UTC day of the later report.
//
// Memory grows with the days a device reported on, not with its reports: consecutive reports
// of one day fold into a run as they come, and runs of one day are folded together whenever
// out-of-order logs have made many of them.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quelmo::fleet {

struct Counters {
    long long used = 0, saved = 0;
    Counters& operator+=(const Counters& other) {
        used += other.used;
        saved += other.saved;
        return *this;
    }
};

struct CounterReading {
    std::int64_t utcSeconds = 0;
    Counters counters;
};

// What the counters went up by from `from` to `to`, a lower count being a reset.
Counters Increase(const Counters& from, const Counters& to);

// Days since 1970-01-01 of a UTC time.
std::int64_t UtcDay(std::int64_t utcSeconds);

class DeviceEnergy {
public:
    void Add(const CounterReading& reading);
    // The increases of the readings added, by UTC day; `before` is the reading that came
    // before all of them (the last one before a period), whose counters the first increase is
    // measured from. Without it the first reading only starts the count.
    void ForEachIncrease(const std::optional<CounterReading>& before,
                         const std::function<void(std::int64_t day, Counters)>& add) const;
    std::size_t Runs() const { return mRuns.size() + (mCurrent ? 1 : 0); }

private:
    // Readings of one day in the order of time: the first, the last and the increases between.
    struct Run {
        CounterReading first, last;
        Counters inner;
        std::int64_t day = 0;
    };
    static void Fold(std::vector<Run>& runs, const std::optional<CounterReading>& before,
                     const std::function<void(const Run&, Counters)>& add);
    void Compact();

    // The run that the next reading most likely extends, kept beside the device's other
    // figures rather than at the end of the vector: most readings touch nothing else.
    std::optional<Run> mCurrent;
    std::vector<Run> mRuns;
    std::size_t mCompactAt = 64;
};

} // namespace quelmo::fleet
