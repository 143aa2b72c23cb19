// SPDX-License-Identifier: GPL-3.0-or-later
// The waits of the worker thread: the quiet time of Execute, its time-out and the abandoned
// work, the wait for an event, and the priority table.
#include "http/winthread.h"
#include "platform/thread_os.h"
#include "tests/http/winthread_test_util.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace quelmo {
namespace {

using test::Gate;
using test::ServeUntil;

TEST(WinThreadWait, WithoutTimeoutExecuteWaitsForTheEndTheDestructionOrTheQuit) {
    TWinThread thread;
    thread.WaitThread = true;
    std::atomic<bool> ended{false};
    thread.SetOnExecute([&](TComponent*) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ended = true;
    });
    EXPECT_TRUE(thread.Execute());
    EXPECT_TRUE(ended) << "the end of the work";

    Gate release;
    std::atomic<int> released{0};
    auto doomed = std::make_unique<TWinThread>();
    doomed->WaitThread = true;
    doomed->SetOnExecute([&](TComponent*) {
        release.Wait();
        ++released;
    });
    QTimer::singleShot(100, [&] { doomed.reset(); });
    EXPECT_TRUE(doomed->Execute()) << "the component's destruction";
    EXPECT_FALSE(doomed);

    // An event loop started by exec() is left by exit(), and so is the wait inside it.
    bool returned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
        thread.SetOnExecute([&](TComponent*) {
            release.Wait();
            ++released;
        });
        returned = thread.Execute();
    });
    QCoreApplication::exec();
    EXPECT_TRUE(returned) << "the application's quit";
    release.Open();
    thread.WaitFor();
    EXPECT_TRUE(ServeUntil([&] { return released == 2; })) << "the abandoned work ends too";
}

TEST(WinThreadWait, EventsEveryFewHundredMillisecondsKeepAQuietWaitAlive) {
    TWinThread thread;
    thread.WaitThread = true;
    thread.WaitTimeout = 1000;
    bool expired = false;
    thread.OnWaitTimeoutExpired = [&](TComponent*, bool&) { expired = true; };
    thread.SetOnExecute(
        [](TComponent*) { std::this_thread::sleep_for(std::chrono::milliseconds(3000)); });
    QTimer ticks;
    ticks.start(300);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(thread.Execute());
    EXPECT_GE(clock.elapsed(), 2900);
    EXPECT_FALSE(expired);
}

TEST(WinThreadWait, ATimedOutWaitAbandonsTheWorkForGood) {
    Gate mayGoOn;
    std::atomic<bool> workReturned{false};
    std::atomic<int> events{0};
    int expiries = 0;
    {
        TWinThread thread;
        thread.WaitThread = true;
        thread.WaitTimeout = 200;
        thread.OnWaitTimeoutExpired = [&](TComponent* sender, bool& terminate) {
            expiries += sender == &thread && terminate;
        };
        thread.SetOnExecute([&](TComponent*) {
            mayGoOn.Wait();
            thread.Synchronize([&] { ++events; });
            workReturned = true;
            throw std::runtime_error("not reported either");
        });
        thread.SetOnException([&](TComponent*) { ++events; });
        thread.SetOnTerminate([&](TComponent*) { ++events; });
        EXPECT_FALSE(thread.Execute());
        EXPECT_EQ(expiries, 1);
        EXPECT_FALSE(thread.Running()) << "a fresh thread object took its place";

        // A fresh worker can start at once.
        mayGoOn.Open();
        thread.SetOnExecute([&](TComponent*) { thread.Synchronize([&] { events += 100; }); });
        EXPECT_TRUE(thread.Execute());
        ASSERT_TRUE(ServeUntil([&] { return workReturned.load(); }));
    }
    ServeUntil([] { return false; }, 200);
    EXPECT_EQ(events, 100 + 1) << "only the fresh worker's call and its OnTerminate";
}

