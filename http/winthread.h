// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that runs on a fresh OS thread at every start and hands calls to the GUI thread,
// blocking until they have run there; and waits on the GUI thread that keep its events served.
//
// Linux cannot end a thread from outside. A worker that is stopped at once (Terminate(true),
// a wait time-out, the component's destructor, a new start) is abandoned instead: from then on
// it fires no event, runs no marshalled call and is not touched by the component again; its
// object is freed when its work returns by itself. The component may be destroyed meanwhile,
// so work that can outlive it reaches its own thread object through TEventWinThread::Current()
// (Terminated, Synchronize, SetReturnValue) rather than through the component, and keeps
// the rest of what it uses out of the component too.

#include "http/component.h"

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

namespace quelmo {

class TCustomWinThread;
class TEventWinThread;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The priority value of the table (tpIdle -15 … tpTimeCritical 15), and back; a value that is
// not in the table reads as tpNormal.
int ThreadPriorityValue(TThreadPriority priority);
TThreadPriority ThreadPriorityOfValue(int value);

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TThreadMethod = std::function<void()>;
using TWinThreadWaitTimeoutExpired = std::function<void(TComponent* sender, bool& terminateThread)>;

// Manual-reset events for ExecuteAndWaitForEvent: the work signals the number it was given.
// Signalling a closed or unknown event does nothing and returns false.
inline constexpr unsigned kInvalidWaitEvent = 0xFFFFFFFFu;
unsigned CreateWaitEvent();
bool SignalWaitEvent(unsigned event);
void CloseWaitEvent(unsigned event);

// The hidden receiver on the GUI thread that runs the marshalled calls; it exists while at
// least one thread object that may still marshal a call exists.
bool WinThreadReceiverExists();

// The component. Its operations are called on the GUI thread; the work's (OnExecute's) only
// ways back to the GUI thread are Synchronize and SynchronizeEx.
class TCustomWinThread : public TComponent {
public:
    explicit TCustomWinThread(TComponent* owner = nullptr);
    ~TCustomWinThread() override;

    // Discards the current OS thread (abandoning it if it runs), starts the work on a fresh
    // one and, with WaitThread, waits for it while serving the GUI thread's events; each batch
    // of events restarts WaitTimeout (0: no limit). False when the wait timed out and the
    // work was stopped, or when no thread could be started.
    bool Execute();
    // Starts the work unless it runs unsuspended, gives it a fresh wait event in `event` and
    // waits until it signals the event (true) or ends (false); Timeout only paces the wait.
    // The event is closed afterwards and `event` set to kInvalidWaitEvent.
    bool ExecuteAndWaitForEvent(unsigned& event, unsigned timeout);
    // The same wait for running, unsuspended work, on an event the caller has.
    bool WaitForEvent(unsigned& event, unsigned timeout);
    // Blocks until the OS thread ends, running only marshalled calls meanwhile; the exit code.
    // Returns at once for work that was never started.
    int WaitFor();
    // Immediately: abandon the current OS thread and put a fresh suspended one in its place;
    // otherwise only ask the work to stop (GetTerminated).
    void Terminate(bool immediately);

    // Before the first Resume the work has not started. Suspending running work takes
    // effect at its next marshalled call.
    void Suspend();
    void Resume();
    bool GetSuspended() const;
    void SetSuspended(bool suspended);
    void Loaded() override;

    // From the work: runs the method on the GUI thread and waits for it. Skipped when the
    // component that owns this one is being destroyed, or when this work has been abandoned.
    // An exception of the method is raised again here only without HandleExceptions. Work
    // that may have been abandoned calls TEventWinThread::Current()->Synchronize instead.
    void Synchronize(const TThreadMethod& method);
    // Runs method(param) on the GUI thread the same way; skipped when method is empty.
    void SynchronizeEx(const TNotifyEvent& method, TComponent* param);
    // Fires OnWaitTimeoutExpired; stops the work at once unless the handler cleared the flag.
    void DoWaitTimeoutExpired(bool& terminateThread);

    bool HandleExceptions() const { return mHandleExceptions; }
    void SetHandleExceptions(bool handle);
    // Destroy the component that owns this one once the work's OnTerminate has run.
    bool GetFreeOnTerminate() const { return mFreeOnTerminate; }
    void SetFreeOnTerminate(bool free) { mFreeOnTerminate = free; }
    TThreadPriority GetPriority() const;
    void SetPriority(TThreadPriority priority);

    TNotifyEvent GetOnExecute() const;
    void SetOnExecute(TNotifyEvent handler);
    TNotifyEvent GetOnException() const;
    void SetOnException(TNotifyEvent handler);
    TNotifyEvent GetOnTerminate() const;
    void SetOnTerminate(TNotifyEvent handler);

