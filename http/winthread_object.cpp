// SPDX-License-Identifier: GPL-3.0-or-later
// TEventWinThread: one OS thread of a worker component.
#include "http/winthread.h"

#include "http/winthread_marshal.h"
#include "platform/thread_os.h"

#include <system_error>
#include <utility>

namespace quelmo {

namespace {

thread_local TEventWinThread* tCurrent = nullptr;

} // namespace

TEventWinThread::TEventWinThread(TCustomWinThread* owner)
    : mOwner(owner), mEnd(std::make_shared<EndState>()) {
    winthread::AddReceiverReference();
}

TEventWinThread::~TEventWinThread() {
    bool wait = false;
    bool holdsReceiver = false;
    {
        std::lock_guard lock(winthread::Lock());
        mTerminated = true;
        // A thread that frees itself has been abandoned: nothing waits for it.
        wait = mStarted && !mEnded && !mFreeOnTerminate;
        holdsReceiver = mHoldsReceiver;
    }
    if (wait)
        WaitFor();
    // Ended: what is left of it touches nothing of this object, so nobody waits for its exit.
    if (mThread.joinable())
        mThread.detach();
    mEnd->stopped = true;
    if (holdsReceiver)
        winthread::ReleaseReceiverReference();
}

std::unique_ptr<TEventWinThread> TEventWinThread::CreateThread() const {
    auto fresh = std::make_unique<TEventWinThread>(mOwner);
    std::lock_guard lock(winthread::Lock());
    fresh->mOnExecute = mOnExecute;
    fresh->mOnException = mOnException;
    fresh->mOnTerminate = mOnTerminate;
    fresh->mPriority = mPriority;
    fresh->mHandleExceptions = mHandleExceptions;
    return fresh;
}

std::unique_ptr<TEventWinThread>
TEventWinThread::RecreateThread(std::unique_ptr<TEventWinThread> old) {
    auto fresh = old->CreateThread();
    Discard(std::move(old));
    return fresh;
}

void TEventWinThread::Discard(std::unique_ptr<TEventWinThread> thread) {
    if (!thread)
        return;
    bool abandon = false;
    {
        std::lock_guard lock(winthread::Lock());
        thread->mTerminated = true;
        thread->mEnd->discarded = true;
        thread->mEnd->stopped = true;
        abandon = thread->mStarted && !thread->mEnded;
        if (abandon) {
            thread->mAbandoned = true;
            thread->mFreeOnTerminate = true;
            thread->mHoldsReceiver = false;
            thread->mThread.detach();
            winthread::DropCallsOf(thread.get());
            winthread::Changed().notify_all(); // releases it from a suspension
        }
    }
    if (!abandon)
        return; // the unique_ptr frees it: its thread has ended or never started
    winthread::ReleaseReceiverReference();
    thread.release(); // NOLINT: its own thread frees it when the work returns
}

TEventWinThread* TEventWinThread::Current() {
    return tCurrent;
}

void TEventWinThread::ThreadFunction() {
    tCurrent = this;
    bool runWork = false;
    {
        std::lock_guard lock(winthread::Lock());
        mThreadId = platform::CurrentThreadId();
        mBaseNice = platform::ThreadNice(mThreadId).value_or(0);
        if (mPriority != tpNormal)
            ApplyPriority();
        runWork = !mTerminated;
        mRunning = runWork;
    }
    if (runWork) {
        // Without HandleExceptions an exception that leaves the work is not the component's
        // business: it is raised again on the GUI thread, where the exceptions of event
        // handlers go, instead of ending the program here.
        try {
            Execute();
        } catch (...) {
            Marshal({}, std::current_exception());
        }
        try {
            DoTerminate();
        } catch (...) {
            Marshal({}, std::current_exception());
        }
    }
    bool freeSelf = false;
    {
        std::lock_guard lock(winthread::Lock());
        mRunning = false;
        mEnded = true;
        mEnd->exitCode = mReturnValue;
        mEnd->stopped = true;
        freeSelf = mFreeOnTerminate;
        if (mAbandoned)
            winthread::Changed().notify_all();
        else
            winthread::WakeGuiThread();
    }
    tCurrent = nullptr;
    if (freeSelf)
        delete this;
}

void TEventWinThread::Execute() {
    TNotifyEvent onExecute;
    bool handle = true;
    {
        // Not abandoned under the lock means the owner still exists.
        std::lock_guard lock(winthread::Lock());
        if (mAbandoned || mOwner->IsDestroying())
            return;
        onExecute = mOnExecute;
        handle = mHandleExceptions;
    }
    if (!onExecute)
        return;
    if (!handle) {
        onExecute(mOwner);
        return;
    }
    try {
        onExecute(mOwner);
    } catch (...) {
        bool report = false;
        {
            std::lock_guard lock(winthread::Lock());
            report = mOnException && !mAbandoned && !mOwner->IsDestroying();
        }
        if (report)
            Marshal([this] { CallException(); }, nullptr);
    }
}

void TEventWinThread::DoTerminate() {
    bool marshal = false;
    {
        std::lock_guard lock(winthread::Lock());
        marshal = mOnTerminate && !mAbandoned;
    }
    if (marshal)
        Marshal([this] { CallTerminate(); }, nullptr);
}

void TEventWinThread::CallException() {
    const TNotifyEvent onException = OnException();
    if (onException && !mOwner->IsDestroying())
        onException(mOwner);
}

void TEventWinThread::CallTerminate() {
    TCustomWinThread* const owner = mOwner;
    const bool freeOnTerminate = owner->mFreeOnTerminate;
    const TNotifyEvent onTerminate = OnTerminate();
    if (onTerminate && !owner->IsDestroying()) {
        if (HandlesExceptions()) {
            try {
                onTerminate(owner);
            } catch (...) {
                CallException();
            }
        } else {
            onTerminate(owner);
        }
    }
    {
        // The handler may have started the work again or destroyed the component.
        std::lock_guard lock(winthread::Lock());
        if (mAbandoned)
            return;
    }
    TComponent* const owning = owner->Owner();
    if (freeOnTerminate && owning) {
        // This object is the component's current one; it ends with this call and frees itself.
        TEventWinThread::Discard(std::exchange(owner->mThread, CreateThread()));
        delete owning;
    }
}

void TEventWinThread::Synchronize(const TThreadMethod& method) {
    if (tCurrent == this) {
        Marshal(method, nullptr);
    } else if (winthread::OnGuiThread()) {
        if (!mOwner->IsDestroying())
            method();
    } else {
        Marshal(method, nullptr);
    }
}

void TEventWinThread::Marshal(const TThreadMethod& method, std::exception_ptr raiseOnGuiThread) {
    winthread::MarshalledCall call;
    call.thread = this;
    call.raiseOnGuiThread = raiseOnGuiThread;
    // Runs on the GUI thread, and only while this object is not abandoned, so the owner exists.
    call.run = [this, &method] {
        if (!mOwner->IsDestroying())
            method();
    };
    {
        std::unique_lock lock(winthread::Lock());
        // A suspension of running work takes effect here (not for calls from other threads).
        winthread::Changed().wait(
            lock, [this] { return tCurrent != this || mSuspendCount == 0 || mAbandoned; });
        if (mAbandoned)
            return;
        winthread::SendAndWait(call, lock);
    }
    if (call.captured && !HandlesExceptions())
        std::rethrow_exception(call.captured);
}

bool TEventWinThread::Resume() {
    std::lock_guard lock(winthread::Lock());
    if (mSuspendCount == 0 || --mSuspendCount > 0)
        return true;
    if (!mStarted) {
        try {
            mThread = std::thread([this] { ThreadFunction(); });
        } catch (const std::system_error&) {
            mSuspendCount = 1;
            return false;
        }
        mStarted = true;
    }
    winthread::Changed().notify_all();
    return true;
}

int TEventWinThread::WaitFor() {
    const std::shared_ptr<EndState> end = mEnd;
    const bool gui = winthread::OnGuiThread();
    {
        std::unique_lock lock(winthread::Lock());
        if (!mStarted)
            return mReturnValue; // nothing would ever end it
        while (!end->stopped) {
            if (gui && winthread::HasQueuedCalls()) {
                lock.unlock();
                winthread::DeliverQueuedCalls();
                lock.lock();
            } else {
                winthread::Changed().wait(lock);
            }
        }
    }
    // A call run meanwhile may have discarded, and so freed, this object.
    if (!end->discarded && mThread.joinable() && mThread.get_id() != std::this_thread::get_id())
        mThread.join();
    return end->exitCode;
}

} // namespace quelmo
