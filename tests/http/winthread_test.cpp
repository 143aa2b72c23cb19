// SPDX-License-Identifier: GPL-3.0-or-later
// The worker thread: starts, stops, abandonment and the calls it hands to the GUI thread.
#include "http/winthread.h"
#include "tests/http/winthread_test_util.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace quelmo {
namespace {

using test::Gate;
using test::ServeUntil;

TEST(WinThread, ExecuteTwiceRunsTwoThreadsAndAbandonsTheFirst) {
    Gate firstMayEnd;
    std::atomic<int> runs{0}, firstEnded{0}, secondThread{0}, firstThread{0};
    std::atomic<int> terminations{0};
    {
        TWinThread thread;
        thread.SetOnExecute([&](TComponent*) {
            if (++runs == 1) {
                firstThread = thread.GetThreadID();
                firstMayEnd.Wait();
                // The component is gone by now: the work reaches its own thread object only.
                TEventWinThread* self = TEventWinThread::Current();
                self->Synchronize([&] { ADD_FAILURE() << "the abandoned work's call ran"; });
                firstEnded = self->Terminated() ? 1 : -1;
            } else {
                secondThread = thread.GetThreadID();
            }
        });
        thread.SetOnTerminate([&](TComponent*) { ++terminations; });
        ASSERT_TRUE(thread.Execute());
        ASSERT_TRUE(ServeUntil([&] { return runs == 1 && thread.Running(); }));
        EXPECT_TRUE(thread.RunningAndNotSuspended());
        ASSERT_TRUE(thread.Execute());
        EXPECT_EQ(thread.WaitFor(), 0);
        EXPECT_EQ(runs, 2);
        EXPECT_NE(firstThread, secondThread);
        EXPECT_EQ(terminations, 1) << "only the second work ends with OnTerminate";
    }
    firstMayEnd.Open();
    ASSERT_TRUE(ServeUntil([&] { return firstEnded != 0; }));
    EXPECT_EQ(firstEnded, 1) << "abandoned work reads as terminated";
    ServeUntil([] { return false; }, 100);
    EXPECT_EQ(terminations, 1);
}

TEST(WinThread, WorkThatNeverStartedNeverRuns) {
    std::atomic<bool> ran{false};
    {
        TWinThread thread;
        thread.SetOnExecute([&](TComponent*) { ran = true; });
        EXPECT_TRUE(thread.GetSuspended()) << "suspended means not yet started";
        EXPECT_FALSE(thread.Running());
    }
    TWinThread stopped;
    stopped.SetOnExecute([&](TComponent*) { ran = true; });
    stopped.SetOnTerminate([&](TComponent*) { ran = true; });
    stopped.Terminate(false); // asked to stop before its start: ends without the work
    stopped.Resume();
    stopped.WaitFor();
    EXPECT_FALSE(ran);
}

TEST(WinThread, ReceiverLivesFromTheFirstThreadObjectToTheLast) {
    EXPECT_FALSE(WinThreadReceiverExists());
    {
        auto first = std::make_unique<TWinThread>();
        EXPECT_TRUE(WinThreadReceiverExists());
        TWinThread second;
        second.Execute(); // replaces its thread object: the count never drops to 0
        second.WaitFor();
        first.reset();
        EXPECT_TRUE(WinThreadReceiverExists());
    }
    EXPECT_FALSE(WinThreadReceiverExists());
    TWinThread again;
    EXPECT_TRUE(WinThreadReceiverExists());
}

TEST(WinThread, WaitForServesTheWorkersCallsOnTheGuiThread) {
    const int threadsBefore = test::LiveThreads();
    int calls = 0;
    bool allOnGui = true;
    TWinThread thread;
    thread.SetOnExecute([&](TComponent*) {
        for (int i = 0; i < 3; ++i)
            thread.Synchronize([&] {
                ++calls;
                allOnGui = allOnGui && test::OnGuiThread();
            });
        thread.SetReturnValue(7);
    });
    thread.Execute();
    EXPECT_EQ(thread.WaitFor(), 7);
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(allOnGui);
    EXPECT_FALSE(thread.Running());
    EXPECT_TRUE(ServeUntil([&] { return test::LiveThreads() <= threadsBefore; }))
        << "an idle component keeps no thread alive";
}

TEST(WinThread, SuspendingRunningWorkHoldsItAtItsNextCall) {
    TWinThread thread;
    std::vector<char> order;
    thread.SetOnExecute([&](TComponent*) {
        thread.Synchronize([&] {
            order.push_back('a');
            thread.Suspend();
        });
        thread.Synchronize([&] { order.push_back('b'); });
    });
    thread.SetSuspended(false); // the first resume starts the work
    ASSERT_TRUE(ServeUntil([&] { return !order.empty(); }));
    ServeUntil([] { return false; }, 200);
    EXPECT_EQ(order, std::vector<char>{'a'});
    EXPECT_TRUE(thread.Running() && !thread.RunningAndNotSuspended());
    thread.Resume();
    thread.WaitFor();
    EXPECT_EQ(order, (std::vector<char>{'a', 'b'}));
}

// A component that waits for its worker while it is being destroyed.
class DyingOwner : public TComponent {
public:
    TWinThread* thread = new TWinThread(this);
    ~DyingOwner() override {
        Destroying();
        thread->WaitFor();
    }
};

TEST(WinThread, CallsWhileTheOwnerIsDestroyedAreSkipped) {
    Gate ownerDying;
    std::atomic<bool> started{false}, called{false}, wentOn{false};
    auto owner = std::make_unique<DyingOwner>();
    owner->thread->SetOnExecute([&, thread = owner->thread](TComponent*) {
        started = true;
        ownerDying.Wait();
        thread->Synchronize([&] { called = true; });
        wentOn = true;
    });
    owner->thread->SetOnTerminate([&](TComponent*) { called = true; });
    owner->thread->Execute();
    ASSERT_TRUE(ServeUntil([&] { return started.load(); }));
    ownerDying.Open();
    owner.reset();
    EXPECT_FALSE(called);
    EXPECT_TRUE(wentOn);
}

// FreeOnTerminate: the component that owns the worker is destroyed after OnTerminate.
class SelfFreeingOwner : public TComponent {
public:
    TWinThread* thread = new TWinThread(this);
    std::atomic<bool>* destroyed;
    explicit SelfFreeingOwner(std::atomic<bool>* flag) : destroyed(flag) {}
    ~SelfFreeingOwner() override { *destroyed = true; }
};

TEST(WinThread, FreeOnTerminateDestroysTheOwnerAfterOnTerminate) {
    std::atomic<bool> destroyed{false};
    bool terminated = false;
    auto* owner = new SelfFreeingOwner(&destroyed);
    owner->thread->SetFreeOnTerminate(true);
    owner->thread->SetOnTerminate([&](TComponent*) { terminated = !destroyed; });
    owner->thread->WaitThread = true;
    EXPECT_TRUE(owner->thread->Execute());
    EXPECT_TRUE(terminated);
    EXPECT_TRUE(destroyed);
}

struct ExceptionRun {
    std::atomic<bool> rethrownOnWorker{false}, reported{false}, terminated{false};
    bool reportedOnGui = false;
};

void StartThrowingWork(TWinThread& thread, ExceptionRun& run) {
    thread.SetOnExecute([&](TComponent*) {
        try {
            thread.Synchronize([] { throw std::runtime_error("from the GUI thread"); });
        } catch (const std::runtime_error&) {
            run.rethrownOnWorker = true;
        }
        throw std::logic_error("from the work");
    });
    thread.SetOnException([&](TComponent* sender) {
        run.reported = sender == &thread;
        run.reportedOnGui = test::OnGuiThread();
    });
    thread.SetOnTerminate([&](TComponent*) { run.terminated = true; });
    thread.Execute();
}

TEST(WinThread, HandledExceptionsAreReportedThroughOnException) {
    TWinThread thread;
    ExceptionRun run;
    StartThrowingWork(thread, run);
    thread.WaitFor();
    EXPECT_FALSE(run.rethrownOnWorker) << "a call's exception is dropped";
    EXPECT_TRUE(run.reported);
    EXPECT_TRUE(run.reportedOnGui);
    EXPECT_TRUE(run.terminated);
}

TEST(WinThread, UnhandledExceptionsReachTheGuiThreadsCaller) {
    TWinThread thread;
    thread.SetHandleExceptions(false);
    ExceptionRun run;
    StartThrowingWork(thread, run);
    // Delivered where the GUI thread runs marshalled calls: here, in WaitFor.
    EXPECT_THROW(thread.WaitFor(), std::logic_error);
    thread.WaitFor();
    EXPECT_TRUE(run.rethrownOnWorker);
    EXPECT_FALSE(run.reported);
    EXPECT_TRUE(run.terminated);
}

} // namespace
} // namespace quelmo
