#pragma once
// A one-shot timer that wakes the machine from standby (and, through the RTC, hibernation).

#include <cstdint>
#include <memory>

namespace quelmo::platform {

enum class WakeArmResult { Armed, NotSupported, Failed };

class WakeAlarm {
public:
    virtual ~WakeAlarm() = default;
    // Creates the timer; false (errno kept) when the system refuses.
    virtual bool Create() = 0;
    virtual bool IsCreated() const = 0;
    // Cancels and re-arms the timer to fire once after the given relative time in 100 ns units.
    virtual WakeArmResult ArmRelative(std::int64_t hundredNanos) = 0;
    virtual void Close() = 0;
};

WakeAlarm& Wake();
void SetWakeAlarmForTesting(std::unique_ptr<WakeAlarm> alarm);
std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm();

} // namespace quelmo::platform
