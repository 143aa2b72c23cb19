#include "platform/power_manager.h"
#include "platform/wake_alarm.h"

namespace quelmo::platform {

namespace {
std::unique_ptr<PowerManager>& PowerSlot() {
    static std::unique_ptr<PowerManager> slot;
    return slot;
}
std::unique_ptr<WakeAlarm>& WakeSlot() {
    static std::unique_ptr<WakeAlarm> slot;
    return slot;
}
} // namespace

PowerManager& Power() {
    auto& slot = PowerSlot();
    if (!slot)
        slot = MakeLogindPowerManager();
    return *slot;
}

void SetPowerManagerForTesting(std::unique_ptr<PowerManager> manager) {
    PowerSlot() = std::move(manager);
}

WakeAlarm& Wake() {
    auto& slot = WakeSlot();
    if (!slot)
        slot = MakeTimerfdWakeAlarm();
    return *slot;
}

void SetWakeAlarmForTesting(std::unique_ptr<WakeAlarm> alarm) {
    WakeSlot() = std::move(alarm);
}

} // namespace quelmo::platform