TEST(WinThreadWait, AHandlerMayKeepTheWorkRunningAfterATimeout) {
    Gate release;
    TWinThread thread;
    thread.WaitThread = true;
    thread.WaitTimeout = 100;
    thread.OnWaitTimeoutExpired = [](TComponent*, bool& terminate) { terminate = false; };
    thread.SetOnExecute([&](TComponent*) { release.Wait(); });
    EXPECT_TRUE(thread.Execute());
    EXPECT_TRUE(thread.Running());
    release.Open();
    thread.WaitFor();
}

TEST(WinThreadWait, ExecuteAndWaitForEventEndsWithTheEventOrTheWork) {
    TWinThread thread;
    Gate release;
    std::atomic<unsigned> given{kInvalidWaitEvent};
    unsigned event = 0;
    thread.SetOnExecute([&](TComponent*) {
        given = event;
        SignalWaitEvent(event);
        release.Wait();
    });
    EXPECT_TRUE(thread.ExecuteAndWaitForEvent(event, 50));
    EXPECT_EQ(event, kInvalidWaitEvent);
    EXPECT_FALSE(SignalWaitEvent(given)) << "closed after the wait";
    EXPECT_FALSE(thread.ExecuteAndWaitForEvent(event, 50)) << "the work runs already";
    release.Open();
    thread.WaitFor();

    thread.SetOnExecute([](TComponent*) {});
    EXPECT_FALSE(thread.ExecuteAndWaitForEvent(event, 0)) << "ended without signalling";
}

struct PriorityRow {
    const char* name;
    TThreadPriority priority;
    int value;
};

class WinThreadPriority : public ::testing::TestWithParam<PriorityRow> {};

TEST_P(WinThreadPriority, MapsToTheValueAndBackThroughTheThread) {
    const PriorityRow row = GetParam();
    EXPECT_EQ(ThreadPriorityValue(row.priority), row.value);
    EXPECT_EQ(ThreadPriorityOfValue(row.value), row.priority);

    // A raise without the privilege is silently kept at normal.
    bool mayRaise = false;
    std::thread([&] {
        const int self = platform::CurrentThreadId();
        const int nice = platform::ThreadNice(self).value_or(0);
        mayRaise = platform::SetThreadNice(self, nice - 1);
    }).join();
    const TThreadPriority expected = row.value > 0 && !mayRaise ? tpNormal : row.priority;

    Gate release;
    TWinThread thread;
    thread.SetPriority(row.priority); // applied when the thread starts
    std::atomic<TThreadPriority> seenAtStart{tpNormal};
    thread.SetOnExecute([&](TComponent*) {
        seenAtStart = thread.GetPriority();
        release.Wait();
    });
    thread.Execute();
    ASSERT_TRUE(ServeUntil([&] { return thread.Running(); }));
    ServeUntil([&] { return seenAtStart == expected; }, 1000);
    EXPECT_EQ(seenAtStart, expected);
    thread.SetPriority(tpNormal);
    EXPECT_EQ(thread.GetPriority(), tpNormal);
    thread.SetPriority(row.priority); // and on running work
    EXPECT_EQ(thread.GetPriority(), expected);
    release.Open();
    thread.WaitFor();
}

INSTANTIATE_TEST_SUITE_P(
    Table, WinThreadPriority,
    ::testing::Values(PriorityRow{"Idle", tpIdle, -15}, PriorityRow{"Lowest", tpLowest, -2},
                      PriorityRow{"Lower", tpLower, -1}, PriorityRow{"Normal", tpNormal, 0},
                      PriorityRow{"Higher", tpHigher, 1}, PriorityRow{"Highest", tpHighest, 2},
                      PriorityRow{"TimeCritical", tpTimeCritical, 15}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WinThreadPriorityValue, AValueOutsideTheTableReadsAsNormal) {
    EXPECT_EQ(ThreadPriorityOfValue(3), tpNormal);
    EXPECT_EQ(ThreadPriorityOfValue(-16), tpNormal);
}

} // namespace
} // namespace quelmo
