// The logind client against python-dbusmock's logind on a private bus.
#include "platform/power_manager.h"
#include "tests/power/logind_mock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace quelmo::test {
namespace {

using platform::CapabilityAnswer;
using platform::PowerManager;

class LogindTest : public SharedLogindMock<::testing::Test> {
protected:
    void SetUp() override {
        ResetMock();
        if (IsSkipped() || HasFatalFailure())
            return;
        logind = platform::MakeLogindPowerManager(mock->Address());
        ASSERT_TRUE(logind->Connect());
        mock->ClearCalls();
    }

    std::unique_ptr<PowerManager> logind;
};

// How logind may answer a capability question, and what Quelmo makes of it.
struct AnswerRow {
    const char* name;
    const char* code; // the mock's Python snippet
    CapabilityAnswer expected;
};

void PrintTo(const AnswerRow& row, std::ostream* out) {
    *out << row.name;
}

class CapabilityAnswers : public LogindTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(CapabilityAnswers, EachQuestionCountsOnlyYesAndChallengeAsAllowed) {
    const AnswerRow& row = GetParam();
    const bool allowed = row.expected == CapabilityAnswer::Allowed;
    for (const char* question : {"CanSuspend", "CanHibernate", "CanPowerOff"}) {
        ASSERT_TRUE(mock->Reset());
        // A malformed answer needs its own signature; the others answer a text.
        const std::string signature = std::string(row.name) == "a number" ? "i" : "s";
        ASSERT_TRUE(mock->AddMethod(question, "", signature, row.code));
        SCOPED_TRACE(question);
        const std::string q = question;
        EXPECT_EQ(logind->CanSuspend(), q == "CanSuspend" ? allowed : true);
        EXPECT_EQ(logind->CanHibernate(), q == "CanHibernate" ? allowed : true);
        EXPECT_EQ(logind->CanPowerOff(), q == "CanPowerOff" ? allowed : true);
        // Each question was really put to logind.
        EXPECT_EQ(mock->CallsOf(question).size(), 1u);
    }
    ASSERT_TRUE(mock->AddMethod("CanPowerOff", "", std::string(row.name) == "a number" ? "i" : "s",
                                row.code));
    EXPECT_EQ(logind->PowerOffDecision(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Logind, CapabilityAnswers,
    ::testing::Values(AnswerRow{"yes", "ret = 'yes'", CapabilityAnswer::Allowed},
                      AnswerRow{"challenge", "ret = 'challenge'", CapabilityAnswer::Allowed},
                      AnswerRow{"no", "ret = 'no'", CapabilityAnswer::Refused},
                      AnswerRow{"na", "ret = 'na'", CapabilityAnswer::Refused},
                      AnswerRow{"inhibited", "ret = 'inhibited'", CapabilityAnswer::Refused},
                      AnswerRow{"an error",
                                "raise dbus.exceptions.DBusException('no', "
                                "name='org.freedesktop.DBus.Error.AccessDenied')",
                                CapabilityAnswer::NoAnswer},
                      AnswerRow{"a number", "ret = 1", CapabilityAnswer::NoAnswer}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            c = c == ' ' ? '_' : c;
        return name;
    });

TEST_F(LogindTest, AHangingLogindIsGivenUpOnWithinTheCallTimeOut) {
    ASSERT_TRUE(mock->AddMethod("CanHibernate", "", "s", "time.sleep(4)\nret = 'yes'"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(logind->CanHibernate());
    EXPECT_LT(timer.elapsed(), platform::kLogindCallTimeoutMs + 1500);
    EXPECT_GE(timer.elapsed(), platform::kLogindCallTimeoutMs - 100);
}

// Requests that polkit may have to put to the person.
struct AuthorizedRow {
    const char* name;
    const char* method; // as logind names it
    const char* inSignature;
    std::function<platform::PowerRequestResult(PowerManager&)> request;
};

void PrintTo(const AuthorizedRow& row, std::ostream* out) {
    *out << row.name;
}

class AuthorizedRequests : public LogindTest,
                           public ::testing::WithParamInterface<AuthorizedRow> {};

TEST_P(AuthorizedRequests, AllowTheAgentToAskAndKeepEventsComingWhileThePersonAnswers) {
    const AuthorizedRow& row = GetParam();
    ASSERT_TRUE(mock->AuthorizeAfter(row.method, row.inSignature, 1.5));
    QTimer ticker;
    int ticks = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick, took;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticks;
    });
    ticker.start(100);
    sinceTick.start();
    took.start();
    EXPECT_TRUE(row.request(*logind));
    EXPECT_GE(took.elapsed(), 1400);
    EXPECT_GE(ticks, 8);
    EXPECT_LT(longestGap, 600) << "the thread was blocked";
    EXPECT_EQ(mock->CallsOf(row.method).size(), 1u);
}

TEST_P(AuthorizedRequests, ARefusalCarriesLogindsError) {
    const AuthorizedRow& row = GetParam();
    ASSERT_TRUE(mock->Refuse(row.method, "org.freedesktop.login1.OperationInProgress",
                             "There's already a shutdown or sleep operation in progress"));
    const platform::PowerRequestResult result = row.request(*logind);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.errorName, "org.freedesktop.login1.OperationInProgress");
    EXPECT_EQ(result.errorMessage, "There's already a shutdown or sleep operation in progress");
}

INSTANTIATE_TEST_SUITE_P(
    Logind, AuthorizedRequests,
    ::testing::Values(
        AuthorizedRow{"Suspend", "Suspend", "b", [](PowerManager& p) { return p.Suspend(); }},
        AuthorizedRow{"Hibernate", "Hibernate", "b", [](PowerManager& p) { return p.Hibernate(); }},
        AuthorizedRow{
            "TimedPowerOff", "ScheduleShutdown", "st",
            [](PowerManager& p) { return p.SchedulePowerOff("m", 1700000000000000ull); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogindTest, ConnectNeedsEveryCapabilityQuestionAnswered) {
    auto fresh = platform::MakeLogindPowerManager(mock->Address());
    ASSERT_TRUE(mock->Answer("CanSuspend", "na"));
    EXPECT_TRUE(fresh->Connect()) << "a refusal is still an answer";
    ASSERT_TRUE(mock->Fail("CanHibernate", "", "s"));
    EXPECT_FALSE(fresh->Connect());
}

TEST_F(LogindTest, DisconnectedClientAnswersNoAndRequestsNothing) {
    logind->Disconnect();
    EXPECT_FALSE(logind->CanSuspend());
    EXPECT_EQ(logind->Suspend().errorName, "org.freedesktop.DBus.Error.Disconnected");
    EXPECT_FALSE(logind->SchedulePowerOff("x", 1));
    EXPECT_FALSE(logind->BlockInhibited());
    EXPECT_FALSE(logind->ListInhibitors());
    EXPECT_TRUE(mock->Calls().empty());
}

TEST_F(LogindTest, SuspendAndHibernateAreInteractiveRequests) {
    EXPECT_TRUE(logind->Suspend());
    EXPECT_TRUE(logind->Hibernate());
    EXPECT_EQ(mock->Calls(), (std::vector<std::string>{"Suspend True", "Hibernate True"}));
    ASSERT_TRUE(mock->Fail("Suspend", "b", ""));
    EXPECT_FALSE(logind->Suspend());
}

TEST_F(LogindTest, TimedPowerOffSetsTheWallMessageThenSchedules) {
    EXPECT_TRUE(
        logind->SchedulePowerOff("The System will shut down in 10 Seconds", 1700000010250000ull));
    EXPECT_EQ(mock->Calls(), (std::vector<std::string>{
                                 "SetWallMessage \"The System will shut down in 10 Seconds\" True",
                                 "ScheduleShutdown \"poweroff\" 1700000010250000"}));
}

TEST_F(LogindTest, RefusedScheduleIsAFailureAndCancelReportsWhatItCancelled) {
    ASSERT_TRUE(mock->Fail("ScheduleShutdown", "st", ""));
    EXPECT_FALSE(logind->SchedulePowerOff("m", 1700000000000000ull));
    EXPECT_TRUE(logind->CancelScheduledPowerOff());
    ASSERT_TRUE(mock->AddMethod("CancelScheduledShutdown", "", "b", "ret = False"));
    EXPECT_FALSE(logind->CancelScheduledPowerOff()) << "nothing was scheduled";
    ASSERT_TRUE(mock->AddMethod("CancelScheduledShutdown", "", "", ""));
    EXPECT_FALSE(logind->CancelScheduledPowerOff()) << "an answer without the flag";
    EXPECT_EQ(mock->CallsOf("CancelScheduledShutdown").size(), 3u);
}

TEST(LogindWithoutSchedule, PowersOffAtOnceWhereScheduleShutdownIsMissing) {
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    LogindMock old(LogindMock::Setup::WithoutSchedule);
    ASSERT_TRUE(old.Ok()) << old.Failure();
    auto logind = platform::MakeLogindPowerManager(old.Address());
    ASSERT_TRUE(logind->Connect());
    old.ClearCalls();
    EXPECT_TRUE(logind->SchedulePowerOff("m", 1700000000000000ull));
    EXPECT_EQ(old.CallsOf("PowerOff"), std::vector<std::string>{"PowerOff True"});
}

TEST(LogindUnreachable, ConnectFailsWithoutLogindOrWithoutABus) {
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    LogindMock empty(LogindMock::Setup::BusOnly);
    ASSERT_TRUE(empty.Ok()) << empty.Failure();
    auto logind = platform::MakeLogindPowerManager(empty.Address());
    EXPECT_FALSE(logind->Connect());
    EXPECT_FALSE(logind->CanSuspend());

    auto nowhere = platform::MakeLogindPowerManager("unix:path=/nonexistent/quelmo-bus");
    EXPECT_FALSE(nowhere->Connect());
}

TEST(LogindSystemBus, TheSystemBusAddressIsReadAtEachConnect) {
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    LogindMock first, second(LogindMock::Setup::BusOnly);
    ASSERT_TRUE(first.Ok() && second.Ok());
    auto logind = platform::MakeLogindPowerManager();
    setenv("DBUS_SYSTEM_BUS_ADDRESS", first.Address().c_str(), 1);
    EXPECT_TRUE(logind->Connect());
    setenv("DBUS_SYSTEM_BUS_ADDRESS", second.Address().c_str(), 1);
    EXPECT_FALSE(logind->Connect());
    unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

} // namespace
} // namespace quelmo::test
