// The power actions and the shutdown privilege on the doubles.
#include "power/stuff.h"
#include "power/switchoff.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quelmo::test {
namespace {

class SwitchoffTest : public ::testing::Test {
protected:
    PowerDoubles doubles;
    NoticeRecorder recorder;
    TestClock clock;
};

TEST_F(SwitchoffTest, ActionNamesInCodeOrder) {
    EXPECT_EQ(ActionNames[kStandBy], "StandBy");
    EXPECT_EQ(ActionNames[kHibernate], "Hibernate");
    EXPECT_EQ(ActionNames[kShutDown], "ShutDown");
}

TEST_F(SwitchoffTest, StandByAndHibernateSuspendAndPassOnTheAnswer) {
    EXPECT_TRUE(PerformPowerAction(0).accepted);
    EXPECT_TRUE(PerformPowerAction(1).accepted);
    doubles.power.accept = false;
    EXPECT_FALSE(PerformPowerAction(0).accepted);
    EXPECT_EQ(doubles.power.calls, (std::vector<std::string>{"Suspend", "Hibernate", "Suspend"}));
}

TEST_F(SwitchoffTest, ShutDownIsScheduledTenSecondsAheadInMicroseconds) {
    clock.utcSeconds = 1700000000;
    clock.millis = 250;
    clock.Apply();
    EXPECT_TRUE(PerformPowerAction(2).accepted);
    EXPECT_EQ(doubles.power.calls,
              std::vector<std::string>{
                  "SchedulePowerOff The System will shut down in 10 Seconds 1700000010250000"});
}

// The cancel stops a power-off counting down from before; this one stays refused even when
// there was one to cancel.
TEST_F(SwitchoffTest, ARefusedShutDownCancelsWhateverIsCountingDownAndStaysRefused) {
    doubles.power.accept = false;
    const auto result = PerformPowerAction(2);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.refusal, "Power-off was refused by the system: Access denied");
    ASSERT_EQ(doubles.power.calls.size(), 2u);
    EXPECT_EQ(doubles.power.calls[1], "CancelScheduledPowerOff");
}

TEST_F(SwitchoffTest, OtherCodesDoNothing) {
    for (int code : {-2, -1, 3, 4, 255, 256}) {
        const auto result = PerformPowerAction(code);
        EXPECT_FALSE(result.accepted) << code;
        EXPECT_EQ(result.refusal, "") << code;
    }
    EXPECT_TRUE(doubles.power.calls.empty());
}

// A refusal in the person's words: the action, then why.
struct RefusalRow {
    const char* name;
    int code;
    const char* errorName;
    const char* message; // logind's own
    const char* shown;
};

void PrintTo(const RefusalRow& row, std::ostream* out) {
    *out << row.name;
}

class Refusals : public SwitchoffTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(Refusals, SayWhichActionAndWhy) {
    const RefusalRow& row = GetParam();
    doubles.power.accept = false;
    doubles.power.errorName = row.errorName;
    doubles.power.errorMessage = row.message;
    const auto result = PerformPowerAction(row.code);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.refusal, row.shown);
    EXPECT_EQ(doubles.wake.keeps, 0) << "nothing goes down on the RTC alarm";
}

