#pragma once
// The program's model with its main window, built on the offscreen platform with every platform
// service replaced.

#include "app/form1.h"
#include "model/model.h"
#include "model/ticker.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <memory>

namespace quelmo::test {

// Stands in for the timers: records what the model asks for, and the test delivers it.
class FakeTicker final : public Ticker {
public:
    struct State {
        std::optional<int> tickIn;          // ms, while a tick is pending
        std::optional<std::int64_t> wakeAt; // utc ms, while asleep
    };
    explicit FakeTicker(State& state) : s(state) {}
    void TickIn(int ms) override {
        s.tickIn = ms;
        s.wakeAt.reset();
    }
    void WakeAt(std::int64_t utcMillis) override {
        s.wakeAt = utcMillis;
        s.tickIn.reset();
    }
    void Stop() override {
        s.tickIn.reset();
        s.wakeAt.reset();
    }
    bool TickPending() const override { return s.tickIn.has_value(); }

private:
    State& s;
};

class FormTest : public ::testing::Test {
protected:
    ProgramFolder folder;
    PowerDoubles doubles;
    TrayDouble tray;
    NoticeRecorder recorder;
    TestClock clock;
    std::unique_ptr<Model> model;
    std::unique_ptr<TForm1> form;
    // The product's web server as the window will see it: a closed local port unless a test
    // serves the requests itself.
    std::string webHost = "127.0.0.1:9";

    // The model's state, as a test sets and reads it.
    ProgramState& S() { return model->StateForTesting(); }
    // Sets the clock (local time in TZ) and starts the window; ticks then come only from Tick().
    void StartAt(int year, int month, int day, int hour, int minute, int second);
    // Builds the model and the window without touching the clock.
    void Start();
    // Advances the clock by one second and runs one tick.
    void Tick(int count = 1);
    // The window, then the program, end as the program's exit ends them.
    void Stop();
    void TearDown() override;
};

} // namespace quelmo::test
