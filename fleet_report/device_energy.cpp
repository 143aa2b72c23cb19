#include "fleet_report/device_energy.h"

#include <algorithm>

namespace quelmo::fleet {

namespace {

long long Rise(long long from, long long to) {
    return to >= from ? to - from : to;
}

} // namespace

Counters Increase(const Counters& from, const Counters& to) {
    return {Rise(from.used, to.used), Rise(from.saved, to.saved)};
}

std::int64_t UtcDay(std::int64_t utcSeconds) {
    std::int64_t day = utcSeconds / 86400;
    return utcSeconds % 86400 < 0 ? day - 1 : day;
}

void DeviceEnergy::Add(const CounterReading& reading) {
    if (mCurrent && reading.utcSeconds >= mCurrent->last.utcSeconds &&
        reading.utcSeconds < (mCurrent->day + 1) * 86400) {
        mCurrent->inner += Increase(mCurrent->last.counters, reading.counters);
        mCurrent->last = reading;
        return;
    }
    if (mCurrent)
        mRuns.push_back(*mCurrent);
    if (mRuns.size() >= mCompactAt) {
        Compact();
        mCompactAt = std::max<std::size_t>(64, 2 * mRuns.size());
    }
    mCurrent = Run{reading, reading, {}, UtcDay(reading.utcSeconds)};
}

// Runs in the order of time, each joined to the reading before it. A run that lies within
// time already covered (a log read twice) adds nothing; one that overlaps it (the logs of two
// servers) adds the rise to its last reading.
void DeviceEnergy::Fold(std::vector<Run>& runs, const std::optional<CounterReading>& before,
                        const std::function<void(const Run&, Counters)>& add) {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
        return a.first.utcSeconds != b.first.utcSeconds ? a.first.utcSeconds < b.first.utcSeconds
                                                        : a.last.utcSeconds < b.last.utcSeconds;
    });
    std::optional<CounterReading> reached = before;
    for (const Run& run : runs) {
        if (!reached) {
            add(run, run.inner);
        } else if (run.last.utcSeconds <= reached->utcSeconds) {
            continue;
        } else if (run.first.utcSeconds >= reached->utcSeconds) {
            Counters rise = Increase(reached->counters, run.first.counters);
            add(run, rise += run.inner);
        } else {
            add(run, Increase(reached->counters, run.last.counters));
        }
        reached = run.last;
    }
}

void DeviceEnergy::Compact() {
    std::vector<Run> days;
    // Each day on its own: folded from nothing, its first run's first reading stays the join
    // to the day before, as it was.
    std::vector<Run> sameDay;
    std::sort(mRuns.begin(), mRuns.end(), [](const Run& a, const Run& b) { return a.day < b.day; });
    for (std::size_t i = 0; i < mRuns.size();) {
        std::size_t end = i;
        while (end < mRuns.size() && mRuns[end].day == mRuns[i].day)
            ++end;
        sameDay.assign(mRuns.begin() + static_cast<std::ptrdiff_t>(i),
                       mRuns.begin() + static_cast<std::ptrdiff_t>(end));
        Run merged{};
        bool first = true;
        Fold(sameDay, std::nullopt, [&](const Run& run, Counters rise) {
            if (first)
                merged = {run.first, run.last, {}, run.day};
            first = false;
            merged.inner += rise;
            merged.last = run.last;
        });
        days.push_back(merged);
        i = end;
    }
    mRuns = std::move(days);
}

void DeviceEnergy::ForEachIncrease(
    const std::optional<CounterReading>& before,
    const std::function<void(std::int64_t day, Counters)>& add) const {
    std::vector<Run> runs = mRuns;
    if (mCurrent)
        runs.push_back(*mCurrent);
    Fold(runs, before, [&](const Run& run, Counters rise) { add(run.day, rise); });
}

} // namespace quelmo::fleet
