// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Suspends announced by logind, whoever started them: a "delay" inhibitor lock held while the
// machine is awake gives the program its moment before the suspend, and PrepareForSleep tells
// when that moment has come and when the machine is back.

#include <functional>
#include <memory>
#include <string>

namespace quelmo::platform {

class SleepMonitor {
public:
    virtual ~SleepMonitor() = default;
    // Takes the inhibitor and listens. `onSleep(true)` runs when a suspend is about to happen,
    // and the inhibitor is released as soon as it returns; after the resume the inhibitor is
    // taken again, then `onSleep(false)` runs. False when logind cannot be reached.
    virtual bool Start(std::function<void(bool suspending)> onSleep) = 0;
    // Releases the inhibitor and stops listening.
    virtual void Stop() = 0;
    // The inhibitor is held right now.
    virtual bool Holding() const = 0;
};

// The process-wide instance: logind unless a test has installed a double.
SleepMonitor& SleepEvents();
void SetSleepMonitorForTesting(std::unique_ptr<SleepMonitor> monitor);

// logind on the bus at `busAddress`; empty means the system bus.
std::unique_ptr<SleepMonitor> MakeLogindSleepMonitor(std::string busAddress = {});

// Why the program delays a suspend, as logind lists it.
inline constexpr const char* kSleepInhibitReason =
    "Arming the wake-up timer for the next switch-on";

} // namespace quelmo::platform
