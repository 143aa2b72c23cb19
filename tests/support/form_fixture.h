#pragma once
// A main window built on the offscreen platform with every platform service replaced.

#include "app/form1.h"
#include "tests/support/fakes.h"

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
    std::unique_ptr<TForm1> form;
    // The product's web server as the window will see it: a closed local port unless a test
    // serves the requests itself.
    std::string webHost = "127.0.0.1:9";

    // Sets the clock (local time in TZ) and starts the window; ticks then come only from Tick().
    void StartAt(int year, int month, int day, int hour, int minute, int second);
    // Builds the window without touching the clock.
    void Start();
    // Advances the clock by one second and runs one tick.
    void Tick(int count = 1);
    void TearDown() override;
};

} // namespace quelmo::test
