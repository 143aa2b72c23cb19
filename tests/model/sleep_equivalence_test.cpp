// A model that sleeps between its moments and catches up must come out as one that ticks every
// second: random weeks, ratings, start times and events (delayed switch-offs, "Now!", cancels,
// clocks set either way, a configuration changed), each run once ticking every second and once
// asleep, compared by their power calls, usage reports and notices with their seconds, and
// their counters and settings file at every event.
#include "http/winhttp.h"
#include "model/model.h"
#include "tests/config/config_test_util.h"
#include "tests/support/http_server.h"
#include "tests/support/ticker_driver.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>

namespace quelmo::test {
namespace {

enum class Event { Delayed, Now, Cancel, Resume, SetClock, NewConfig };

struct Step {
    int atSecond; // after the start
    Event event;
    int value; // minutes, or seconds the clock is set by
};

struct Scenario {
    int startHour, startMinute;
    double onW, offW, sbyW, usedWh;
    std::string week, nextWeek; // "Mon=…" lines of the database, and after a change
    std::vector<Step> steps;
    int seconds; // how long it runs
};

std::string RandomDay(std::mt19937& random) {
    std::string day(144, '1');
    std::uniform_int_distribution<int> slot(0, 143), length(1, 8);
    for (int i = std::uniform_int_distribution<int>(1, 6)(random); i > 0; --i)
        day.replace(slot(random), length(random), std::string(8, '0'));
    day.resize(144);
    return day;
}

std::string RandomDatabase(std::mt19937& random) {
    std::string text = "OffAction=" + std::to_string(random() % 2) +
                       "\r\nDelayAction=" + std::to_string(random() % 3) + "\r\n";
    for (const char* key : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        text += std::string(key) + "=" + RandomDay(random) + "\r\n";
    return text;
}

Scenario RandomScenario(unsigned seed) {
    std::mt19937 random(seed);
    Scenario s;
    s.startHour = static_cast<int>(random() % 24);
    s.startMinute = static_cast<int>(random() % 60);
    s.onW = 20 + random() % 980;
    s.offW = random() % 6;
    s.sbyW = random() % 11;
    // A little below a whole kWh, so that reports come within the run.
    s.usedWh = 1000.0 * (random() % 50) + 990 + (random() % 1000) / 100.0;
    s.week = RandomDatabase(random);
    s.nextWeek = RandomDatabase(random);
    s.seconds = 3 * 3600;
    std::uniform_int_distribution<int> at(40, s.seconds - 60);
    for (int i = 0; i < 7; ++i) {
        const auto event = static_cast<Event>(random() % 6);
        int value = 0;
        if (event == Event::Delayed)
            value = std::uniform_int_distribution<int>(1, 30)(random);
        if (event == Event::SetClock)
            value =
                (random() % 3 == 0 ? -1 : 1) * std::uniform_int_distribution<int>(40, 4000)(random);
        s.steps.push_back({at(random), event, value});
    }
    std::sort(s.steps.begin(), s.steps.end(),
              [](const Step& a, const Step& b) { return a.atSecond < b.atSecond; });
    return s;
}

// One run of a scenario; everything observable, line by line.
std::vector<std::string> RunScenario(const Scenario& scenario, bool asleep,
                                     LocalHttpServer& server) {
    // A model ended before leaves the application told to exit, and a fetch would give up at
    // once: a pass through the main loop clears that.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    ProgramFolder folder;
    AutostartSandbox sandbox;
    PowerDoubles doubles;
    NoticeRecorder recorder;
    TestClock clock;
    char ratings[160];
    std::snprintf(ratings, sizeof ratings,
                  "WhUsed=%d\r\nOnPower=%g\r\nOffPower=%g\r\nSbyPower=%g\r\nReportHost=%s\r\n",
                  static_cast<int>(scenario.usedWh), scenario.onW, scenario.offW, scenario.sbyW,
                  server.HostAndPort().c_str());
    WriteBytes(folder.Path() + "Quelmo.ini", ratings);
    WriteBytes(folder.Path() + "Default.db", scenario.week);
    clock.SetLocal(2026, 12, 7, scenario.startHour, scenario.startMinute, 0);
    const std::int64_t start = clock.utcSeconds;

    FakeTicker::State ticker;
    TickerDriver driver(ticker, clock);
    Model model(std::make_unique<FakeTicker>(ticker));
    if (!asleep)
        model.SetWindowSeen(true); // somebody watches: a tick every second
    EXPECT_TRUE(model.Start());

    std::vector<std::string> log;
    std::size_t calls = 0, reports = server.Targets().size(), notices = 0;
    auto note = [&](const std::string& what) {
        log.push_back(std::to_string(clock.utcSeconds - start) + " " + what);
    };
    // What happened since the last look; a power call puts the PC to sleep until its wake-up.
    auto look = [&] {
        for (; notices < recorder.notices.size(); ++notices)
            note("notice " + recorder.notices[notices]);
        const auto targets = server.Targets();
        for (; reports < targets.size(); ++reports)
            note("report " + targets[reports]);
        for (; calls < doubles.power.calls.size(); ++calls) {
            const std::string& call = doubles.power.calls[calls];
            if (call != "Suspend" && call != "Hibernate")
                continue;
            note(call);
            doubles.sleep.onSleep(true);
            driver.Suspend(std::min(model.State().TimeToNextOn * 86400, 5400.0));
            doubles.sleep.onSleep(false);
        }
    };
    auto state = [&] {
        model.CatchUp(); // as every reader does first
        const ProgramState& s = model.State();
        char text[200];
        std::snprintf(text, sizeof text, "used %a saved %a ticks %d left %d countdown %d", s.WhUsed,
                      s.WhSaved, s.TickCount, s.SecondsLeft, static_cast<int>(s.Countdown));
        note(text);
        note("file " + ReadBytes(folder.Path() + "Quelmo.ini").value_or("<none>"));
    };
    auto runTo = [&](std::int64_t second) {
        while (clock.utcSeconds < start + second) {
            driver.RunSeconds(1);
            look();
        }
    };

    for (const Step& step : scenario.steps) {
        runTo(step.atSecond);
        driver.RunSeconds(0.25);
        model.CatchUp();
        const CountdownState countdown = model.State().Countdown;
        switch (step.event) {
        case Event::Delayed:
            model.DelayedOff(step.value);
            break;
        case Event::Now:
            model.SwitchOffNow();
            break;
        case Event::Cancel:
            if (countdown == CountdownState::Armed)
                model.Abort();
            break;
        case Event::Resume:
            if (countdown == CountdownState::Cancelled)
                model.Resume();
            break;
        case Event::NewConfig:
            WriteBytes(folder.Path() + "Default.db", scenario.nextWeek);
            driver.SetClock(60); // noticed as a jump, which loads it
            break;
        case Event::SetClock:
            driver.SetClock(step.value);
            break;
        }
        look();
        state();
        // Back to whole seconds, so that each look comes between the same ticks in both runs.
        driver.RunSeconds(0.75);
        look();
    }
    runTo(scenario.seconds);
    state();
    EXPECT_GT(driver.ticks + driver.wakes, 0);
    if (asleep) {
        EXPECT_LT(driver.ticks + driver.wakes, scenario.seconds / 2) << "it slept";
    }
    return log;
}

class SleepEquivalence : public ::testing::TestWithParam<unsigned> {};

TEST_P(SleepEquivalence, AsleepComesOutAsTickingEverySecond) {
    const Scenario scenario = RandomScenario(GetParam());
    LocalHttpServer reports;
    const auto everySecond = RunScenario(scenario, false, reports);
    const auto asleep = RunScenario(scenario, true, reports);
    EXPECT_EQ(asleep, everySecond);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SleepEquivalence, ::testing::Range(1u, 13u));

} // namespace
} // namespace quelmo::test
