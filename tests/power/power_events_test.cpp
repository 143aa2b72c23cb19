// SPDX-License-Identifier: GPL-3.0-or-later
// Suspends started from outside, against logind's mock: the delay inhibitor, PrepareForSleep
// and the real wake-up timerfd read back from the kernel.
#include "platform/sleep_monitor.h"
#include "platform/wake_alarm.h"
#include "schedule/week_schedule.h"
#include "tests/power/logind_mock.h"
#include "tests/power/timer_probe.h"
#include "tests/support/form_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>

#include <algorithm>

namespace quelmo::test {
namespace {

const std::string kOurLock =
    std::string("sleep Quelmo ") + platform::kSleepInhibitReason + " delay";

struct SuspendRow {
    const char* name;
    int offFrom, offSlots; // Monday's off slots, from 09:00 on the clock
    int startMinute, startSecond;
    double armedSeconds; // what the timer then holds; 0 = left at the start-up's seven days
};

void PrintTo(const SuspendRow& row, std::ostream* out) {
    *out << row.name;
}

class PowerEvents : public SharedLogindMock<FormTest>,
                    public ::testing::WithParamInterface<SuspendRow> {
protected:
    void SetUp() override {
        ResetMock();
        if (IsSkipped() || HasFatalFailure())
            return;
        platform::SetSleepMonitorForTesting(platform::MakeLogindSleepMonitor(mock->Address()));
        // An RTC stand-in: without one the timer could wake nothing.
        const QString rtc = rtcDir.filePath(QStringLiteral("wakealarm"));
        ASSERT_TRUE(QFile(rtc).open(QIODevice::WriteOnly));
        platform::SetWakeAlarmForTesting(platform::MakeTimerfdWakeAlarm(rtc.toStdString()));
        before = TimerFds();
    }
    // Starts on Monday 2026-12-07 at 09:mm:ss with the given off slots, else on all week.
    void StartWith(int offFrom, int offSlots, int minute, int second) {
        StartAt(2026, 12, 7, 9, minute, second);
        S().WeekSchedule.fill(1);
        std::fill_n(S().WeekSchedule.begin() + 9 * 6 + offFrom, offSlots, std::uint8_t{0});
        Tick(); // TimeToNextOn from this schedule
    }
    double WakeSecondsLeft() {
        const auto fds = Added(before, TimerFds());
        return fds.size() == 1 ? SecondsLeft(fds[0]) : -1;
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 10000);
    }
    QTemporaryDir rtcDir;
    std::vector<int> before;
};

TEST_P(PowerEvents, ASuspendArmsTheWakeUpForTheNextSwitchOnAndNeverWaitsLonger) {
    if (IsSkipped() || HasFatalFailure())
        return;
    const SuspendRow& row = GetParam();
    StartWith(row.offFrom, row.offSlots, row.startMinute, row.startSecond);
    if (!recorder.notices.empty())
        GTEST_SKIP() << "no wake-up timer here: " << recorder.notices.front();
    ASSERT_EQ(mock->Inhibitors(), std::vector<std::string>{kOurLock}) << "held from start-up";

    ASSERT_TRUE(mock->EmitPrepareForSleep(true));
    EXPECT_TRUE(WaitFor([] { return mock->Inhibitors().empty(); }))
        << "released as soon as the timer is armed";
    const double expected = row.armedSeconds != 0 ? row.armedSeconds : 7 * 86400.0;
    EXPECT_NEAR(WakeSecondsLeft(), expected, 3.0);
    EXPECT_TRUE(recorder.notices.empty());

    ASSERT_TRUE(mock->EmitPrepareForSleep(false)); // the resume
    EXPECT_TRUE(WaitFor([] { return mock->Inhibitors() == std::vector<std::string>{kOurLock}; }))
        << "taken again for the next suspend";
}

INSTANTIATE_TEST_SUITE_P(
    NextSwitchOn, PowerEvents,
    ::testing::Values(
        // Off from 09:20 for two days: on again on Wednesday at 09:20.
        SuspendRow{"two_days", 2, 2 * 144, 0, 0, 2 * 86400.0 + 1200 - 1},
        // Off all week (from Monday 00:00): no switch-on within seven days, the timer stays.
        SuspendRow{"eight_days", -54, 7 * 144, 0, 0, 0},
        // In Monday's off slot 09:00–09:10 twenty seconds before its end: too close to arm.
        SuspendRow{"under_thirty_seconds", 0, 1, 9, 40, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A failing wake-up timer says so, but only once the suspend is no longer held back.
TEST_F(FormTest, ASuspendIsNotHeldBackByTheWakeUpTimersNotice) {
    StartAt(2026, 12, 7, 9, 0, 0);
    S().WeekSchedule.fill(1);
    std::fill_n(S().WeekSchedule.begin() + 9 * 6, 6, std::uint8_t{0}); // on again at 10:00
    Tick();
    doubles.wake.answer = platform::WakeArmResult::NotSupported;
    recorder.notices.clear();
    ASSERT_TRUE(doubles.sleep.onSleep);
    doubles.sleep.onSleep(true);
    EXPECT_TRUE(recorder.notices.empty()) << "no box while logind waits for the inhibitor";
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"Wake-up timer\nis not supported"});
}

} // namespace
} // namespace quelmo::test
