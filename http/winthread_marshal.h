// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machinery behind the worker threads' calls to the GUI thread: one process-wide lock and
// condition, a queue of calls, and one hidden receiver object on the GUI thread that runs
// them. The receiver runs the queue when its posted event arrives (the normal event loop and
// the waits that process events) and when a WaitFor sends it the same event directly, so that
// a WaitFor serves marshalled calls without running any other event.

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

namespace quelmo {
class TEventWinThread;
}

namespace quelmo::winthread {

struct MarshalledCall {
    // The thread object whose work made the call; null for other threads. Its abandonment
    // drops the call.
    TEventWinThread* thread = nullptr;
    std::function<void()> run;
    // Instead of running: raise this exception on the GUI thread.
    std::exception_ptr raiseOnGuiThread;
    // What `run` raised, for the worker.
    std::exception_ptr captured;
    bool done = false;
};

std::mutex& Lock();
std::condition_variable& Changed();

// On the GUI thread, for each thread object that may marshal calls.
void AddReceiverReference();
void ReleaseReceiverReference();
bool ReceiverExists();
bool OnGuiThread();

// Lock held. Queues the call, posts the receiver's event and waits until the call is done.
void SendAndWait(MarshalledCall& call, std::unique_lock<std::mutex>& lock);
// Lock held. Marks the queued calls of an abandoned thread object done without running them.
void DropCallsOf(const TEventWinThread* thread);
// Lock held. Makes the GUI thread's event processing return, so that its waits look again.
void WakeGuiThread();
// Lock held.
bool HasQueuedCalls();
// On the GUI thread: runs the queued calls through the receiver, as its posted event would.
void DeliverQueuedCalls();

} // namespace quelmo::winthread
