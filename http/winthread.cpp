// SPDX-License-Identifier: GPL-3.0-or-later
// TCustomWinThread: the component that starts, waits for and stops the work.
#include "http/winthread.h"

#include "http/winthread_marshal.h"
#include "http/winthread_wait.h"

namespace quelmo {

using winthread::WaitEnd;

bool WinThreadReceiverExists() {
    return winthread::ReceiverExists();
}

TCustomWinThread::TCustomWinThread(TComponent* owner)
    : TComponent(owner), mThread(std::make_unique<TEventWinThread>(this)) {}

TCustomWinThread::~TCustomWinThread() {
    Destroying();
    TEventWinThread::Discard(std::move(mThread));
}

bool TCustomWinThread::Execute() {
    Terminate(true);
    if (!mThread->Resume())
        return false;
    if (!WaitThread)
        return true;
    const auto alive = AliveToken();
    const auto end = mThread->End();
    const unsigned timeout = WaitTimeout;
    for (;;) {
        const WaitEnd how =
            winthread::WaitForSignalOrEvents([&end] { return end->stopped.load(); }, timeout);
        if (alive.expired())
            return true;
        if (how == WaitEnd::TimedOut) {
            bool terminateThread = true;
            DoWaitTimeoutExpired(terminateThread);
            return !terminateThread;
        }
        if (how == WaitEnd::Signalled || end->stopped || IsDestroying())
            return true;
        const bool quitting = winthread::ApplicationTerminating();
        if (quitting || alive.expired() || IsDestroying())
            return true;
    }
}

bool TCustomWinThread::ExecuteAndWaitForEvent(unsigned& event, unsigned timeout) {
    if (RunningAndNotSuspended())
        return false;
    Terminate(true);
    // Made before the start, so that the work never sees a number that is not yet valid.
    event = CreateWaitEvent();
    if (!mThread->Resume()) {
        CloseWaitEvent(event);
        event = kInvalidWaitEvent;
        return false;
    }
    return WaitForEventLoop(event, timeout);
}

bool TCustomWinThread::WaitForEvent(unsigned& event, unsigned timeout) {
    if (!RunningAndNotSuspended())
        return false;
    return WaitForEventLoop(event, timeout);
}

bool TCustomWinThread::WaitForEventLoop(unsigned& event, unsigned timeout) {
    const auto alive = AliveToken();
    const auto end = mThread->End();
    const unsigned waited = event;
    auto signalled = [waited] {
        std::lock_guard lock(winthread::Lock());
        return winthread::WaitEventSignalled(waited);
    };
    bool result = false;
    for (;;) {
        if (alive.expired() || IsDestroying())
            break;
        const bool quitting = winthread::ApplicationTerminating(); // runs events too
        if (quitting || alive.expired() || IsDestroying() || mThread->Suspended())
            break;
        const WaitEnd how = winthread::WaitForSignalOrEvents(
            [&] { return signalled() || end->stopped.load(); }, timeout);
        if (how == WaitEnd::Signalled) {
            result = signalled();
            break;
        }
    }
    CloseWaitEvent(waited);
    event = kInvalidWaitEvent;
    return result;
}

int TCustomWinThread::WaitFor() {
    return mThread->WaitFor();
}

void TCustomWinThread::Terminate(bool immediately) {
    if (immediately)
        mThread = TEventWinThread::RecreateThread(std::move(mThread));
    else
        mThread->Terminate();
}

void TCustomWinThread::Suspend() {
    mThread->Suspend();
}

void TCustomWinThread::Resume() {
    mThread->Resume();
}

bool TCustomWinThread::GetSuspended() const {
    return mThread->Suspended();
}

void TCustomWinThread::SetSuspended(bool suspended) {
    mStoredSuspended = suspended;
    mThread->SetSuspended(suspended);
}

void TCustomWinThread::Loaded() {
    TComponent::Loaded();
    mThread->SetSuspended(mStoredSuspended);
}

void TCustomWinThread::Synchronize(const TThreadMethod& method) {
    // Runs on the GUI thread only while the calling work is not abandoned, so `this` exists.
    const TThreadMethod guarded = [this, &method] {
        if (!OwnerIsDestroying())
            method();
    };
    if (TEventWinThread* current = TEventWinThread::Current()) {
        current->Synchronize(guarded); // never reads `this` on the worker
        return;
    }
    mThread->Synchronize(guarded);
}

void TCustomWinThread::SynchronizeEx(const TNotifyEvent& method, TComponent* param) {
    if (method)
        Synchronize([&method, param] { method(param); });
}

void TCustomWinThread::DoWaitTimeoutExpired(bool& terminateThread) {
    const auto alive = AliveToken();
    if (OnWaitTimeoutExpired) {
        const TWinThreadWaitTimeoutExpired handler = OnWaitTimeoutExpired;
        handler(this, terminateThread);
    }
    if (terminateThread && !alive.expired())
        Terminate(true);
}

void TCustomWinThread::SetHandleExceptions(bool handle) {
    mHandleExceptions = handle;
    mThread->SetHandleExceptions(handle);
}

TThreadPriority TCustomWinThread::GetPriority() const {
    return mThread->GetPriority();
}

void TCustomWinThread::SetPriority(TThreadPriority priority) {
    mThread->SetPriority(priority);
}

TNotifyEvent TCustomWinThread::GetOnExecute() const {
    return mThread->OnExecute();
}

void TCustomWinThread::SetOnExecute(TNotifyEvent handler) {
    mThread->SetOnExecute(std::move(handler));
}

TNotifyEvent TCustomWinThread::GetOnException() const {
    return mThread->OnException();
}

void TCustomWinThread::SetOnException(TNotifyEvent handler) {
    mThread->SetOnException(std::move(handler));
}

TNotifyEvent TCustomWinThread::GetOnTerminate() const {
    return mThread->OnTerminate();
}

void TCustomWinThread::SetOnTerminate(TNotifyEvent handler) {
    mThread->SetOnTerminate(std::move(handler));
}

TEventWinThread& TCustomWinThread::Target() const {
    TEventWinThread* current = TEventWinThread::Current();
    return current && current->Owner() == this ? *current : *mThread;
}

bool TCustomWinThread::GetTerminated() const {
    return Target().Terminated();
}

int TCustomWinThread::GetReturnValue() const {
    return Target().ReturnValue();
}

void TCustomWinThread::SetReturnValue(int value) {
    Target().SetReturnValue(value);
}

std::thread::native_handle_type TCustomWinThread::Handle() const {
    return Target().Handle();
}

int TCustomWinThread::GetThreadID() const {
    return Target().ThreadID();
}

bool TCustomWinThread::Running() const {
    return Target().Running();
}

bool TCustomWinThread::RunningAndNotSuspended() const {
    const TEventWinThread& thread = Target();
    return thread.Running() && !thread.Suspended();
}

bool TCustomWinThread::OwnerIsDestroying() const {
    return Owner() && Owner()->IsDestroying();
}

} // namespace quelmo
