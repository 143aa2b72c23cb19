// Each reason a sleeping model wakes for, and each reason it ticks every second instead: the
// number of ticks from its last one to the next moment that matters.
#include "fleet/config_refresh.h"
#include "model/model.h"
#include "platform/clock.h"
#include "tests/config/config_test_util.h"
#include "tests/support/ticker_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quelmo::test {
namespace {

struct MomentRow {
    const char* name;
    const char* zone;
    int month, day, hour, minute; // of 2026
    const char* settings;         // Quelmo.ini
    std::function<void(Model&, ProgramState&)> arrange;
    int ticks; // to the next moment; 1: every tick matters; −1: the fleet's next check
};

void PrintTo(const MomentRow& row, std::ostream* out) {
    *out << row.name;
}

class WakeMoments : public ::testing::TestWithParam<MomentRow> {};

TEST_P(WakeMoments, TheNextMomentIsWhereItShouldBe) {
    const MomentRow& row = GetParam();
    ScopedEnvironment zone;
    zone.Set("TZ", row.zone);
    ProgramFolder folder;
    AutostartSandbox sandbox;
    PowerDoubles doubles;
    NoticeRecorder recorder;
    TestClock clock;
    WriteBytes(folder.Path() + "Quelmo.ini", row.settings);
    std::string allOn;
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        allOn += std::string(day) + "=" + std::string(144, '1') + "\r\n";
    WriteBytes(folder.Path() + "Default.db", allOn);
    clock.SetLocal(2026, row.month, row.day, row.hour, row.minute, 0);
    FakeTicker::State ticker;
    Model model(std::make_unique<FakeTicker>(ticker));
    ASSERT_TRUE(model.Start());
    ProgramState& s = model.StateForTesting();
    s.TickCount = 100; // past the move into the tray and the first report
    s.LastReportedKwh = static_cast<int>(s.WhUsed * 0.001);
    row.arrange(model, s);
    const auto nextCheck = model.Refresh().NextCheckAt();
    const int expected = row.ticks >= 0 || !nextCheck
                             ? row.ticks
                             : static_cast<int>(*nextCheck - platform::CurrentUtc().seconds);
    EXPECT_EQ(model.TicksUntilNextMoment(), expected);
}

// Off from 10:00 on Monday.
void OffAtTen(ProgramState& s) {
    std::fill_n(s.WeekSchedule.begin() + 60, 6, std::uint8_t{0});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WakeMoments,
    ::testing::Values(
        MomentRow{"a_save_every_ten_minutes", "UTC", 12, 7, 9, 0, "", [](Model&, ProgramState&) {},
                  500},
        MomentRow{"the_move_into_the_tray", "UTC", 12, 7, 9, 0, "",
                  [](Model&, ProgramState& s) { s.TickCount = 12; }, 18},
        MomentRow{"a_usage_report_at_the_next_whole_kwh", "UTC", 12, 7, 9, 0, "OnPower=80\r\n",
                  [](Model&, ProgramState& s) {
                      s.WhUsed = 1999.95; // 1000.0166… after three ticks of 80 W
                      s.LastReportedKwh = 1;
                  },
                  3},
        MomentRow{"a_scheduled_switch_off_ten_minutes_ahead", "UTC", 12, 7, 9, 50, "",
                  [](Model& m, ProgramState& s) {
                      OffAtTen(s);
                      s.Countdown = CountdownState::Armed;
                      m.Tick(); // 09:50:00 again: 600 s left
                  },
                  1},
        MomentRow{"a_scheduled_switch_off_further_ahead", "UTC", 12, 7, 9, 45, "",
                  [](Model& m, ProgramState& s) {
                      OffAtTen(s);
                      m.Tick(); // 900 s left: the 301st tick is the first with 599
                  },
                  301},
        MomentRow{"a_delayed_switch_off_ten_minutes_ahead", "UTC", 12, 7, 9, 0, "",
                  [](Model& m, ProgramState&) {
                      m.DelayedOff(15);
                      m.Tick(); // 899 s left
                  },
                  300},
        MomentRow{"a_delayed_switch_off_not_yet_counting", "UTC", 12, 7, 9, 0, "",
                  [](Model& m, ProgramState&) { m.DelayedOff(20); }, 1},
        MomentRow{"a_switch_off_held_back", "UTC", 12, 7, 9, 0, "",
                  [](Model&, ProgramState& s) {
                      s.Countdown = CountdownState::Held;
                      s.Hold = HeldSwitchOff{false, 0, 0, {}};
                      s.Hold->untilSecond = platform::CurrentUtc().seconds + 3600;
                      s.Hold->nextAskSecond = platform::CurrentUtc().seconds + 42;
                  },
                  42},
        MomentRow{"a_check_of_the_fleets_configuration", "UTC", 12, 7, 9, 0,
                  "DbFile=http://127.0.0.1:9/fleet.db\r\nRefreshMinutes=5\r\n",
                  [](Model& m, ProgramState&) {
                      m.Tick(); // the first tick with refreshing on fixes the next check
                      ASSERT_TRUE(m.Refresh().NextCheckAt());
                  },
                  -1},
        // Central European summer time begins at 01:00 UTC on 29 March 2026.
        MomentRow{"a_change_of_daylight_saving", "Europe/Berlin", 3, 29, 1, 55, "",
                  [](Model&, ProgramState&) {}, 300},
        MomentRow{"the_window_in_sight", "UTC", 12, 7, 9, 0, "",
                  [](Model& m, ProgramState&) { m.SetWindowSeen(true); }, 1},
        MomentRow{"the_panel_unlocked", "UTC", 12, 7, 9, 0, "",
                  [](Model&, ProgramState& s) { s.LockCountdown = 300; }, 1},
        MomentRow{"the_schedule_being_edited", "UTC", 12, 7, 9, 0, "",
                  [](Model&, ProgramState& s) { s.EditHoldOff = 3; }, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo::test
