#include "tests/support/ticker_driver.h"

#include "platform/clock.h"

#include <algorithm>

namespace quelmo::test {

void FakeTicker::TickIn(int ms) {
    s.tickAtAwake = platform::MonotonicMillis() + ms;
    s.wakeAtUtc.reset();
}

void FakeTicker::WakeAt(std::int64_t utcMillis) {
    s.wakeAtUtc = utcMillis;
    s.tickAtAwake.reset();
}

void FakeTicker::Stop() {
    s.tickAtAwake.reset();
    s.wakeAtUtc.reset();
}

void TickerDriver::RunUntil(std::int64_t utcMillis) {
    for (;;) {
        const std::int64_t offset = UtcMillis() - c.awakeMillis;
        std::optional<std::int64_t> due; // on the awake clock
        if (t.tickAtAwake)
            due = *t.tickAtAwake;
        else if (t.wakeAtUtc)
            due = *t.wakeAtUtc - offset;
        if (!due || !t.ticker || *due > utcMillis - offset) {
            c.Advance(static_cast<double>(utcMillis - UtcMillis()) / 1000);
            return;
        }
        c.Advance(static_cast<double>(std::max<std::int64_t>(*due - c.awakeMillis, 0)) / 1000);
        if (t.tickAtAwake) {
            t.tickAtAwake.reset();
            ++ticks;
            t.ticker->onTick();
        } else {
            t.wakeAtUtc.reset();
            ++wakes;
            t.ticker->onWake();
        }
    }
}

void TickerDriver::RunSeconds(double seconds) {
    RunUntil(UtcMillis() + static_cast<std::int64_t>(seconds * 1000));
}

void TickerDriver::SetClock(double seconds) {
    const std::int64_t awake = c.awakeMillis;
    c.Advance(seconds);
    c.awakeMillis = awake;
    c.Apply();
    // The wall-clock alarm is cancelled by the change and says so.
    if (t.wakeAtUtc && t.ticker) {
        t.wakeAtUtc.reset();
        t.ticker->onClockSet();
    }
}

void TickerDriver::Suspend(double seconds) {
    const std::int64_t awake = c.awakeMillis;
    c.Advance(seconds);
    c.awakeMillis = awake;
    c.Apply();
}

} // namespace quelmo::test
