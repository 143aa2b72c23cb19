// Cost of one tick of the main window that sends no usage report.
#include "app/form1.h"
#include "config/settings.h"
#include "http/winhttp.h"
#include "tests/support/fakes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Tick(benchmark::State& state) {
    quelmo::test::ProgramFolder folder;
    quelmo::test::PowerDoubles doubles;
    quelmo::test::NoticeRecorder notices;
    quelmo::test::TestClock clock;
    clock.SetLocal(2026, 12, 7, 13, 0, 0); // a Monday afternoon: the countdown runs to 05:20
    quelmo::SetProductWebHost("127.0.0.1:9");
    quelmo::TForm1 form;
    form.DetachTick();
    for (int i = 0; i < 40; ++i) { // past the first report and the move into the tray
        clock.Advance(1);
        form.Timer1Timer();
    }
    quelmo::OnPower = 1; // so that no further whole kWh, and no report, comes
    const int reportsBefore = quelmo::LastReportedKwh;
    for (auto _ : state) {
        clock.Advance(1);
        form.Timer1Timer();
    }
    if (quelmo::LastReportedKwh != reportsBefore)
        state.SkipWithError("a usage report was sent during the measurement");
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

} // namespace
