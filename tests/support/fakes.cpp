#include "tests/support/fakes.h"

#include "config/paths.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "power/stuff.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace quelmo::test {

bool FakePowerManager::Connect() {
    s.calls.push_back("Connect");
    return s.reachable;
}
void FakePowerManager::Disconnect() {
    s.calls.push_back("Disconnect");
}
bool FakePowerManager::CanSuspend() {
    return s.reachable && s.canSuspend;
}
bool FakePowerManager::CanHibernate() {
    return s.reachable && s.canHibernate;
}
bool FakePowerManager::CanPowerOff() {
    return s.reachable && s.canPowerOff;
}
namespace {
platform::PowerRequestResult Answer(const FakePowerManager::State& s) {
    if (s.accept)
        return {true, {}, {}};
    return {false, s.errorName, s.errorMessage};
}
} // namespace

platform::PowerRequestResult FakePowerManager::Suspend() {
    s.calls.push_back("Suspend");
    return Answer(s);
}
platform::PowerRequestResult FakePowerManager::Hibernate() {
    s.calls.push_back("Hibernate");
    return Answer(s);
}
platform::PowerRequestResult FakePowerManager::SchedulePowerOff(const std::string& message,
                                                                std::uint64_t whenMicros) {
    s.calls.push_back("SchedulePowerOff " + message + " " + std::to_string(whenMicros));
    return Answer(s);
}
bool FakePowerManager::CancelScheduledPowerOff() {
    s.calls.emplace_back("CancelScheduledPowerOff");
    return true;
}
std::optional<std::string> FakePowerManager::BlockInhibited() {
    return s.blockInhibited;
}
std::optional<std::vector<platform::Inhibitor>> FakePowerManager::ListInhibitors() {
    s.calls.emplace_back("ListInhibitors");
    return s.inhibitors;
}

bool FakeWakeAlarm::Create() {
    s.created = s.canCreate;
    return s.created;
}
platform::WakeArmResult FakeWakeAlarm::ArmRelative(std::int64_t hundredNanos,
                                                   platform::WakeFrom from) {
    s.arms.push_back(hundredNanos);
    s.states.push_back(from);
    return s.answer;
}
void FakeWakeAlarm::Close() {
    ++s.closes;
    s.created = false;
}

bool FakeSleepMonitor::Start(std::function<void(bool)> onSleep) {
    s.onSleep = std::move(onSleep);
    s.holding = true;
    return true;
}
void FakeSleepMonitor::Stop() {
    s.onSleep = nullptr;
    s.holding = false;
}

PowerDoubles::PowerDoubles() {
    platform::SetPowerManagerForTesting(std::make_unique<FakePowerManager>(power));
    platform::SetWakeAlarmForTesting(std::make_unique<FakeWakeAlarm>(wake));
    platform::SetSleepMonitorForTesting(std::make_unique<FakeSleepMonitor>(sleep));
}
PowerDoubles::~PowerDoubles() {
    platform::SetPowerManagerForTesting(nullptr);
    platform::SetWakeAlarmForTesting(nullptr);
    platform::SetSleepMonitorForTesting(nullptr);
}

TrayDouble::TrayDouble() {
    platform::SetNotificationAreaFactoryForTesting(
        [this] { return std::make_unique<FakeNotificationArea>(state); });
}
TrayDouble::~TrayDouble() {
    platform::SetNotificationAreaFactoryForTesting(nullptr);
}
void TrayDouble::Press(platform::TrayPress press) {
    if (state.area && state.area->onPress)
        state.area->onPress(press);
}
void TrayDouble::SetHosted(bool hosted) {
    state.hosted = hosted;
    if (state.area && state.area->onHostChanged)
        state.area->onHostChanged();
}

NoticeRecorder::NoticeRecorder() {
    SetBeepSink([this] { ++beeps; });
    SetNoticePresenter([this](const std::string& text) {
        notices.push_back(text);
        if (whileOpen)
            whileOpen(text);
    });
}
NoticeRecorder::~NoticeRecorder() {
    SetBeepSink(nullptr);
    SetNoticePresenter(nullptr);
}

TestClock::TestClock() {
    Apply();
}
TestClock::~TestClock() {
    platform::SetTestClock(std::nullopt);
    platform::SetTestMonotonic(std::nullopt);
}

void TestClock::SetLocal(int year, int month, int day, int hour, int minute, int second, int ms) {
    tzset();
    tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    utcSeconds = static_cast<std::int64_t>(mktime(&fields));
    millis = ms;
    Apply();
}

void TestClock::Advance(double seconds) {
    const auto step = static_cast<std::int64_t>(std::llround(seconds * 1000));
    awakeMillis += step;
    const auto total = step + millis;
    utcSeconds += total / 1000;
    millis = static_cast<int>(total % 1000);
    if (millis < 0) {
        millis += 1000;
        utcSeconds -= 1;
    }
    Apply();
}

void TestClock::Apply() {
    platform::SetTestClock(platform::UtcTime{utcSeconds, millis});
    platform::SetTestMonotonic(awakeMillis);
}

ScopedEnvironment::~ScopedEnvironment() {
    // Backwards, so that a variable set twice ends as it was before the first time.
    for (auto it = mSaved.rbegin(); it != mSaved.rend(); ++it) {
        if (it->second)
            setenv(it->first.c_str(), it->second->c_str(), 1);
        else
            unsetenv(it->first.c_str());
    }
}

void ScopedEnvironment::Set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    mSaved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    setenv(name, value.c_str(), 1);
}

ProgramFolder::ProgramFolder() {
    static std::atomic<int> counter{0};
    // Saving the settings brings the autostart entry in line: keep it out of the real
    // desktop configuration (tests run as root, who may write /etc/xdg).
    environment.Set("XDG_CONFIG_HOME", Path() + "xdg-home");
    environment.Set("XDG_CONFIG_DIRS", Path() + "xdg-system");
    // A portable copy: an empty settings file beside the program keeps its files there.
    std::fclose(std::fopen((Path() + "Quelmo.ini").c_str(), "wb"));
    SetProgramPathForTesting(Path() + "quelmo");
    InitProgramPaths();
    platform::SetInstanceLockNameForTesting("Quelmo_test_" + std::to_string(getpid()) + "_" +
                                            std::to_string(counter++));
}
ProgramFolder::~ProgramFolder() {
    SetProgramPathForTesting({});
}

std::string ProgramFolder::Path() const {
    return dir.path().toStdString() + "/";
}

} // namespace quelmo::test
