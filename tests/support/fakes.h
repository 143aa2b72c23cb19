#pragma once
// Doubles for the platform's power management and wake-up timer, the notice and beep seams,
// a settable clock and a private program folder.

#include "platform/notification_area.h"
#include "platform/power_manager.h"
#include "platform/sleep_monitor.h"
#include "platform/wake_alarm.h"

#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::test {

class FakePowerManager final : public platform::PowerManager {
public:
    struct State {
        bool reachable = true;
        bool canSuspend = true, canHibernate = true, canPowerOff = true;
        bool accept = true;
        // The D-Bus error of a refusal.
        std::string errorName = "org.freedesktop.DBus.Error.AccessDenied";
        std::string errorMessage = "refused by the test";
        // BlockInhibited (nothing held back, as logind mostly answers) and ListInhibitors;
        // nothing = cannot be read.
        std::optional<std::string> blockInhibited = std::string();
        std::optional<std::vector<platform::Inhibitor>> inhibitors;
        std::vector<std::string> calls; // "Suspend", "Hibernate", "SchedulePowerOff <µs>", …
    };
    explicit FakePowerManager(State& state) : s(state) {}
    bool Connect() override;
    void Disconnect() override;
    bool CanSuspend() override;
    bool CanHibernate() override;
    bool CanPowerOff() override;
    platform::PowerRequestResult Suspend() override;
    platform::PowerRequestResult Hibernate() override;
    platform::PowerRequestResult SchedulePowerOff(const std::string& message,
                                                  std::uint64_t whenMicros) override;
    bool CancelScheduledPowerOff() override;
    std::optional<std::string> BlockInhibited() override;
    std::optional<std::vector<platform::Inhibitor>> ListInhibitors() override;

private:
    State& s;
};

class FakeWakeAlarm final : public platform::WakeAlarm {
public:
    struct State {
        bool created = false;
        bool canCreate = true;
        platform::WakeArmResult answer = platform::WakeArmResult::Armed;
        std::vector<std::int64_t> arms;         // due times in 100 ns units
        std::vector<platform::WakeFrom> states; // what each arming was for
        int keeps = 0;                          // KeepRtcAlarm calls
        int closes = 0;
    };
    explicit FakeWakeAlarm(State& state) : s(state) {}
    bool Create() override;
    bool IsCreated() const override { return s.created; }
    platform::WakeArmResult ArmRelative(std::int64_t hundredNanos,
                                        platform::WakeFrom from) override;
    void KeepRtcAlarm() override { ++s.keeps; }
    void Close() override;

private:
    State& s;
};

class FakeSleepMonitor final : public platform::SleepMonitor {
public:
    struct State {
        bool holding = false;
        std::function<void(bool)> onSleep; // set while started
    };
    explicit FakeSleepMonitor(State& state) : s(state) {}
    bool Start(std::function<void(bool)> onSleep) override;
    void Stop() override;
    bool Holding() const override { return s.holding; }

private:
    State& s;
};

// Installs the fakes for its lifetime (and removes them after).
struct PowerDoubles {
    FakePowerManager::State power;
    FakeWakeAlarm::State wake;
    FakeSleepMonitor::State sleep;
    PowerDoubles();
    ~PowerDoubles();
};

// A notification area that shows the icon whenever `hosted` says so; presses come from Press().
class FakeNotificationArea final : public platform::NotificationArea {
public:
    struct State {
        bool hosted = true;
        bool shown = false;
        bool attention = false;
        QString toolTip;                      // the last the area was given
        QStringList toolTips;                 // as the area was given them
        FakeNotificationArea* area = nullptr; // the one the window made
    };
    explicit FakeNotificationArea(State& state) : s(state) { s.area = this; }
    ~FakeNotificationArea() override { s.area = nullptr; }
    void Show() override { s.shown = true; }
    void Hide() override { s.shown = false; }
    void SetIcon(const QIcon&) override {}
    void SetToolTip(const QString& text) override {
        s.toolTip = text;
        s.toolTips.append(text);
    }
    void SetAttention(bool attention) override { s.attention = attention; }
    bool Hosted() const override { return s.shown && s.hosted; }

private:
    State& s;
};

// Installs the fake notification area for its lifetime.
struct TrayDouble {
    FakeNotificationArea::State state;
    TrayDouble();
    ~TrayDouble();
    // The desktop reports a press.
    void Press(platform::TrayPress press);
    // The notification area comes or goes.
    void SetHosted(bool hosted);
};

// Records notices and beeps instead of showing a box; `whileOpen` runs as if inside the box.
struct NoticeRecorder {
    std::vector<std::string> notices;
    int beeps = 0;
    std::function<void(const std::string&)> whileOpen;
    NoticeRecorder();
    ~NoticeRecorder();
};

// The clock, set to a local wall-clock time in the zone of TZ, and the time the machine has
// been awake, which only Advance moves: setting the clock, or a suspend, leaves it.
struct TestClock {
    std::int64_t utcSeconds = 0;
    int millis = 0;
    std::int64_t awakeMillis = 1'000'000;
    TestClock();
    ~TestClock();
    // Sets the clock to a local time (in TZ) and applies it.
    void SetLocal(int year, int month, int day, int hour, int minute, int second, int ms = 0);
    void Advance(double seconds);
    void Apply();
};

// Sets environment variables for its lifetime and puts back what was there before.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();
    void Set(const char* name, const std::string& value);

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> mSaved;
};

// A temporary folder that the program believes it lives in, as a portable copy (an empty
// "Quelmo.ini" beside it), a private instance lock, and private desktop configuration folders
// (the autostart entry).
struct ProgramFolder {
    QTemporaryDir dir;
    ScopedEnvironment environment;
    ProgramFolder();
    ~ProgramFolder();
    std::string Path() const; // with a trailing "/"
};

} // namespace quelmo::test
