#pragma once
// A one-shot timer that wakes the machine: a timerfd for standby, the RTC alarm for hibernation
// and power-off.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quelmo::platform {

enum class WakeArmResult { Armed, NotSupported, Failed };

// The state the machine is about to enter, which decides what can bring it back.
enum class WakeFrom {
    // Suspend to RAM: the timerfd (the kernel programs the RTC on the way down) where it can
    // wake the machine, else the RTC alarm itself.
    Standby,
    // Hibernation or power-off: only the RTC alarm survives them.
    Off,
    // A suspend or a hibernation that someone else started (logind does not say which): the
    // timerfd and the RTC alarm both, judged as for standby.
    AnySleep,
};

class WakeAlarm {
public:
    virtual ~WakeAlarm() = default;
    // Creates the timer; false (errno kept) when the system refuses.
    virtual bool Create() = 0;
    virtual bool IsCreated() const = 0;
    // Cancels and re-arms the timer to fire once after the given relative time in 100 ns units
    // (negative, as the due time is written). Armed only when what was set can wake the
    // machine from `from`; NotSupported when the timer is set but cannot. Failed leaves errno
    // set. Each call replaces the last: an RTC alarm this one does not need is cleared.
    virtual WakeArmResult ArmRelative(std::int64_t hundredNanos, WakeFrom from) = 0;
    // The machine is going down on the RTC alarm now set (a power-off or hibernation that
    // logind accepted): Close leaves it in place, since the process may be ended on the way.
    // The next ArmRelative takes it back.
    virtual void KeepRtcAlarm() {}
    // Closes the timer and clears the RTC alarm it set, unless that is kept.
    virtual void Close() = 0;
};

WakeAlarm& Wake();
void SetWakeAlarmForTesting(std::unique_ptr<WakeAlarm> alarm);

inline constexpr const char* kRtcWakeAlarmPath = "/sys/class/rtc/rtc0/wakealarm";
// How long the RTC alarm's helper may take (pkexec asks polkit first): the suspend that the
// timer may be armed for waits at most 5 s for the program.
inline constexpr int kRtcHelperTimeoutMs = 4000;

// The installed helper that sets or clears that one alarm for the user of an active local
// session (polkit action io.github.quelmo.Quelmo.set-wake-alarm), run through pkexec; its one
// argument is "clear" or the epoch second.
std::vector<std::string> RtcWakeAlarmHelper();

// timerfd on CLOCK_BOOTTIME_ALARM plus the RTC alarm. An RTC is there when `rtcWakeAlarm`
// exists (an empty path: none); where the process cannot write it, `helper` (empty: the
// installed one) with "clear" or the epoch second appended does. Tests name a stand-in
// attribute and a stand-in helper.
std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm(std::string rtcWakeAlarm = kRtcWakeAlarmPath,
                                                std::vector<std::string> helper = {});

} // namespace quelmo::platform
