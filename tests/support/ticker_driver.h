#pragma once
// The model's timers as a test drives them: a ticker that only records what the model asks
// for, and a driver that moves the test clock to each moment the model asked for and delivers
// it there.

#include "model/ticker.h"
#include "tests/support/fakes.h"

#include <cstdint>
#include <optional>

namespace quelmo::test {

class FakeTicker final : public Ticker {
public:
    struct State {
        std::optional<std::int64_t> tickAtAwake; // the next tick, on the awake clock (ms)
        std::optional<std::int64_t> wakeAtUtc;   // the wake-up, on the wall clock (ms)
        FakeTicker* ticker = nullptr;            // the one the model made
    };
    explicit FakeTicker(State& state) : s(state) { s.ticker = this; }
    ~FakeTicker() override { s.ticker = nullptr; }
    void TickIn(int ms) override;
    void WakeAt(std::int64_t utcMillis) override;
    void Stop() override;
    bool TickPending() const override { return s.tickAtAwake.has_value(); }

private:
    State& s;
};

class TickerDriver {
public:
    TickerDriver(FakeTicker::State& ticker, TestClock& clock) : t(ticker), c(clock) {}
    // Moves the clock forward to the wall clock's `utcMillis`, delivering each tick and
    // wake-up that falls due on the way at its moment.
    void RunUntil(std::int64_t utcMillis);
    void RunSeconds(double seconds);
    // The clock is set by `seconds` (the time awake stays): a sleeping model hears of it.
    void SetClock(double seconds);
    // The machine sleeps for `seconds`: the wall clock moves, the time awake does not.
    void Suspend(double seconds);
    std::int64_t UtcMillis() const { return c.utcSeconds * 1000 + c.millis; }
    int ticks = 0, wakes = 0; // what was delivered

private:
    FakeTicker::State& t;
    TestClock& c;
};

} // namespace quelmo::test
