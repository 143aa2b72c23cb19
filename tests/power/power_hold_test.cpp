// The end of a countdown against logind's mock: held back while another program's block lock
// covers it, and what a refused switch-off books and shows.
#include "config/settings.h"
#include "control/remote_control.h"
#include "platform/wake_alarm.h"
#include "power/switchoff.h"
#include "schedule/week_schedule.h"
#include "tests/config/config_test_util.h"
#include "tests/power/logind_form_fixture.h"
#include "tray/trayicon.h"

#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace quelmo::test {
namespace {

constexpr double kOnW = 80, kSbyW = 3;

class HoldTest : public LogindFormTest {
protected:
    // Monday 3 June 2024, on all week but for Monday 10:00 to 11:00; started at 09:40, so that
    // the start-up guard has passed by the switch-off.
    void StartBeforeTheOffHour() {
        StartAt(2024, 6, 3, 9, 40, 0);
        ASSERT_TRUE(S().StartupComplete);
        S().WeekSchedule.fill(1);
        std::fill_n(S().WeekSchedule.begin() + 60, 6, std::uint8_t{0});
        mock->ClearCalls();
    }
    // Ticks until the clock shows that time of Monday.
    void TickTo(int hour, int minute, int second) {
        const std::int64_t target =
            clock.utcSeconds - clock.utcSeconds % 86400 + hour * 3600 + minute * 60 + second;
        Tick(static_cast<int>(target - clock.utcSeconds));
    }
    std::vector<std::string> Requests() const {
        std::vector<std::string> kept;
        for (const std::string& call : mock->Calls())
            for (const char* request : {"Suspend", "Hibernate", "ScheduleShutdown"})
                if (call.rfind(request, 0) == 0 && call.find(" raised: ") == std::string::npos)
                    kept.push_back(call);
        return kept;
    }
    std::string Saved() const { return ReadBytes(folder.Path() + "Quelmo.ini").value_or(""); }
    static constexpr const char* kBackup =
        "PC will StandBy when \"Backup\" (Backing up home) is done";
};

TEST_F(HoldTest, ABlockReleasedWithinTheOffSlotSwitchesOffThenForTheRestOnly) {
    StartBeforeTheOffHour();
    ASSERT_TRUE(mock->SetInhibitors({{"sleep:shutdown", "Backup", "Backing up home", "block"}}));
    TickTo(9, 59, 59);
    EXPECT_TRUE(Requests().empty()) << "no password prompt on an empty desk";
    EXPECT_EQ(S().StatusText, kBackup);
    EXPECT_EQ(RemoteControl::StateOf(*model).status, kBackup) << "the bus and --status say it";
    EXPECT_EQ(form->TrayIcon->Hint(), kBackup);
    EXPECT_FALSE(form->Abort->isHidden()) << "it can still be cancelled";
    const double saved = S().WhSaved;

    TickTo(10, 20, 0);
    EXPECT_TRUE(Requests().empty());
    // At 09:59:59, then once a minute from 10:00:59 to 10:19:59.
    EXPECT_EQ(mock->CallsOf("ListInhibitors").size(), 21u);
    ASSERT_TRUE(mock->SetInhibitors({}));
    Tick(60);
    ASSERT_EQ(Requests(), std::vector<std::string>{"Suspend True"});
    // At 10:20:59, booked for the 39:01 minutes left to 11:00.
    EXPECT_NEAR(S().WhSaved - saved, (kOnW - kSbyW) * 2341 / 3600, 1e-9);
}

TEST_F(HoldTest, ABlockHeldPastTheOffSlotLetsItPassAndTheCountdownGoesOn) {
    StartBeforeTheOffHour();
    ASSERT_TRUE(mock->SetInhibitors({{"sleep", "Disc burner", "Writing a disc", "block"}}));
    TickTo(11, 0, 5);
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(S().StatusText, "PC will StandBy in 166:59:55 Hours") << "next Monday's";
    ASSERT_TRUE(mock->SetInhibitors({}));
    Tick(120);
    EXPECT_TRUE(Requests().empty()) << "the passed off slot is not caught up";
}

// Locks that do not hold the switch-off back, and "Now!", which logind decides on itself.
struct IgnoredRow {
    const char* name;
    LogindMock::Lock lock;
    bool now;
};
class IgnoredLocks : public HoldTest, public ::testing::WithParamInterface<IgnoredRow> {};

TEST_P(IgnoredLocks, TheSwitchOffGoesAheadOnItsSecond) {
    if (IsSkipped() || HasFatalFailure())
        return;
    const IgnoredRow& row = GetParam();
    StartBeforeTheOffHour();
    LogindMock::Lock lock = row.lock;
    if (lock.pid == 0)
        lock.pid = static_cast<std::uint32_t>(QCoreApplication::applicationPid());
    ASSERT_TRUE(mock->SetInhibitors({lock}));
    if (row.now) {
        form->NowButtonClick();
        Tick(12);
    } else {
        TickTo(9, 59, 59);
    }
    EXPECT_EQ(Requests(), std::vector<std::string>{"Suspend True"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IgnoredLocks,
    ::testing::Values(
        IgnoredRow{"a_delay_lock", {"sleep", "Backup", "Saving", "delay"}, false},
        IgnoredRow{"our_own_lock", {"sleep", "Quelmo!", "Ours", "block", 0, 0}, false},
        IgnoredRow{"a_shutdown_lock", {"shutdown", "Update", "Upgrading", "block"}, false},
        IgnoredRow{"now_with_a_block", {"sleep", "Backup", "Saving", "block"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HoldTest, ARefusedSwitchOffBooksNothingAndSaysWhy) {
    StartBeforeTheOffHour();
    ASSERT_TRUE(mock->Refuse("Suspend"));
    const double saved = S().WhSaved;
    TickTo(9, 59, 59);
    ASSERT_EQ(Requests(), std::vector<std::string>{"Suspend True"});
    EXPECT_EQ(S().WhSaved, saved);
    EXPECT_NE(Saved().find("WhSaved=" + std::to_string(static_cast<int>(saved)) + "\r\n"),
              std::string::npos);
    EXPECT_EQ(notices,
              std::vector<std::string>{"Standby was refused by the system: Access denied"});
}

TEST_F(HoldTest, ARefusedDelayedSwitchOffWaitsForResumeToTryAgain) {
    StartBeforeTheOffHour();
    ASSERT_TRUE(mock->Refuse("Suspend"));
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(60);
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_TRUE(form->Abort->isHidden());
    EXPECT_FALSE(form->Resume->isHidden()) << "still pending";
    Tick(30);
    EXPECT_EQ(Requests().size(), 1u) << "it waits";
    ASSERT_TRUE(mock->Reset());
    form->ResumeClick();
    Tick(12);
    EXPECT_EQ(Requests(), std::vector<std::string>{"Suspend True"});
    EXPECT_TRUE(form->Resume->isHidden());
}

// No RTC to carry an alarm: the hibernation still happens, and the person learns afterwards that
// the PC will not come back by itself.
TEST_F(HoldTest, AScheduledHibernationWithoutAnRtcEndsInTheNotice) {
    platform::SetWakeAlarmForTesting(platform::MakeTimerfdWakeAlarm(""));
    StartBeforeTheOffHour();
    model->SetActionIndex(ActionList::Off, kHibernate);
    std::vector<std::string> requestsBeforeNotice;
    SetNoticePresenter([&](const std::string& text) {
        requestsBeforeNotice = Requests();
        notices.push_back(text);
    });
    notices.clear();
    TickTo(9, 59, 59);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(notices, std::vector<std::string>{"Wake-up timer\nis not supported"});
    EXPECT_EQ(requestsBeforeNotice, std::vector<std::string>{"Hibernate True"})
        << "nothing holds the hibernation back";
}

} // namespace
} // namespace quelmo::test
