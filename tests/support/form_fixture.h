#pragma once
// The program's model with its main window, built on the offscreen platform with every platform
// service replaced.

#include "app/form1.h"
#include "model/model.h"
#include "tests/support/fakes.h"
#include "tests/support/ticker_driver.h"

#include <gtest/gtest.h>

#include <memory>

namespace quelmo::test {

class FormTest : public ::testing::Test {
protected:
    ProgramFolder folder;
    PowerDoubles doubles;
    TrayDouble tray;
    NoticeRecorder recorder;
    TestClock clock;
    std::unique_ptr<Model> model;
    std::unique_ptr<TForm1> form;
    // With a ticker standing in for the timers, the model runs as its timers would have it
    // (driver.RunUntil); otherwise its ticks come only from Tick().
    bool ownTicks = false;
    FakeTicker::State ticker;
    std::optional<TickerDriver> driver;
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
