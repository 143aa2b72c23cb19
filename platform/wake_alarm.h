#pragma once
// A one-shot timer that wakes the machine from standby (and, through the RTC, hibernation).

#include <cstdint>
#include <memory>
#include <string>

namespace quelmo::platform {

enum class WakeArmResult { Armed, NotSupported, Failed };

class WakeAlarm {
public:
    virtual ~WakeAlarm() = default;
    // Creates the timer; false (errno kept) when the system refuses.
    virtual bool Create() = 0;
    virtual bool IsCreated() const = 0;
    // Cancels and re-arms the timer to fire once after the given relative time in 100 ns units
    // (negative, as the due time is written). NotSupported: armed, but it cannot wake the
    // machine. Failed leaves errno set.
    virtual WakeArmResult ArmRelative(std::int64_t hundredNanos) = 0;
    virtual void Close() = 0;
};

WakeAlarm& Wake();
void SetWakeAlarmForTesting(std::unique_ptr<WakeAlarm> alarm);

inline constexpr const char* kRtcWakeAlarmPath = "/sys/class/rtc/rtc0/wakealarm";

// timerfd on CLOCK_BOOTTIME_ALARM, plus the RTC alarm at `rtcWakeAlarm` where it can be written
// (an empty path leaves the RTC alone).
std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm(std::string rtcWakeAlarm = kRtcWakeAlarmPath);

} // namespace quelmo::platform
