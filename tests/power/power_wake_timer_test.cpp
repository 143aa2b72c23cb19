// ArmWakeTimer: its bounds and due-time arithmetic on the double, and the real timerfd read
// back from the kernel.
#include "platform/wake_alarm.h"
#include "power/stuff.h"
#include "power/switchoff.h"
#include "tests/power/timer_probe.h"
#include "tests/support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quelmo::test {
namespace {

constexpr double kThirtySeconds = 1.0 / 2880;

// --- Bounds and arithmetic, on the double

struct BoundRow {
    const char* name;
    double days;
    std::int64_t due; // 0 = refused
};

void PrintTo(const BoundRow& row, std::ostream* out) {
    *out << row.name;
}

class Bounds : public ::testing::TestWithParam<BoundRow> {
protected:
    PowerDoubles doubles;
    NoticeRecorder recorder;
};

TEST_P(Bounds, AcceptThirtySecondsToSevenAndAHalfDaysAndRefuseTheRestSilently) {
    const BoundRow& row = GetParam();
    EXPECT_EQ(ArmWakeTimer(row.days, kStandBy), row.due != 0);
    if (row.due != 0) {
        EXPECT_EQ(doubles.wake.arms, std::vector<std::int64_t>{row.due});
        EXPECT_EQ(WakeDueTime(row.days), row.due);
    } else {
        EXPECT_FALSE(doubles.wake.created) << "a refused delay creates no timer";
        EXPECT_TRUE(doubles.wake.arms.empty());
    }
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_EQ(recorder.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Days, Bounds,
    ::testing::Values(BoundRow{"thirty_seconds", kThirtySeconds, -300000000},
                      BoundRow{"just_below_thirty_seconds", std::nextafter(kThirtySeconds, 0.0), 0},
                      BoundRow{"0_0003_days", 0.0003, 0},
                      BoundRow{"one_minute", 1.0 / 1440, -600000000},
                      BoundRow{"seven_days", 7.0, -6048000000000},
                      BoundRow{"seven_and_a_half_days", 7.5, -6480000000000},
                      BoundRow{"just_above_seven_and_a_half", std::nextafter(7.5, 8.0), 0},
                      BoundRow{"eight_days", 8.0, 0}, BoundRow{"zero", 0.0, 0},
                      BoundRow{"negative", -1.0, 0},
                      BoundRow{"nan", std::numeric_limits<double>::quiet_NaN(), 0},
                      BoundRow{"infinity", std::numeric_limits<double>::infinity(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WakeDueTime, TruncatesTowardZero) {
    // 1.5 s = 15,000,000.000… units; a third of a second is 3,333,333.33… units.
    EXPECT_EQ(WakeDueTime(1.5 / 86400), -15000000);
    EXPECT_EQ(WakeDueTime(1.0 / 3 / 86400), -3333333);
}

class WakeTimerDouble : public ::testing::Test {
protected:
    PowerDoubles doubles;
    NoticeRecorder recorder;
};

TEST_F(WakeTimerDouble, OneTimerCreatedAndTheLastCallWins) {
    EXPECT_TRUE(ArmWakeTimer(7.0, kStandBy));
    EXPECT_TRUE(ArmWakeTimer(kThirtySeconds, kStandBy));
    EXPECT_EQ(doubles.wake.arms, (std::vector<std::int64_t>{-6048000000000, -300000000}));
    EXPECT_TRUE(doubles.wake.created);
}

TEST_F(WakeTimerDouble, ACreationFailureIsShownWithTheErrorAndRetriedNextTime) {
    doubles.wake.canCreate = false;
    errno = EMFILE;
    EXPECT_FALSE(ArmWakeTimer(1.0, kStandBy));
    EXPECT_EQ(recorder.notices, std::vector<std::string>{
                                    "Wake-up timer (timerfd)\ncould not be created\n Sys Error: " +
                                    std::string(std::strerror(EMFILE))});
    EXPECT_TRUE(doubles.wake.arms.empty());
    doubles.wake.canCreate = true;
    EXPECT_TRUE(ArmWakeTimer(1.0, kStandBy));
    EXPECT_EQ(doubles.wake.arms.size(), 1u);
}

TEST_F(WakeTimerDouble, ASettingFailureAndAMissingWakeUpHaveTheirNotices) {
    doubles.wake.answer = platform::WakeArmResult::Failed;
    errno = EINVAL;
    EXPECT_FALSE(ArmWakeTimer(1.0, kStandBy));
    doubles.wake.answer = platform::WakeArmResult::NotSupported;
    EXPECT_FALSE(ArmWakeTimer(1.0, kStandBy));
    EXPECT_EQ(recorder.notices,
              (std::vector<std::string>{
                  "Wake-up timer (timerfd)\ncould not be set Sys Error: Invalid argument",
                  "Wake-up timer\nis not supported"}));
    EXPECT_EQ(recorder.beeps, 2);
}

TEST_F(WakeTimerDouble, CloseWithNothingHeldDoesNothing) {
    CloseWakeTimer();
    CloseWakeTimer();
    EXPECT_FALSE(doubles.wake.created);
}

// --- The real timerfd

bool HasWakeAlarmCapability() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    return (data[CAP_WAKE_ALARM / 32].effective & (1u << (CAP_WAKE_ALARM % 32))) != 0;
}

bool DropWakeAlarmCapability() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    data[CAP_WAKE_ALARM / 32].effective &= ~(1u << (CAP_WAKE_ALARM % 32));
    data[CAP_WAKE_ALARM / 32].permitted &= ~(1u << (CAP_WAKE_ALARM % 32));
    return ::syscall(SYS_capset, &header, data) == 0;
}

std::string ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class RealWakeTimer : public ::testing::Test {
protected:
    void SetUp() override {
        rtc = dir.filePath(QStringLiteral("wakealarm"));
        QFile file(rtc);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        platform::SetWakeAlarmForTesting(platform::MakeTimerfdWakeAlarm(rtc.toStdString()));
        before = TimerFds();
    }
    void TearDown() override { platform::SetWakeAlarmForTesting(nullptr); }
    std::vector<int> NewTimerFds() const { return Added(before, TimerFds()); }
    QTemporaryDir dir;
    QString rtc;
    std::vector<int> before;
    NoticeRecorder recorder;
};

TEST_F(RealWakeTimer, OneAlarmTimerCarriesTheLastDueTimeAndTheRtcFollowsWhereNeeded) {
    if (!HasWakeAlarmCapability())
        GTEST_SKIP() << "this process lacks CAP_WAKE_ALARM";
    ASSERT_TRUE(ArmWakeTimer(kThirtySeconds, kStandBy));
    auto fds = NewTimerFds();
    ASSERT_EQ(fds.size(), 1u);
    EXPECT_EQ(ClockIdOf(fds[0]), CLOCK_BOOTTIME_ALARM);
    EXPECT_GT(SecondsLeft(fds[0]), 28.0);
    EXPECT_LE(SecondsLeft(fds[0]), 30.0);
    EXPECT_EQ(ReadFile(rtc), "") << "the kernel carries a standby's timer into the RTC itself";

    ASSERT_TRUE(ArmWakeTimer(7.0, kHibernate));
    EXPECT_EQ(NewTimerFds(), fds) << "re-set, not created again";
    EXPECT_GT(SecondsLeft(fds[0]), 7 * 86400.0 - 2);
    EXPECT_LE(SecondsLeft(fds[0]), 7 * 86400.0);
    const std::string written = ReadFile(rtc);
    ASSERT_EQ(written.rfind("0\n", 0), 0u) << "cleared before it is set";
    EXPECT_NEAR(static_cast<double>(std::atoll(written.c_str() + 2)),
                static_cast<double>(std::time(nullptr) + 7 * 86400), 3.0);
    EXPECT_TRUE(recorder.notices.empty());

    CloseWakeTimer();
    EXPECT_TRUE(NewTimerFds().empty());
    EXPECT_EQ(ReadFile(rtc), written + "0\n") << "closing clears the RTC alarm it had set";
}

TEST_F(RealWakeTimer, ARefusedDelayCreatesNoTimer) {
    EXPECT_FALSE(ArmWakeTimer(0.0003, kStandBy));
    EXPECT_TRUE(NewTimerFds().empty());
    EXPECT_TRUE(recorder.notices.empty());
}

// Without CAP_WAKE_ALARM a plain boot-time timer keeps the due time; a standby is then woken by
// the RTC alarm alone. Run in a child process, which gives the capability up.
TEST_F(RealWakeTimer, WithoutTheWakeCapabilityStandbyFallsBackToTheRtcAlarm) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto check = [this] {
        if (HasWakeAlarmCapability() && !DropWakeAlarmCapability()) {
            std::fprintf(stderr, "cannot drop CAP_WAKE_ALARM\n");
            std::_Exit(2);
        }
        const bool armed = ArmWakeTimer(kThirtySeconds, kStandBy);
        const auto fds = NewTimerFds();
        const std::string written = ReadFile(rtc);
        const bool ok = armed && fds.size() == 1 && ClockIdOf(fds[0]) == CLOCK_BOOTTIME &&
                        SecondsLeft(fds[0]) > 28.0 && SecondsLeft(fds[0]) <= 30.0 &&
                        written.rfind("0\n", 0) == 0 && std::atoll(written.c_str() + 2) > 0 &&
                        recorder.notices.empty();
        std::fprintf(stderr, "%s\n", ok ? "the RTC, as expected" : "wrong outcome");
        std::_Exit(ok ? 0 : 1);
    };
    EXPECT_EXIT(check(), ::testing::ExitedWithCode(0), "the RTC, as expected");
}

} // namespace
} // namespace quelmo::test
