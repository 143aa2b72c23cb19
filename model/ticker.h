// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What brings the model its moments: a tick every second, or one wake-up at the next moment
// that matters while nobody watches, and word of a clock that was set meanwhile.

#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

namespace quelmo {

class Ticker {
public:
    virtual ~Ticker() = default;
    // The next tick of the one-second rhythm, `ms` from now; replaces a wake-up.
    virtual void TickIn(int ms) = 0;
    // No tick until the wall clock reaches `utcMillis`; replaces the next tick.
    virtual void WakeAt(std::int64_t utcMillis) = 0;
    virtual void Stop() = 0;
    virtual bool TickPending() const = 0;
    // The one-second timer, where there is a real one.
    virtual QTimer* Timer() { return nullptr; }

    std::function<void()> onTick, onWake, onClockSet;
};

// A QTimer for the rhythm and a wall-clock alarm for the wake-ups.
std::unique_ptr<Ticker> MakeTicker();

} // namespace quelmo
