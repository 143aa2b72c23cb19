#pragma once
// Power actions, the shutdown privilege and the wake-up timer.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quelmo {

using PowerAction = std::uint8_t;
inline constexpr PowerAction kStandBy = 0, kHibernate = 1, kShutDown = 2;

extern const std::array<std::string, 3> ActionNames;

// The timed shutdown's warning time.
inline constexpr int kShutdownDelaySeconds = 10;

// For ArmWakeTimer beside the action codes: a suspend or hibernation that logind announces
// (PrepareForSleep) without saying which.
inline constexpr int kAnySleep = -2;

bool LoadPowerLibrary();
void FreePowerLibrary();
bool EnableShutdownPrivilege();

// True only when the timer armed can wake the PC from the state that `action` enters:
// standby (and any other code, −1 included) by the timerfd where an RTC carries it, or the RTC
// alarm; hibernation and power-off by the RTC alarm alone, set by the program or, where it may
// not write it, by the helper; kAnySleep sets both and is judged as standby. Otherwise the
// notice "Wake-up timer\nis not supported". An RTC alarm the action does not need is cleared.
bool ArmWakeTimer(double days, int action);
// Closes the timer and clears the RTC alarm it set, except the one a power-off or hibernation
// that logind accepted is going down on (the process may be ended before it wakes).
void CloseWakeTimer();

// What became of a power action.
struct PowerActionResult {
    bool accepted = false;
    // Why not, for the person, for example "Standby was refused by the system: Access denied";
    // empty when accepted, and for a code that does nothing.
    std::string refusal;
};
// Takes an int so that −1 (no item selected) and other codes arrive unchanged and do nothing.
// An accepted hibernation or power-off keeps the RTC alarm past CloseWakeTimer.
PowerActionResult PerformPowerAction(int code);
// The words for a refusal's D-Bus error; logind's own message for errors without words of
// their own, the error's name where that is empty too.
std::string RefusalReason(const std::string& errorName, const std::string& message);
// "Standby was refused by the system: <reason>", and its kin for the other two actions.
std::string RefusalText(int code, const std::string& reason);

// A program's "block" inhibitor lock that holds a switch-off back.
struct Blocker {
    std::string who, why;
    bool operator==(const Blocker&) const = default;
};
// The "block" inhibitor locks of other processes that cover the action ("sleep" for standby
// and hibernation, "shutdown" for power-off): empty when none does (or the code is no action),
// nothing when logind cannot list them, and the switch-off goes ahead as it would without.
// Reads BlockInhibited first and lists the locks only when it names the kind.
std::optional<std::vector<Blocker>> SwitchOffBlockers(int action);

// The capability questions of the action check.
bool IsPwrSuspendAllowed();
bool IsPwrHibernateAllowed();
bool IsPwrShutdownAllowed();

// Due time in 100 ns units, negative = relative, for a delay in days.
std::int64_t WakeDueTime(double days);

} // namespace quelmo
