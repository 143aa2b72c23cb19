// A week of ticks through the main window: five on-periods a day, each ended by the schedule,
// a delayed switch-off, "Now!", a clock set forward or a configuration changed while the PC
// slept. The PC sleeps at every switch-off until its wake-up timer is due. The week runs twice:
// ticked every second, and as the program's own timers have it with the window in the tray,
// where the program sleeps between its moments.
#include "config/settings.h"
#include "power/switchoff.h"
#include "tests/support/form_fixture.h"
#include "tray/trayicon.h"

#include <QFile>
#include <QSpinBox>

#include <cstdio>
#include <map>
#include <string>

namespace quelmo {
namespace {

constexpr int kOnW = 100, kOffW = 2, kSbyW = 5;
constexpr int kHours[] = {8, 10, 12, 14, 16}; // on from hh:00 to hh:30

class WeekTest : public test::FormTest, public ::testing::WithParamInterface<bool> {
protected:
    // One second, with its tick (which the program's own rhythm puts in its middle).
    void Step() {
        if (ownTicks)
            driver->RunUntil((clock.utcSeconds + 1) * 1000 + 999);
        else
            Tick();
    }
    void SetClockForward(int seconds) {
        if (ownTicks)
            driver->SetClock(seconds);
        else
            clock.Advance(seconds);
    }
    // Monday 7 December 2026, 00:00 UTC (TZ is UTC in tests).
    static constexpr std::int64_t kMonday = 1796601600;
    static std::int64_t At(int day, int hour, int minute, int second) {
        return kMonday + day * 86400 + hour * 3600 + minute * 60 + second;
    }

