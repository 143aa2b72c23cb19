// The one-second tick driven through the main window with a set clock and power doubles.
#include "config/paths.h"
#include "config/settings.h"
#include "power/switchoff.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tests/support/http_server.h"
#include "tray/trayicon.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <set>

namespace quelmo {
namespace {

using test::FormTest;

constexpr double kSec = 1.0 / 86400;

class TickTest : public FormTest {
protected:
    // Monday 2026-12-07 (TZ is UTC in tests): the schedule is on all week but for one hour
    // from hour:minute on Monday.
    void OffHourFrom(int hour, int minute) {
        S().WeekSchedule.fill(1);
        const int first = (hour * 60 + minute) / 10;
        std::fill_n(S().WeekSchedule.begin() + first, 6, std::uint8_t{0});
    }
    void StartMonday(int hour, int minute, int second) {
        StartAt(2026, 12, 7, hour, minute, second);
    }
    // Ticks until the clock shows the given time on the same day.
    void TickUntil(int hour, int minute, int second) {
        const std::int64_t day = clock.utcSeconds - clock.utcSeconds % 86400;
        const std::int64_t target = day + hour * 3600 + minute * 60 + second;
        ASSERT_LE(clock.utcSeconds, target);
        Tick(static_cast<int>(target - clock.utcSeconds));
    }
    std::string StatusText() const { return form->Status->text().toStdString(); }
    QColor StatusColour() const { return form->Status->palette().color(QPalette::WindowText); }
    std::vector<std::string> PowerCalls() const {
        std::vector<std::string> actions;
        for (const auto& call : doubles.power.calls)
            if (call != "Connect" && call != "Disconnect")
                actions.push_back(call);
        return actions;
    }
    bool Armed() const { return !form->Abort->isHidden() && form->Resume->isHidden(); }
    bool Cancelled() const { return form->Abort->isHidden() && !form->Resume->isHidden(); }
    bool Idle() const { return form->Abort->isHidden() && form->Resume->isHidden(); }
};

TEST_F(TickTest, StatusTextsAndColours) {
    StartMonday(8, 59, 58);
    OffHourFrom(10, 0);
    Tick();
    EXPECT_EQ(StatusText(), "PC will StandBy in 1:00:01 Hours");
    EXPECT_EQ(StatusColour(), QColor(255, 255, 255));
    EXPECT_EQ(form->Status->font().pointSize(), 18);
    EXPECT_TRUE(Armed());
    Tick();
    EXPECT_EQ(StatusText(), "PC will StandBy in 1:00:00 Hours");
    EXPECT_EQ(StatusColour(), QColor(255, 255, 255)) << "an hour exactly is still white";
    Tick();
    EXPECT_EQ(StatusText(), "PC will StandBy in 59:59 Minutes");
    EXPECT_EQ(StatusColour(), QColor(0, 255, 0));
    TickUntil(9, 59, 53);
    EXPECT_EQ(StatusText(), "PC will StandBy in 07 Seconds");

    form->AbortClick();
    Tick();
    EXPECT_EQ(StatusText(), "PC will StandBy in 06 Seconds (But Aborted!)");
    EXPECT_TRUE(Cancelled());
}

TEST_F(TickTest, FormatCountdownForms) {
    EXPECT_EQ(FormatCountdown((26 * 3600 + 3 * 60 + 9) * kSec), "26:03:09 Hours");
    EXPECT_EQ(FormatCountdown(599 * kSec), "09:59 Minutes");
    EXPECT_EQ(FormatCountdown(7 * kSec), "07 Seconds");
    EXPECT_EQ(FormatCountdown(7.0), "168:00:00 Hours");
    EXPECT_EQ(FormatCountdown(540 * kSec), "09:00 Minutes");
}

TEST_F(TickTest, ScheduledSwitchOffHappensInTheLastSecond) {
    StartMonday(9, 0, 0);
    OffHourFrom(10, 0);
    const double savedBefore = S().WhSaved;
    TickUntil(9, 59, 58);
    EXPECT_TRUE(PowerCalls().empty());
    Tick(); // 09:59:59
    EXPECT_EQ(PowerCalls(), std::vector<std::string>{"Suspend"});
    // Woken at the next switch-on, 11:00:00; standby saves (80 − 3) W until then.
    ASSERT_FALSE(doubles.wake.arms.empty());
    EXPECT_EQ(doubles.wake.arms.back(), WakeDueTime(3601 * kSec));
    EXPECT_NEAR(S().WhSaved - savedBefore, 77.0 * 3601 / 3600, 1e-9);
    EXPECT_TRUE(Idle());
    Tick(); // 10:00:00 counts towards next week's boundary
    EXPECT_EQ(PowerCalls().size(), 1u);
    EXPECT_EQ(StatusText(), "PC will StandBy in 168:00:00 Hours");
}

TEST_F(TickTest, ScheduledSwitchOffIsNotTakenAfterTheBoundary) {
    StartMonday(9, 0, 0);
    OffHourFrom(10, 0);
    model->SetActionIndex(ActionList::Off, kHibernate);
    TickUntil(9, 59, 58);
    clock.Advance(2); // the tick of 09:59:59 never came
    form->Timer1Timer();
    EXPECT_TRUE(PowerCalls().empty());
    EXPECT_EQ(StatusText(), "PC will Hibernate in 168:00:00 Hours");
}

TEST_F(TickTest, CancelledCountdownNeitherWarnsNorSwitchesOff) {
    StartMonday(9, 55, 0);
    // Past the start-up guard's ten minutes before the countdown reaches its last ten.
    OffHourFrom(10, 10);
    form->AbortClick();
    const int beeps = recorder.beeps;
    TickUntil(10, 10, 5);
    EXPECT_TRUE(PowerCalls().empty());
    EXPECT_EQ(recorder.beeps, beeps);
    EXPECT_TRUE(Cancelled()) << "stays cancelled for the next off boundary too";
    EXPECT_EQ(S().StatusText, "PC will StandBy in 167:59:55 Hours (But Aborted!)");
    form->ResumeClick();
    Tick();
    EXPECT_TRUE(Armed());
}

TEST_F(TickTest, DelayedSwitchOffAfterNMinutes) {
    StartMonday(9, 0, 0);
    model->SetActionIndex(ActionList::Delay, kHibernate);
    form->DelayMins->setValue(2);
    form->DelayedOffClick();
    EXPECT_TRUE(Idle());
    Tick();
    EXPECT_TRUE(Armed());
    EXPECT_EQ(StatusText(), "PC will Hibernate in 01:59 Minutes");
    Tick(118);
    EXPECT_TRUE(PowerCalls().empty());
    EXPECT_EQ(form->DelayMins->value(), 1);
    Tick(); // the 120th
    EXPECT_EQ(PowerCalls(), std::vector<std::string>{"Hibernate"});
    // On its last tick the status line names the scheduled action, while the delayed one runs.
    EXPECT_EQ(StatusText(), "PC will StandBy in 00 Seconds");
    EXPECT_EQ(S().DelayedOffSeconds, 0);
}

TEST_F(TickTest, NowSwitchesOffAfterTwelveTicksAndWakesAMinuteLater) {
    StartMonday(9, 0, 0);
    model->SetActionIndex(ActionList::Delay, kStandBy);
    const double savedBefore = S().WhSaved;
    form->NowButtonClick();
    EXPECT_TRUE(Armed());
    Tick(11);
    EXPECT_TRUE(PowerCalls().empty());
    Tick();
    EXPECT_EQ(PowerCalls(), std::vector<std::string>{"Suspend"});
    EXPECT_EQ(doubles.wake.arms.back(), -600'000'000);
    EXPECT_NEAR(S().WhSaved - savedBefore, 77.0 / 60, 1e-9);
    EXPECT_FALSE(S().NowRequested);
}

TEST_F(TickTest, NowFollowedBySwitchOffIsAnOrdinaryDelayedSwitchOff) {
    StartMonday(9, 0, 0);
    OffHourFrom(10, 0);
    form->NowButtonClick();
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(60);
    EXPECT_EQ(PowerCalls(), std::vector<std::string>{"Suspend"});
    // Woken at the schedule's next switch-on (11:00), not a minute later.
    EXPECT_EQ(doubles.wake.arms.back(), WakeDueTime((3600 + 59 * 60) * kSec));
}

TEST_F(TickTest, StartupGuardCancelsAScheduledSwitchOffOnce) {
    // The built-in Monday switches off at 11:30.
    StartMonday(11, 25, 0);
    EXPECT_EQ(recorder.notices,
              std::vector<std::string>{
                  "Pending scheduled shutdown ignored\nas Quelmo! has just been started"});
    EXPECT_TRUE(Cancelled());
    TickUntil(11, 29, 59);
    EXPECT_TRUE(PowerCalls().empty());
    EXPECT_EQ(recorder.notices.size(), 1u);
}

TEST_F(TickTest, StartupGuardLetsADelayedSwitchOffThrough) {
    StartMonday(9, 0, 0);
    form->NowButtonClick();
    Tick(12);
    EXPECT_EQ(PowerCalls(), std::vector<std::string>{"Suspend"});
    EXPECT_TRUE(recorder.notices.empty());
}

TEST_F(TickTest, BeepsAtWholeMinutesAndInTheLastTwentySeconds) {
    StartMonday(9, 0, 0);
    S().WeekSchedule.fill(1);
    form->DelayMins->setValue(10);
    form->DelayedOffClick();
    std::set<int> beepedAt;
    for (int s = 599; s >= 0; --s) {
        const int before = recorder.beeps;
        const int restores = form->TrayIcon->RestoreCount();
        Tick();
        if (recorder.beeps != before) {
            beepedAt.insert(s);
            EXPECT_EQ(form->TrayIcon->RestoreCount(), restores + 1) << "each beep restores";
        }
    }
    std::set<int> expected = {540, 480, 420, 360, 300, 240, 180, 120, 60};
    for (int s = 0; s < 20; ++s)
        expected.insert(s);
    EXPECT_EQ(beepedAt, expected);
}

TEST_F(TickTest, CounterTexts) {
    StartMonday(9, 0, 0);
    S().OnPower = 3600;
    S().WhUsed = 0;
    Tick();
    EXPECT_EQ(S().WhUsed, 1.0) << "3600 W add one watt-hour a tick";
    S().OnPower = 0;
    S().WhUsed = 12345.6;
    S().WhSaved = 2500;
    Tick();
    EXPECT_EQ(form->kWhUsed->text(), "00012.34 kWh");
    EXPECT_EQ(form->kWhSaved->text(), "00002.50 kWh");
    S().WhUsed = 99'999'000;
    Tick();
    EXPECT_EQ(form->kWhUsed->text(), "99999.00 kWh");
    S().WhUsed = 123'456'789;
    Tick();
    EXPECT_EQ(form->kWhUsed->text(), "99999.00 kWh");
}

TEST_F(TickTest, TheFirstTickRunsBeforeTheWindowShows) {
    StartMonday(9, 0, 0);
    EXPECT_NE(form->kWhUsed->text(), " 26280.00 kWh");
    EXPECT_EQ(S().TickCount, 1);
    EXPECT_FALSE(form->isHidden());
}

class UsageReportTest : public TickTest {
protected:
    test::LocalHttpServer server;
    void SetUp() override { webHost = server.HostAndPort(); }
    std::string Query(int used, int saved) const {
        char text[96];
        std::snprintf(text, sizeof text, "?kwu=%d,&kws=%d,&did=%08X", used, saved,
                      VolumeSerial("/"));
        return std::string("/Quelmo/setup/QuelmoV.php") + text;
    }
};

TEST_F(UsageReportTest, FirstReportOnTheSeventhTickWithTheExactQuery) {
    StartMonday(9, 0, 0);
    Tick(5);
    EXPECT_TRUE(server.Targets().empty());
    Tick();
    ASSERT_EQ(server.Targets().size(), 1u);
    EXPECT_EQ(server.Targets()[0], Query(static_cast<int>(S().WhUsed / 1000), 0));
    Tick(20);
    EXPECT_EQ(server.Targets().size(), 1u) << "again only when the whole kWh changes";
}

TEST_F(UsageReportTest, TheDisplayIsCappedButTheReportIsNot) {
    StartMonday(9, 0, 0);
    Tick(6);
    S().OnPower = 0;
    S().WhUsed = 123'456'789;
    S().WhSaved = 3999;
    Tick();
    ASSERT_EQ(server.Targets().size(), 2u);
    EXPECT_EQ(server.Targets()[1], Query(123456, 3));
    EXPECT_EQ(S().LastReportedKwh, 123456);
}

TEST_F(UsageReportTest, AFailedReportIsNotRepeated) {
    server.SetAnswer(500, "");
    StartMonday(9, 0, 0);
    Tick(30);
    EXPECT_EQ(server.Targets().size(), 1u);
}

TEST_F(TickTest, ClockJumpOfMoreThanThirtySecondsLocksAndReloads) {
    StartMonday(9, 0, 0);
    form->SetConfigUnlocked(true);
    S().WeekSchedule.fill(0);
    clock.Advance(30);
    form->Timer1Timer();
    EXPECT_EQ(S().LockCountdown, 299) << "30 s is not a jump";
    EXPECT_EQ(S().WeekSchedule[40], 0);
    clock.Advance(-120);
    form->Timer1Timer();
    EXPECT_EQ(S().LockCountdown, 298) << "a clock set back is not a jump";
    clock.Advance(31);
    form->Timer1Timer();
    EXPECT_EQ(S().LockCountdown, 0);
    EXPECT_EQ(S().WeekSchedule[40], 1) << "the configuration was loaded again";
}

TEST_F(TickTest, EditHoldOffFreezesTheScheduledCountdownOnly) {
    StartMonday(9, 0, 0);
    OffHourFrom(10, 0);
    Tick();
    const std::string frozen = StatusText();
    S().EditHoldOff = 4;
    Tick(3);
    EXPECT_EQ(StatusText(), frozen);
    EXPECT_EQ(S().EditHoldOff, 1);
    Tick();
    EXPECT_EQ(S().EditHoldOff, 0);
    EXPECT_EQ(StatusText(), "PC will StandBy in 59:55 Minutes");

    form->DelayMins->setValue(5);
    form->DelayedOffClick();
    S().EditHoldOff = 10;
    Tick();
    EXPECT_EQ(StatusText(), "PC will StandBy in 04:59 Minutes") << "a delayed countdown goes on";
}

TEST_F(TickTest, MinimisedOnTheThirtiethTickUnlessTheDetailsAreShown) {
    StartMonday(9, 0, 0);
    Tick(28);
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 0);
    Tick();
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 1);
    EXPECT_TRUE(form->isHidden());
    Tick(100);
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 1);
}

