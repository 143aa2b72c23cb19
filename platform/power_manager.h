#pragma once
// The machine's power management as Quelmo needs it: systemd-logind on the system bus.
// Every query answers false on a missing, malformed or error reply, never a false "yes".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::platform {

// What logind said to a capability question; NoAnswer covers errors, time-outs and replies
// that are not a single text.
enum class CapabilityAnswer { Allowed, Refused, NoAnswer };

// logind's answer to a power request. A refusal carries the D-Bus error: its name (for
// example org.freedesktop.DBus.Error.AccessDenied) and logind's message; a request that never
// reached logind has the name org.freedesktop.DBus.Error.Disconnected.
struct PowerRequestResult {
    bool accepted = false;
    std::string errorName, errorMessage;
    explicit operator bool() const { return accepted; }
};

// One inhibitor lock as logind lists it (ListInhibitors).
struct Inhibitor {
    std::string what; // colon-separated: "sleep", "shutdown", "idle", "handle-lid-switch", …
    std::string who, why;
    std::string mode; // "block" or "delay"
    std::uint32_t uid = 0, pid = 0;
};

class PowerManager {
public:
    virtual ~PowerManager() = default;

    // login1 is reachable and answers its capability calls.
    virtual bool Connect() = 0;
    virtual void Disconnect() = 0;

    // CanSuspend / CanHibernate / CanPowerOff answered "yes" or "challenge".
    virtual bool CanSuspend() = 0;
    virtual bool CanHibernate() = 0;
    virtual bool CanPowerOff() = 0;

    // CanPowerOff with a missing answer kept apart from a refusal: the shutdown privilege
    // tells "could not ask" from "not granted".
    virtual CapabilityAnswer PowerOffDecision() {
        return CanPowerOff() ? CapabilityAnswer::Allowed : CapabilityAnswer::Refused;
    }

    // Suspend(true) / Hibernate(true). Power requests allow polkit to ask the person, and
    // serve the thread's events while they wait.
    virtual PowerRequestResult Suspend() = 0;
    virtual PowerRequestResult Hibernate() = 0;

    // Wall message, then a power-off scheduled for the given microseconds since the epoch.
    virtual PowerRequestResult SchedulePowerOff(const std::string& message,
                                                std::uint64_t whenMicros) = 0;
    virtual bool CancelScheduledPowerOff() = 0;

    // The property BlockInhibited: the kinds (colon-separated) that "block" locks hold right
    // now, a cheap first look before ListInhibitors. Nothing when it cannot be read.
    virtual std::optional<std::string> BlockInhibited() { return std::nullopt; }
    // Every inhibitor lock logind holds; nothing when logind cannot list them (an error, a
    // malformed answer, no logind).
    virtual std::optional<std::vector<Inhibitor>> ListInhibitors() { return std::nullopt; }
};

// The process-wide instance: logind unless a test has installed a double.
PowerManager& Power();
void SetPowerManagerForTesting(std::unique_ptr<PowerManager> manager);

// logind on the bus at `busAddress`; empty means the system bus (DBUS_SYSTEM_BUS_ADDRESS, read
// at each Connect, else the standard socket).
std::unique_ptr<PowerManager> MakeLogindPowerManager(std::string busAddress = {});

// How long a call to logind may keep the GUI thread waiting.
inline constexpr int kLogindCallTimeoutMs = 1000;
// How long a power request waits for its answer, which may need the person to authenticate
// in the polkit agent's dialogue (the wait keeps the thread's events served).
inline constexpr int kLogindAuthorizationTimeoutMs = 120000;

} // namespace quelmo::platform
