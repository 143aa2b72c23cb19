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
    EXPECT_TRUE(PerformPowerAction(0));
    EXPECT_TRUE(PerformPowerAction(1));
    doubles.power.accept = false;
    EXPECT_FALSE(PerformPowerAction(0));
    EXPECT_EQ(doubles.power.calls, (std::vector<std::string>{"Suspend", "Hibernate", "Suspend"}));
}

TEST_F(SwitchoffTest, ShutDownIsScheduledTenSecondsAheadInMicroseconds) {
    clock.utcSeconds = 1700000000;
    clock.millis = 250;
    clock.Apply();
    EXPECT_TRUE(PerformPowerAction(2));
    EXPECT_EQ(doubles.power.calls,
              std::vector<std::string>{
                  "SchedulePowerOff The System will shut down in 10 Seconds 1700000010250000"});
}

TEST_F(SwitchoffTest, ARefusedShutDownCancelsWhateverIsCountingDown) {
    doubles.power.accept = false;
    EXPECT_TRUE(PerformPowerAction(2)) << "the result is the cancel's";
    ASSERT_EQ(doubles.power.calls.size(), 2u);
    EXPECT_EQ(doubles.power.calls[1], "CancelScheduledPowerOff");
}

TEST_F(SwitchoffTest, OtherCodesDoNothing) {
    for (int code : {-1, 3, 4, 255, 256})
        EXPECT_FALSE(PerformPowerAction(code)) << code;
    EXPECT_TRUE(doubles.power.calls.empty());
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