    // From the work they concern the work's own OS thread, elsewhere the current one.
    bool GetTerminated() const;
    int GetReturnValue() const;
    void SetReturnValue(int value);
    std::thread::native_handle_type Handle() const;
    int GetThreadID() const;
    bool Running() const;
    bool RunningAndNotSuspended() const;

    bool WaitThread = false;
    unsigned WaitTimeout = 0; // milliseconds
    TWinThreadWaitTimeoutExpired OnWaitTimeoutExpired;

private:
    friend class TEventWinThread;
    // The thread object of the calling work if it belongs to this component, else the current.
    TEventWinThread& Target() const;
    bool WaitForEventLoop(unsigned& event, unsigned timeout);
    bool OwnerIsDestroying() const;

    std::unique_ptr<TEventWinThread> mThread;
    bool mStoredSuspended = true;
    bool mHandleExceptions = true;
    bool mFreeOnTerminate = false;
};

class TWinThread : public TCustomWinThread {
public:
    using TCustomWinThread::TCustomWinThread;
};

// One OS thread of a component. Created with its thread not started ("suspended").
class TEventWinThread {
public:
    explicit TEventWinThread(TCustomWinThread* owner);
    // Asks the work to stop and, if its thread was started and has not ended, waits for it
    // (WaitFor). The component never gets here with running work: it discards instead.
    ~TEventWinThread();
    TEventWinThread(const TEventWinThread&) = delete;
    TEventWinThread& operator=(const TEventWinThread&) = delete;

    // A new object for the same owner with this one's priority, handlers and exception mode.
    std::unique_ptr<TEventWinThread> CreateThread() const;
    // CreateThread, then Discard of the old object.
    static std::unique_ptr<TEventWinThread> RecreateThread(std::unique_ptr<TEventWinThread> old);
    // Frees an object whose thread has not started or has ended; abandons a running one,
    // which then frees itself when its work returns.
    static void Discard(std::unique_ptr<TEventWinThread> thread);

    // The thread object whose work runs on the calling thread; nullptr elsewhere.
    static TEventWinThread* Current();

    void Suspend();
    // The first successful Resume starts the OS thread. False when it could not be created.
    bool Resume();
    void SetSuspended(bool suspended);
    bool Suspended() const;
    void Terminate();
    bool Terminated() const;
    int WaitFor();
    void Synchronize(const TThreadMethod& method);

    TThreadPriority GetPriority() const;
    void SetPriority(TThreadPriority priority);
    bool Running() const;
    int ReturnValue() const;
    void SetReturnValue(int value);
    std::thread::native_handle_type Handle();
    int ThreadID() const;
    TCustomWinThread* Owner() const { return mOwner; }

    TNotifyEvent OnExecute() const;
    void SetOnExecute(TNotifyEvent handler);
    TNotifyEvent OnException() const;
    void SetOnException(TNotifyEvent handler);
    TNotifyEvent OnTerminate() const;
    void SetOnTerminate(TNotifyEvent handler);
    void SetHandleExceptions(bool handle);

    // Set once the thread has ended or the object was discarded; outlives the object, so
    // that a wait which runs handlers can tell without touching a discarded object.
    struct EndState;
    std::shared_ptr<const EndState> End() const;

private:
    void ThreadFunction();
    void Execute();
    void DoTerminate();
    void CallTerminate();
    void CallException();
    // Queues a call for the GUI thread and blocks until it has run or was dropped.
    // With an exception: raises it on the GUI thread instead of running a method.
    void Marshal(const TThreadMethod& method, std::exception_ptr raiseOnGuiThread);
    bool HandlesExceptions() const;
    // Lock held, thread started: gives the OS thread the nice value of mPriority.
    void ApplyPriority();

    TCustomWinThread* const mOwner;
    std::thread mThread;
    std::shared_ptr<EndState> mEnd;
    // Guarded by the process-wide marshalling lock.
    TNotifyEvent mOnExecute, mOnException, mOnTerminate;
    TThreadPriority mPriority = tpNormal;
    int mThreadId = 0;
    int mBaseNice = 0;
    int mSuspendCount = 1;
    int mReturnValue = 0;
    bool mHandleExceptions = true;
    bool mTerminated = false;
    bool mStarted = false;
    bool mRunning = false;
    bool mEnded = false;
    bool mAbandoned = false;
    bool mFreeOnTerminate = false; // the object frees itself when its thread ends
    bool mHoldsReceiver = true;
};

struct TEventWinThread::EndState {
    std::atomic<bool> stopped{false};
    std::atomic<bool> discarded{false};
    std::atomic<int> exitCode{0};
};

} // namespace quelmo