TEST_F(TickTest, InTheTrayTheControlsWaitAndCatchUpWhenTheWindowReturns) {
    StartMonday(8, 59, 0);
    OffHourFrom(10, 0);
    Tick(29);
    ASSERT_TRUE(form->TrayIcon->InTray());
    const QString shown = form->Status->text();
    const QString used = form->kWhUsed->text();
    S().WhUsed += 5000;
    Tick(40);
    EXPECT_EQ(form->Status->text(), shown) << "nobody sees the window in the tray";
    EXPECT_EQ(form->kWhUsed->text(), used);
    EXPECT_EQ(S().StatusText, "PC will StandBy in 59:51 Minutes") << "the tick goes on";
    form->TrayIcon->Restore();
    EXPECT_EQ(StatusText(), "PC will StandBy in 59:51 Minutes");
    EXPECT_EQ(StatusColour(), QColor(0, 255, 0)) << "turned green while in the tray";
    EXPECT_EQ(form->kWhUsed->text().toStdString(), FormatKwh(S().WhUsed * 0.001));
}

TEST_F(TickTest, NotMinimisedWhileTheDetailsAreShown) {
    StartMonday(9, 0, 0);
    form->ShowDetailsClick();
    Tick(200);
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 0);
    EXPECT_EQ(form->ShowDetails->text(), "Hide Details");
    form->ShowDetailsClick();
    Tick();
    EXPECT_EQ(form->ShowDetails->text(), "Show Details");
}

