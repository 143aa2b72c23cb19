// Cost of one tick of the main window that sends no usage report: hidden in a notification
// area, as it spends its days ("BM_Tick/in_tray", the figure against the 15 µs target), the same
// with the caches cold as the running program finds them ("BM_Tick/in_tray_cold"), and minimised
// to the task bar where no notification area is ("BM_Tick/minimised").
#include "app/form1.h"
#include "http/winhttp.h"
#include "model/model.h"
#include "tests/support/fakes.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

namespace {

// Writes more memory than the caches hold, so that the next tick finds them cold as the running
// program does after a second of other programs' work.
void EvictCaches() {
    static std::vector<char> sweep(64 << 20);
    for (std::size_t i = 0; i < sweep.size(); i += 64)
        sweep[i] = static_cast<char>(sweep[i] + 1);
    benchmark::DoNotOptimize(sweep.data());
}

void BM_Tick(benchmark::State& state, bool inTray, bool cold) {
    std::optional<quelmo::test::TrayDouble> tray;
    if (inTray)
        tray.emplace();
    quelmo::test::ProgramFolder folder;
    quelmo::test::PowerDoubles doubles;
    quelmo::test::NoticeRecorder notices;
    quelmo::test::TestClock clock;
    clock.SetLocal(2026, 12, 7, 13, 0, 0); // a Monday afternoon: the countdown runs to 05:20
    quelmo::SetProductWebHost("127.0.0.1:9");
    quelmo::Model model;
    quelmo::TForm1 form(model);
    form.DetachTick();
    for (int i = 0; i < 40; ++i) { // past the first report and the move into the tray
        clock.Advance(1);
        form.Timer1Timer();
    }
    quelmo::ProgramState& s = model.StateForTesting();
    s.OnPower = 1; // so that no further whole kWh, and no report, comes
    const int reportsBefore = s.LastReportedKwh;
    int sinceStart = 0;
    for (auto _ : state) {
        // An hour's ticks, then the same hour again: a long run never reaches the warning of the
        // last ten minutes, which would bring the window back.
        const bool again = ++sinceStart == 3600;
        if (again)
            sinceStart = 0;
        clock.Advance(again ? -3599 : 1);
        if (cold) {
            state.PauseTiming();
            EvictCaches();
            state.ResumeTiming();
        }
        form.Timer1Timer();
    }
    if (s.LastReportedKwh != reportsBefore)
        state.SkipWithError("a usage report was sent during the measurement");
    if (form.isHidden() != inTray)
        state.SkipWithError("the window is not where the measurement needs it");
}
BENCHMARK_CAPTURE(BM_Tick, in_tray, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tick, in_tray_cold, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Tick, minimised, false, false)->Unit(benchmark::kMicrosecond);

} // namespace
