// The command line end to end: the program run as a separate process against a running copy on
// the private session bus, and against none.
#include "control/remote_control.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tests/support/session_bus.h"
#include "tray/trayicon.h"

#include <QComboBox>
#include <QProcess>
#include <QTest>

namespace quelmo {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

// Runs the program; this thread serves the running copy meanwhile.
Outcome
RunProgram(const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUELMO_PROGRAM), arguments);
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 20000));
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

class CommandLineTest : public test::FormTest {
protected:
    void SetUp() override {
        if (const auto& missing = test::PrivateSessionBus::Missing())
            GTEST_SKIP() << *missing;
    }
    void StartCopy() {
        StartAt(2026, 12, 7, 9, 0, 0);
        S().WeekSchedule.fill(1);
        control = std::make_unique<RemoteControl>(*model);
        ASSERT_TRUE(control->Serving());
        Tick();
    }
    void TearDown() override {
        control.reset();
        FormTest::TearDown();
    }
    std::unique_ptr<RemoteControl> control;
};

TEST_F(CommandLineTest, EachCommandTalksToTheRunningCopy) {
    StartCopy();
    Outcome run = RunProgram({"--switch-off", "5", "--action", "hibernate"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(S().DelayedOffSeconds, 300);
    EXPECT_EQ(form->DelayAction->currentIndex(), 1);
    Tick();

    run = RunProgram({"--status"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Status: PC will Hibernate in 04:59 Minutes\n"
                       "Action: Hibernate\n"
                       "SecondsLeft: 299\n"
                       "KwhUsed: 0.00\n"
                       "KwhSaved: 0.00\n"
                       "Locked: yes\n");

    run = RunProgram({"--now", "--action", "standby"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(S().DelayedOffSeconds, 12);
    EXPECT_EQ(form->DelayAction->currentIndex(), 0);

    run = RunProgram({"--cancel"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(S().DelayedOffSeconds, 0);

    form->TrayIcon->Minimize();
    run = RunProgram({"--show"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(form->isHidden());
}

TEST_F(CommandLineTest, RefusalsAndMistakesExitWithOneAndSayWhy) {
    StartCopy();
    const struct {
        const char* name;
        QStringList arguments;
        std::string err;
    } rows[] = {
        {"minutes out of range", {"--switch-off", "61"}, "Minutes must be 1 to 60, not 61\n"},
        {"minutes not a number",
         {"--switch-off", "ten"},
         "MINUTES must be a whole number from 1 to 60\n"},
        {"unknown action",
         {"--now", "--action", "nap"},
         "Unknown action \"nap\": use standby, hibernate or poweroff\n"},
        {"nothing to cancel", {"--cancel"}, "No switch-off is pending\n"},
        {"two commands",
         {"--cancel", "--show"},
         "Give only one of --status, --switch-off, --now, --cancel, --show\n"},
        {"action alone", {"--action", "standby"}, "--action goes with --switch-off or --now\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome run = RunProgram(row.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(S().DelayedOffSeconds, 0);
        EXPECT_EQ(form->DelayAction->currentIndex(), 0);
    }
}

TEST_F(CommandLineTest, WithoutARunningCopyEachCommandExitsWithTwo) {
    QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
    noBus.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quelmo-test-bus");
    for (const QStringList& arguments :
         {QStringList{"--status"}, QStringList{"--switch-off", "5"}, QStringList{"--now"},
          QStringList{"--cancel"}, QStringList{"--show"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        for (const auto& environment : {QProcessEnvironment::systemEnvironment(), noBus}) {
            const Outcome run = RunProgram(arguments, environment);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.err, "Quelmo! is not running\n");
            EXPECT_EQ(run.out, "");
        }
    }
}

TEST_F(CommandLineTest, HelpAndVersionNeedNoCopy) {
    Outcome run = RunProgram({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--status", "--switch-off <MINUTES>", "--now", "--action <ACTION>",
                               "--cancel", "--show", "--version"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    run = RunProgram({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "quelmo 1.14\n");
}

} // namespace
} // namespace quelmo
