#pragma once
// Power actions, the shutdown privilege and the wake-up timer.

#include <array>
#include <cstdint>
#include <string>

namespace quelmo {

using PowerAction = std::uint8_t;
inline constexpr PowerAction kStandBy = 0, kHibernate = 1, kShutDown = 2;

extern const std::array<std::string, 3> ActionNames;

// The timed shutdown's warning time.
inline constexpr int kShutdownDelaySeconds = 10;

bool LoadPowerLibrary();
void FreePowerLibrary();
bool EnableShutdownPrivilege();
bool ArmWakeTimer(double days);
void CloseWakeTimer();
// Takes an int so that −1 (no item selected) and other codes arrive unchanged and do nothing.
bool PerformPowerAction(int code);

// The capability questions of the action check.
bool IsPwrSuspendAllowed();
bool IsPwrHibernateAllowed();
bool IsPwrShutdownAllowed();

// Due time in 100 ns units, negative = relative, for a delay in days.
std::int64_t WakeDueTime(double days);

} // namespace quelmo
