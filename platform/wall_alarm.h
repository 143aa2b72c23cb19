// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wakes the program (not the machine) when the wall clock reaches a moment, and tells when the
// clock is set while it waits, so that a program that sleeps between its moments still notices
// a clock set forward or back at once.

#include <cstdint>
#include <functional>
#include <memory>

namespace quelmo::platform {

class WallAlarm {
public:
    virtual ~WallAlarm() = default;
    // Replaces any earlier moment; `onDue` runs once the clock has reached `utcMillis`.
    virtual void ArmAt(std::int64_t utcMillis) = 0;
    virtual void Disarm() = 0;
    virtual bool Armed() const = 0;

    std::function<void()> onDue;
    // The clock was set while the alarm was armed; the alarm is disarmed.
    std::function<void()> onClockSet;
};

// A CLOCK_REALTIME timerfd with TFD_TIMER_CANCEL_ON_SET, served by the thread's event loop.
std::unique_ptr<WallAlarm> MakeWallAlarm();

} // namespace quelmo::platform