TEST_F(TickTest, IdleWithoutASwitchOffWithinAWeek) {
    StartMonday(9, 0, 0);
    S().WeekSchedule.fill(1);
    Tick();
    EXPECT_EQ(StatusText(), "");
    EXPECT_TRUE(Idle());
    // A boundary exactly a week ahead still counts.
    S().WeekSchedule[9 * 6] = 0; // Monday 09:00–09:10 off, the slot the clock is in
    clock.SetLocal(2026, 12, 7, 9, 0, 0);
    S().LastClock = LocalStandardNow();
    form->Timer1Timer();
    EXPECT_EQ(StatusText(), "PC will StandBy in 168:00:00 Hours");
    EXPECT_TRUE(Armed());
}

TEST_F(TickTest, NoticeOpenDuringATickDoesNotStack) {
    StartMonday(11, 25, 0); // the start-up guard's notice comes with the first tick
    ASSERT_EQ(recorder.notices.size(), 1u);
    // A tick nested inside an open notice neither repeats it nor switches off.
    recorder.whileOpen = [this](const std::string&) { Tick(10); };
    form->ResumeClick();
    Tick();
    ShowNotice("outer");
    EXPECT_EQ(recorder.notices.back(), "outer");
    EXPECT_TRUE(PowerCalls().empty());
}

} // namespace
} // namespace quelmo
