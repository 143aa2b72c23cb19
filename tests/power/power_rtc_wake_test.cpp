// ArmWakeTimer answers "armed" only where the timer can wake the PC from the state the action
// enters, and reaches the RTC alarm through the helper only where the program may not write it.
// The wake probe runs the real timerfd and RTC code as root, or as nobody with or without
// CAP_WAKE_ALARM; a stand-in attribute and a recording stand-in helper take the writes.
#include "power/switchoff.h"
#include "tests/power/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>

namespace quelmo::test {
namespace {

enum class User { Root, Nobody, NobodyWithWakeCapability };
enum class Helper { Grants, Refuses, Missing };
enum class Route { None, Direct, Helper }; // how the RTC alarm was reached

class RtcWake : public ::testing::Test {
protected:
    void SetUp() override {
        if (auto why = NobodyCannotRun(QStringLiteral(WAKE_PROBE)))
            GTEST_SKIP() << *why;
        // Nobody reaches the folder, may append to the helper's log and run the helper.
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::ExeOther;
        ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone));
        ASSERT_TRUE(QFile(Path("helper.log")).open(QIODevice::WriteOnly));
        ASSERT_TRUE(QFile::setPermissions(Path("helper.log"), QFile::ReadOwner | QFile::WriteOwner |
                                                                  QFile::ReadOther |
                                                                  QFile::WriteOther));
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // The stand-in RTC (absent, or writable by root alone or by everyone) and helper.
    void Prepare(bool rtc, bool writable, Helper helper) {
        if (rtc) {
            ASSERT_TRUE(QFile(Path("wakealarm")).open(QIODevice::WriteOnly));
            ASSERT_TRUE(QFile::setPermissions(
                Path("wakealarm"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                       (writable ? QFile::WriteOther : QFile::Permissions())));
        }
        if (helper == Helper::Missing)
            return;
        QFile script(Path("helper"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\necho \"$*\" >>" + Path("helper.log").toStdString() + "\nexit " +
                      (helper == Helper::Grants ? "0" : "127") + "\n")
                         .c_str());
        script.close();
        ASSERT_TRUE(QFile::setPermissions(Path("helper"), QFile::ReadOwner | QFile::WriteOwner |
                                                              QFile::ExeOwner | QFile::ReadOther |
                                                              QFile::ExeOther));
    }

    // The probe's output, one line per step's answer.
    std::string Probe(User user, const QStringList& steps) const {
        QStringList command;
        if (user != User::Root)
            command = AsNobody(user == User::NobodyWithWakeCapability);
        command << QStringLiteral(WAKE_PROBE) << Path("wakealarm") << Path("helper") << steps;
        const Ran ran = RunCommand(command);
        EXPECT_EQ(ran.exitCode, 0);
        return ran.output.toStdString();
    }

    std::string Read(const char* name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    }

    // An alarm a day from the start of the test, give or take the time the test takes.
    static bool ADayAhead(const std::string& second) {
        const long long due = std::atoll(second.c_str());
        const long long wanted = std::time(nullptr) + 86400;
        return due > wanted - 30 && due <= wanted + 1;
    }

    QTemporaryDir dir;
};

struct ArmRow {
    const char* name;
    int action;
    User user;
    bool rtc, writable;
    Helper helper;
    bool armed;
    Route route;
};

void PrintTo(const ArmRow& row, std::ostream* out) {
    *out << row.name;
}

class ArmTable : public RtcWake, public ::testing::WithParamInterface<ArmRow> {};

TEST_P(ArmTable, ArmedOnlyWhereTheTimerCanWakeThePcFromTheComingState) {
    const ArmRow& row = GetParam();
    Prepare(row.rtc, row.writable, row.helper);
    const std::string out = Probe(row.user, {QStringLiteral("arm:%1:1").arg(row.action)});
    EXPECT_EQ(out, row.armed ? "armed\n" : "notice\nnot supported\n");

    const std::string rtc = Read("wakealarm"), helper = Read("helper.log");
    switch (row.route) {
    case Route::None:
        EXPECT_EQ(rtc, "");
        EXPECT_EQ(helper, "");
        break;
    case Route::Direct:
        ASSERT_EQ(rtc.rfind("0\n", 0), 0u) << rtc;
        EXPECT_TRUE(ADayAhead(rtc.substr(2))) << rtc;
        EXPECT_EQ(helper, "") << "the program could write it itself";
        break;
    case Route::Helper:
        EXPECT_EQ(rtc, "") << "the program may not write it";
        EXPECT_TRUE(ADayAhead(helper)) << helper;
        EXPECT_EQ(std::count(helper.begin(), helper.end(), '\n'), 1);
        break;
    }
}

using enum User;
using enum Helper;

INSTANTIATE_TEST_SUITE_P(
    Wake, ArmTable,
    ::testing::Values(
        // Standby: the timerfd wakes the PC where it has the capability and an RTC.
        ArmRow{"standby_timerfd", kStandBy, NobodyWithWakeCapability, true, false, Grants, true,
               Route::None},
        ArmRow{"standby_timerfd_without_an_rtc", kStandBy, NobodyWithWakeCapability, false, false,
               Grants, false, Route::None},
        ArmRow{"standby_no_capability_helper", kStandBy, Nobody, true, false, Grants, true,
               Route::Helper},
        ArmRow{"standby_no_capability_helper_refuses", kStandBy, Nobody, true, false, Refuses,
               false, Route::Helper},
        ArmRow{"standby_no_capability_writable", kStandBy, Nobody, true, true, Grants, true,
               Route::Direct},
        // Hibernation and power-off: the RTC alarm alone.
        ArmRow{"hibernate_helper", kHibernate, NobodyWithWakeCapability, true, false, Grants, true,
               Route::Helper},
        ArmRow{"hibernate_helper_refuses", kHibernate, NobodyWithWakeCapability, true, false,
               Refuses, false, Route::Helper},
        ArmRow{"hibernate_helper_missing", kHibernate, NobodyWithWakeCapability, true, false,
               Missing, false, Route::None},
        ArmRow{"hibernate_without_an_rtc", kHibernate, NobodyWithWakeCapability, false, false,
               Grants, false, Route::None},
        ArmRow{"hibernate_as_root", kHibernate, Root, true, false, Grants, true, Route::Direct},
        ArmRow{"hibernate_as_root_without_an_rtc", kHibernate, Root, false, false, Grants, false,
               Route::None},
        ArmRow{"poweroff_writable", kShutDown, Nobody, true, true, Refuses, true, Route::Direct},
        ArmRow{"poweroff_helper", kShutDown, Nobody, true, false, Grants, true, Route::Helper},
        // A suspend or hibernation from outside: both timers, judged as for standby.
        ArmRow{"any_sleep_sets_the_rtc_too", kAnySleep, NobodyWithWakeCapability, true, false,
               Grants, true, Route::Helper},
        ArmRow{"any_sleep_helper_refuses", kAnySleep, NobodyWithWakeCapability, true, false,
               Refuses, true, Route::Helper}),
    [](const auto& info) { return std::string(info.param.name); });

// The RTC alarm through the helper: cleared when the program closes the timer, except after a
// power-off or hibernation that logind accepted, which the process may not outlive; the next
// arming takes it back.
struct CloseRow {
    const char* name;
    QStringList steps;
    const char* helperCalls; // "S" for a set, "C" for a clear, in order
};

void PrintTo(const CloseRow& row, std::ostream* out) {
    *out << row.name;
}

class CloseTable : public RtcWake, public ::testing::WithParamInterface<CloseRow> {};

TEST_P(CloseTable, TheRtcAlarmOutlivesTheProgramOnlyForItsOwnSwitchOff) {
    Prepare(true, false, Grants);
    Probe(Nobody, GetParam().steps);
    std::string calls;
    for (const QString& line :
         QString::fromStdString(Read("helper.log")).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        calls += line == QLatin1String("clear") ? "C" : "S";
    EXPECT_EQ(calls, GetParam().helperCalls);
}

INSTANTIATE_TEST_SUITE_P(
    Wake, CloseTable,
    ::testing::Values(
        CloseRow{"start_up_then_exit", {"arm:0:7", "close"}, "SC"},
        CloseRow{"power_off_then_the_session_ends", {"arm:2:1", "perform:2", "close"}, "S"},
        CloseRow{"hibernation_then_exit", {"arm:1:1", "perform:1", "close"}, "S"},
        CloseRow{"standby_then_exit", {"arm:0:1", "perform:0", "close"}, "SC"},
        CloseRow{
            "rearmed_after_the_hibernation", {"arm:1:1", "perform:1", "arm:0:1", "close"}, "SSC"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo::test
