// Cost of the question the tick asks twice a second: the time to the next switch.
#include "platform/clock.h"
#include "schedule/week_schedule.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

quelmo::WeekTable gWeek{};

void UseDefaultWeek() {
    for (int d = 0; d < 7; ++d)
        quelmo::SetDayFromString(gWeek, d, quelmo::DefaultDayStrings[d]);
}

// The time to the next switch at the clock's present moment, as the tick asks it.
double TimeToNextSwitch(int target) {
    const auto now = quelmo::platform::CurrentUtc();
    return quelmo::TimeToNextSwitchAt(gWeek, quelmo::WallClockAt(now.seconds, now.millis), target);
}

// With the real clock and time zone: what every tick pays.
void BM_TimeToNextSwitch(benchmark::State& state) {
    UseDefaultWeek();
    const int target = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TimeToNextSwitch(target));
}
BENCHMARK(BM_TimeToNextSwitch)->Arg(0)->Arg(1);

// The worst case: a week without any boundary walks all 1008 slots.
void BM_TimeToNextSwitchNoBoundary(benchmark::State& state) {
    gWeek.fill(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(TimeToNextSwitch(0));
}
BENCHMARK(BM_TimeToNextSwitchNoBoundary);

} // namespace

int main(int argc, char** argv) {
    setenv("TZ", "Europe/Berlin", 0);
    tzset();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
