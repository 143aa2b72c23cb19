// Energy per period from lifetime counters: increases between consecutive reports, counter
// resets, the day an increase belongs to, logs in any order, and the period's bounds.
#include "fleet_report/bar_chart.h"
#include "fleet_report/fleet_totals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quelmo::fleet {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMonday = 20430 * kDay; // 2025-12-08, a Monday

struct Reading {
    std::int64_t day, hour;
    long long used, saved;
};

// The increases by day (from kMonday) of readings added in the order given.
std::map<std::int64_t, std::pair<long long, long long>>
ByDay(const std::vector<Reading>& readings, std::optional<Reading> before = std::nullopt) {
    const auto reading = [](const Reading& r) {
        return CounterReading{kMonday + r.day * kDay + r.hour * 3600, {r.used, r.saved}};
    };
    DeviceEnergy energy;
    for (const Reading& r : readings)
        energy.Add(reading(r));
    std::map<std::int64_t, std::pair<long long, long long>> days;
    energy.ForEachIncrease(before ? std::optional(reading(*before)) : std::nullopt,
                           [&](std::int64_t day, Counters rise) {
                               auto& [used, saved] = days[day - kMonday / kDay];
                               used += rise.used;
                               saved += rise.saved;
                           });
    std::erase_if(days, [](const auto& day) { return day.second == std::pair(0LL, 0LL); });
    return days;
}

TEST(DeviceEnergyTest, IncreasesByDay) {
    using Days = std::map<std::int64_t, std::pair<long long, long long>>;
    const std::vector<Reading> week = {{0, 8, 10, 1}, {0, 12, 12, 2}, {1, 9, 15, 2}};
    std::vector<Reading> twice = week;
    twice.insert(twice.end(), week.begin(), week.end());
    struct Row {
        const char* name;
        std::vector<Reading> readings;
        std::optional<Reading> before;
        Days days;
    } rows[] = {
        {"in order", week, std::nullopt, {{0, {2, 1}}, {1, {3, 0}}}},
        {"newest log first",
         {{1, 9, 15, 2}, {0, 8, 10, 1}, {0, 12, 12, 2}},
         std::nullopt,
         {{0, {2, 1}}, {1, {3, 0}}}},
        {"a log read twice", twice, std::nullopt, {{0, {2, 1}}, {1, {3, 0}}}},
        {"from the report before", week, Reading{-3, 23, 4, 0}, {{0, {8, 2}}, {1, {3, 0}}}},
        {"the day of the later report",
         {{0, 23, 10, 5}, {1, 1, 14, 6}},
         std::nullopt,
         {{1, {4, 1}}}},
        {"a reset counts its own value",
         {{0, 8, 10, 4}, {0, 9, 12, 5}, {0, 10, 3, 0}, {0, 11, 5, 1}},
         std::nullopt,
         {{0, {2 + 3 + 2, 1 + 0 + 1}}}},
        {"a reset read before what it followed",
         {{0, 10, 3, 0}, {0, 11, 5, 1}, {0, 8, 10, 4}},
         std::nullopt,
         {{0, {3 + 2, 0 + 1}}}},
        {"a reset to the same count is none", {{0, 8, 7, 1}, {0, 9, 7, 1}}, std::nullopt, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ByDay(row.readings, row.before), row.days) << row.name;
}

// Readings of a rising counter shuffled as badly as can be: the sums stay exact, and what is
// kept grows with the days, not the readings.
TEST(DeviceEnergyTest, ShuffledReadingsKeepExactSumsInBoundedRuns) {
    std::vector<CounterReading> readings;
    for (long long i = 0; i < 30 * 96; ++i)
        readings.push_back({kMonday + i * 900, {i * 3, i}});
    std::shuffle(readings.begin(), readings.end(), std::mt19937(7));
    DeviceEnergy energy;
    std::size_t most = 0;
    for (const CounterReading& reading : readings) {
        energy.Add(reading);
        most = std::max(most, energy.Runs());
    }
    EXPECT_LE(most, 2 * 30 + 64u);
    std::map<std::int64_t, long long> used;
    energy.ForEachIncrease(std::nullopt, [&](std::int64_t day, Counters rise) {
        used[day - kMonday / kDay] += rise.used;
    });
    EXPECT_EQ(used[0], 95 * 3) << "from the day's first reading";
    for (std::int64_t day = 1; day < 30; ++day)
        EXPECT_EQ(used[day], 96 * 3) << "day " << day;
}

TEST(FleetPeriodTest, BoundsSilenceAndChartBars) {
    FleetTotals fleet({kMonday + kDay, kMonday + 8 * kDay});
    const auto add = [&](std::uint32_t device, std::int64_t at, long long used) {
        fleet.Add({at, device, used, used / 2});
    };
    add(1, kMonday + 10 * 3600, 100);            // before the period: where it starts from
    add(1, kMonday + kDay + 10 * 3600, 104);     // day 1
    add(1, kMonday + 7 * kDay + 10 * 3600, 110); // day 7
    add(1, kMonday + 8 * kDay, 500);             // at the end: outside
    add(2, kMonday + 3600, 40);                  // before the period only
    add(3, kMonday + 2 * kDay, 7);               // one report in the period
    const FleetFigures figures = fleet.Figures();
    ASSERT_EQ(figures.devices.size(), 3u);
    EXPECT_EQ(figures.devices.at(1).period.used, 10);
    EXPECT_EQ(figures.devices.at(1).kwhUsed, 110);
    EXPECT_EQ(figures.devices.at(2).reports, 0);
    EXPECT_EQ(figures.devices.at(2).kwhUsed, 40) << "its counters as last heard";
    EXPECT_EQ(figures.devices.at(3).period.used, 0) << "one report is no increase";
    const Totals totals = figures.Sum();
    EXPECT_EQ(totals.devices, 2);
    EXPECT_EQ(totals.period.used, 10);
    EXPECT_EQ(totals.kwhUsed, 117);

    const std::int64_t end = kMonday + 8 * kDay;
    EXPECT_EQ(SilentDevices(figures, end, 7), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(SilentDevices(figures, end, 5), (std::vector<std::uint32_t>{3, 2}))
        << "the most recently heard first";
    EXPECT_EQ(SilentDevices(figures, end, 0).size(), 3u);

    const std::int64_t first = kMonday / kDay;
    const std::vector<ChartBar> daily = ChartBars(figures.days, first + 1, first + 7);
    ASSERT_EQ(daily.size(), 7u);
    EXPECT_EQ(daily[0].energy.used, 4);
    EXPECT_EQ(daily[6].energy.used, 6);
    const std::vector<ChartBar> weekly = ChartBars(figures.days, first - 90, first + 7);
    ASSERT_EQ(weekly.size(), 15u) << "weeks from the Monday on or before the first day";
    EXPECT_EQ(weekly.back().firstDay, first + 7);
    EXPECT_EQ(weekly[weekly.size() - 2].energy.used, 4);
    EXPECT_EQ(weekly.back().energy.used, 6) << "day 7 begins the next week";
}

} // namespace
} // namespace quelmo::fleet