INSTANTIATE_TEST_SUITE_P(
    Switchoff, Refusals,
    ::testing::Values(
        RefusalRow{"standby_access_denied", kStandBy, "org.freedesktop.DBus.Error.AccessDenied",
                   "Permission denied", "Standby was refused by the system: Access denied"},
        RefusalRow{"hibernate_authentication", kHibernate,
                   "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired", "",
                   "Hibernation was refused by the system: Authentication is required"},
        RefusalRow{"poweroff_no_answer", kShutDown, "org.freedesktop.DBus.Error.NoReply",
                   "Did not receive a reply",
                   "Power-off was refused by the system: No answer in time"},
        RefusalRow{"standby_logind_gone", kStandBy, "org.freedesktop.DBus.Error.Disconnected", "",
                   "Standby was refused by the system: The power manager (logind) cannot be "
                   "reached"},
        RefusalRow{"standby_in_progress", kStandBy, "org.freedesktop.login1.OperationInProgress",
                   "There's already a shutdown or sleep operation in progress",
                   "Standby was refused by the system: Another shutdown or sleep is already "
                   "under way"},
        RefusalRow{"hibernate_not_supported", kHibernate,
                   "org.freedesktop.login1.SleepVerbNotSupported", "Sleep verb not supported",
                   "Hibernation was refused by the system: Not supported on this PC"},
        RefusalRow{"unknown_error_in_loginds_words", kStandBy,
                   "org.freedesktop.login1.SomethingNew", "Something new went wrong",
                   "Standby was refused by the system: Something new went wrong"},
        RefusalRow{"unknown_error_without_words", kStandBy, "org.example.Error.Odd", "",
                   "Standby was refused by the system: org.example.Error.Odd"}),
    [](const auto& info) { return std::string(info.param.name); });

// An accepted hibernation or power-off leaves the RTC alarm set when the program ends on the
// way; an accepted standby does not need it.
TEST_F(SwitchoffTest, OnlyAnAcceptedHibernationOrPowerOffKeepsTheRtcAlarm) {
    PerformPowerAction(kStandBy);
    EXPECT_EQ(doubles.wake.keeps, 0);
    PerformPowerAction(kHibernate);
    PerformPowerAction(kShutDown);
    EXPECT_EQ(doubles.wake.keeps, 2);
}

TEST_F(SwitchoffTest, WhereBlockInhibitedCannotBeReadTheLocksAreListedAnyway) {
    doubles.power.inhibitors = {{"sleep", "Backup", "Backing up home", "block", 1000, 4242}};
    doubles.power.blockInhibited.reset();
    EXPECT_EQ(SwitchOffBlockers(kStandBy), (std::vector<Blocker>{{"Backup", "Backing up home"}}));
    doubles.power.blockInhibited = "";
    EXPECT_EQ(SwitchOffBlockers(kStandBy), std::vector<Blocker>{}) << "the cheap look suffices";
    EXPECT_EQ(doubles.power.calls, std::vector<std::string>{"ListInhibitors"});
}

TEST_F(SwitchoffTest, LoadAndFreeReachAndLeaveLogind) {
    EXPECT_TRUE(LoadPowerLibrary());
    FreePowerLibrary();
    doubles.power.reachable = false;
    EXPECT_FALSE(LoadPowerLibrary());
    EXPECT_EQ(doubles.power.calls, (std::vector<std::string>{"Connect", "Disconnect", "Connect"}));
}

TEST_F(SwitchoffTest, ARefusedPrivilegeIsShownButTheTokenStillOpened) {
    EXPECT_TRUE(EnableShutdownPrivilege());
    EXPECT_TRUE(recorder.notices.empty());
    doubles.power.canPowerOff = false;
    EXPECT_TRUE(EnableShutdownPrivilege());
    EXPECT_EQ(recorder.notices,
              std::vector<std::string>{
                  "Power-off is not permitted\n(polkit: org.freedesktop.login1.power-off)"});
}

TEST_F(SwitchoffTest, EnablePrivilegeChecksTheNamedPrivilege) {
    const AccessToken token{{"SeShutdownPrivilege"}};
    EXPECT_TRUE(EnablePrivilege(token, "SeShutdownPrivilege"));
    EXPECT_FALSE(EnablePrivilege(token, "SeDebugPrivilege"));
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"SeDebugPrivilege\nis not permitted"});
}

TEST_F(SwitchoffTest, CapabilityQuestionsAskThePowerManager) {
    doubles.power.canSuspend = false;
    EXPECT_FALSE(IsPwrSuspendAllowed());
    EXPECT_TRUE(IsPwrHibernateAllowed());
    EXPECT_TRUE(IsPwrShutdownAllowed());
}

} // namespace
} // namespace quelmo::test