    void WriteFile(const char* name, const std::string& text) {
        std::FILE* file = std::fopen((folder.Path() + name).c_str(), "wb");
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
    void WriteDatabase(int offAction, int delayAction) {
        std::string day(144, '0');
        for (int hour : kHours)
            day.replace(hour * 6, 3, "111");
        std::string text = "OffAction=" + std::to_string(offAction) +
                           "\r\nDelayAction=" + std::to_string(delayAction) + "\r\n";
        for (const char* key : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
            text += std::string(key) + "=" + day + "\r\n";
        WriteFile("Default.db", text);
    }
    std::map<std::string, std::string> SettingsFile() const {
        QFile file(QString::fromStdString(folder.Path() + "Quelmo.ini"));
        std::map<std::string, std::string> keys;
        if (!file.open(QIODevice::ReadOnly))
            return keys;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const auto equals = line.indexOf('=');
            if (equals > 0)
                keys[line.left(equals).toStdString()] =
                    line.mid(equals + 1).trimmed().toStdString();
        }
        return keys;
    }

    // Ticks up to and including the given second; nothing may be switched off on the way.
    void RunTo(std::int64_t second) {
        const std::size_t calls = doubles.power.calls.size();
        while (clock.utcSeconds < second) {
            Step();
            usedWh += kOnW / 3600.0;
            if (doubles.power.calls.size() != calls)
                FAIL() << "switched off early, at " << clock.utcSeconds - kMonday << " s";
        }
    }

    // The next tick switches off with `action`; the PC then sleeps until `wake`.
    void SwitchOffOnNextTick(const std::string& action, std::int64_t wake, int savingW) {
        const std::size_t calls = doubles.power.calls.size();
        Step();
        usedWh += kOnW / 3600.0;
        const std::string when = std::to_string(clock.utcSeconds - kMonday) + " s";
        ASSERT_EQ(doubles.power.calls.size(), calls + 1) << "no switch-off at " << when;
        EXPECT_EQ(doubles.power.calls.back(), action) << when;
        const double days = static_cast<double>(wake - clock.utcSeconds) / 86400;
        ASSERT_FALSE(doubles.wake.arms.empty());
        EXPECT_NEAR(doubles.wake.arms.back(), WakeDueTime(days), 10000) << when;
        savedWh += savingW * days * 24;
        EXPECT_NEAR(S().WhSaved, savedWh, 1e-3) << when;
        EXPECT_NEAR(S().WhUsed, usedWh, 1e-3) << when;
        const auto file = SettingsFile();
        EXPECT_EQ(file.at("WhUsed"), std::to_string(static_cast<int>(S().WhUsed))) << when;
        EXPECT_EQ(file.at("WhSaved"), std::to_string(static_cast<int>(S().WhSaved))) << when;
        ++switchOffs;

        // logind announces the suspend: the timer is armed again for the same moment.
        const std::size_t arms = doubles.wake.arms.size();
        ASSERT_TRUE(doubles.sleep.onSleep);
        doubles.sleep.onSleep(true);
        ASSERT_EQ(doubles.wake.arms.size(), arms + 1);
        EXPECT_EQ(doubles.wake.arms.back(), doubles.wake.arms[arms - 1]);
        clock.utcSeconds = wake;
        clock.millis = 0;
        clock.Apply();
        doubles.sleep.onSleep(false);
        if (ownTicks) {
            // The rhythm's timer, left running across the suspend, comes within the second the
            // PC wakes in: a tick the every-second run leaves out.
            usedWh += kOnW / 3600.0;
            // The warnings brought the window back; whoever was at the PC put it away again.
            form->TrayIcon->Minimize();
        }
    }

    double usedWh = 1000, savedWh = 500;
    int switchOffs = 0;
};

TEST_P(WeekTest, EverySwitchOffOnItsTickWithItsActionWakeUpAndEnergy) {
    ownTicks = GetParam();
    WriteFile("Quelmo.ini", "WhUsed=1000\r\nWhSaved=500\r\nOnPower=100\r\nOffPower=2\r\n"
                            "SbyPower=5\r\n");
    WriteDatabase(0, 0);
    StartAt(2026, 12, 7, 8, 0, 0);
    ASSERT_EQ(clock.utcSeconds, At(0, 8, 0, 0));
    usedWh += kOnW / 3600.0; // the first tick, during start-up
    const std::string standby = "Suspend", hibernate = "Hibernate";

    for (int day = 0; day < 7; ++day) {
        // The fleet's configuration changed while the PC slept: hibernate from Thursday on.
        const bool hibernating = day >= 3;
        const std::string& scheduled = hibernating ? hibernate : standby;
        const int scheduledW = kOnW - (hibernating ? kOffW : kSbyW);
        for (int p = 0; p < 5; ++p) {
            const int hour = kHours[p];
            const std::int64_t nextOn = p < 4 ? At(day, kHours[p + 1], 0, 0) : At(day + 1, 8, 0, 0);
            SCOPED_TRACE("day " + std::to_string(day) + ", " + std::to_string(hour) + ":00");
            if (day == 0 && p == 2) { // a delayed standby of 3 minutes
                RunTo(At(day, hour, 5, 0));
                form->DelayMins->setValue(3);
                form->DelayedOffClick();
                RunTo(At(day, hour, 7, 59));
                SwitchOffOnNextTick(standby, nextOn, kOnW - kSbyW);
                continue;
            }
            if (day == 1 && p == 1) { // "Now!": asleep for a minute, then on again
                RunTo(At(day, hour, 5, 0));
                form->NowButtonClick();
                RunTo(At(day, hour, 5, 11));
                SwitchOffOnNextTick(standby, At(day, hour, 6, 12), kOnW - kSbyW);
            }
            if (day == 2 && p == 2) { // the clock is set five minutes forward
                RunTo(At(day, hour, 10, 0));
                SetClockForward(300);
            }
            if (day == 4 && p == 3) { // a delayed hibernation of 5 minutes
                RunTo(At(day, hour, 10, 0));
                form->DelayMins->setValue(5);
                form->DelayedOffClick();
                RunTo(At(day, hour, 14, 59));
                SwitchOffOnNextTick(hibernate, nextOn, kOnW - kOffW);
                continue;
            }
            if (day == 5 && p == 0) { // a delayed switch-off that outlasts the on-period
                RunTo(At(day, hour, 20, 0));
                form->DelayMins->setValue(20);
                form->DelayedOffClick();
                RunTo(At(day, hour, 39, 59));
                SwitchOffOnNextTick(hibernate, nextOn, kOnW - kOffW);
                continue;
            }
            RunTo(At(day, hour, 29, 58));
            SwitchOffOnNextTick(scheduled, nextOn, scheduledW);
            if (day == 2 && p == 4)
                WriteDatabase(1, 1);
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_EQ(switchOffs, 36); // 32 by the schedule, 3 delayed, one "Now!"
    RunTo(At(7, 8, 0, 5));

    const double whUsed = S().WhUsed, whSaved = S().WhSaved;
    const int delivered = ownTicks ? driver->ticks + driver->wakes : 0;
    Stop(); // the way out saves everything
    const auto file = SettingsFile();
    EXPECT_NEAR(std::stod(file.at("WhUsed")), usedWh, 1.0);
    EXPECT_EQ(file.at("WhUsed"), std::to_string(static_cast<int>(whUsed)));
    EXPECT_NEAR(std::stod(file.at("WhSaved")), savedWh, 1.0);
    EXPECT_EQ(file.at("WhSaved"), std::to_string(static_cast<int>(whSaved)));
    EXPECT_EQ(file.at("OnPower"), "100");
    EXPECT_EQ(file.at("OffPower"), "2");
    EXPECT_EQ(file.at("SbyPower"), "5");
    EXPECT_EQ(file.at("DbFile"), "Default.db");
    if (ownTicks) {
        EXPECT_LT(delivered, 7 * 86400 / 10) << "it slept";
    }
}

INSTANTIATE_TEST_SUITE_P(Ticks, WeekTest, ::testing::Values(false, true), [](const auto& info) {
    return std::string(info.param ? "asleep" : "every_second");
});

} // namespace
} // namespace quelmo
