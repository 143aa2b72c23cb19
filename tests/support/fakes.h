#pragma once
// Doubles for the platform's power management and wake-up timer, the notice and beep seams,
// a settable clock and a private program folder.

#include "platform/power_manager.h"
#include "platform/wake_alarm.h"

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
        std::vector<std::string> calls; // "Suspend", "Hibernate", "SchedulePowerOff <µs>", …
    };
    explicit FakePowerManager(State& state) : s(state) {}
    bool Connect() override;
    void Disconnect() override;
    bool CanSuspend() override;
    bool CanHibernate() override;
    bool CanPowerOff() override;
    bool Suspend() override;
    bool Hibernate() override;
    bool SchedulePowerOff(const std::string& message, std::uint64_t whenMicros) override;
    bool CancelScheduledPowerOff() override;

private:
    State& s;
};

class FakeWakeAlarm final : public platform::WakeAlarm {
public:
    struct State {
        bool created = false;
        bool canCreate = true;
        platform::WakeArmResult answer = platform::WakeArmResult::Armed;
        std::vector<std::int64_t> arms; // due times in 100 ns units
        int closes = 0;
    };
    explicit FakeWakeAlarm(State& state) : s(state) {}
    bool Create() override;
    bool IsCreated() const override { return s.created; }
    platform::WakeArmResult ArmRelative(std::int64_t hundredNanos) override;
    void Close() override;

private:
    State& s;
};

// Installs the fakes for its lifetime (and removes them after).
struct PowerDoubles {
    FakePowerManager::State power;
    FakeWakeAlarm::State wake;
    PowerDoubles();
    ~PowerDoubles();
};

// Records notices and beeps instead of showing a box; `whileOpen` runs as if inside the box.
struct NoticeRecorder {
    std::vector<std::string> notices;
    int beeps = 0;
    std::function<void(const std::string&)> whileOpen;
    NoticeRecorder();
    ~NoticeRecorder();
};

// The clock, set to a local wall-clock time in the zone of TZ.
struct TestClock {
    std::int64_t utcSeconds = 0;
    int millis = 0;
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
