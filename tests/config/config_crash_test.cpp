// A process saving the settings in a loop is killed at random moments: whatever moment the
// kill hits, the settings read back afterwards are the last or the previous values saved,
// never the defaults.
#include "config/paths.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"
#include "tests/support/fakes.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <sstream>
#include <thread>

namespace quelmo::test {
namespace {

TEST(CrashSafety, SettingsSurviveAKillAtAnyMoment) {
    ProgramFolder folder;
    AutostartSandbox sandbox;
    {
        FakeHost host;
        LoadSettings(host);
        host.stored.WhUsed = 1000;
        host.stored.WhSaved = 2000;
        host.stored.OnPower = 0.5;
        host.config = "cfg1000.db";
        SaveSettings(host);
    }
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayMicros(0, 40000);
    constexpr int kRounds = 150;
    long totalSaves = 0;
    for (int round = 0; round < kRounds; ++round) {
        QProcess child;
        child.start(QStringLiteral(QUELMO_SAVE_CHILD),
                    {QString::fromStdString(folder.Path() + "quelmo")});
        ASSERT_TRUE(child.waitForStarted(10000));
        while (!child.canReadLine())
            ASSERT_TRUE(child.waitForReadyRead(10000)) << "round " << round;
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));

        std::istringstream lines(child.readAllStandardOutput().toStdString());
        std::string word;
        lines >> word;
        ASSERT_EQ(word, "ready");
        long last = 0, startedFrom = 0;
        lines >> startedFrom;
        last = startedFrom;
        for (long n; lines >> n;)
            last = n;
        totalSaves += last - startedFrom;

        FakeHost host;
        LoadSettings(host);
        const long value = static_cast<long>(host.stored.WhUsed);
        ASSERT_TRUE(value == last || value == last + 1)
            << "round " << round << ": read " << value << " after save " << last;
        EXPECT_EQ(host.stored.WhSaved, 2.0 * static_cast<double>(value));
        EXPECT_EQ(host.stored.OnPower, static_cast<double>(value % 1000) + 0.5);
        EXPECT_EQ(host.config, "cfg" + std::to_string(value) + ".db");
    }
    // The kills must have hit a loop that was saving, not one still starting.
    EXPECT_GT(totalSaves, kRounds);
    RecordProperty("saves", static_cast<int>(totalSaves));
}

} // namespace
} // namespace quelmo::test
