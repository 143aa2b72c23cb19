// SPDX-License-Identifier: GPL-3.0-or-later
// TEventWinThread's state: suspension, priority, handlers and what the component reads back.
#include "http/winthread.h"

#include "http/winthread_marshal.h"
#include "platform/thread_os.h"

#include <array>

namespace quelmo {

namespace {

struct PriorityRow {
    TThreadPriority priority;
    int value; // the priority value of the table
    int nice;  // what it means on Linux, relative to the nice value the thread started with
};
constexpr std::array<PriorityRow, 7> kPriorities{{
    {tpIdle, -15, 19},
    {tpLowest, -2, 10},
    {tpLower, -1, 5},
    {tpNormal, 0, 0},
    {tpHigher, 1, -5},
    {tpHighest, 2, -10},
    {tpTimeCritical, 15, -20},
}};

const PriorityRow& RowOf(TThreadPriority priority) {
    for (const PriorityRow& row : kPriorities)
        if (row.priority == priority)
            return row;
    return kPriorities[3];
}

} // namespace

int ThreadPriorityValue(TThreadPriority priority) {
    return RowOf(priority).value;
}

TThreadPriority ThreadPriorityOfValue(int value) {
    for (const PriorityRow& row : kPriorities)
        if (row.value == value)
            return row.priority;
    return tpNormal;
}

bool TEventWinThread::HandlesExceptions() const {
    std::lock_guard lock(winthread::Lock());
    return mHandleExceptions;
}

void TEventWinThread::Suspend() {
    std::lock_guard lock(winthread::Lock());
    ++mSuspendCount;
}

void TEventWinThread::SetSuspended(bool suspended) {
    if (suspended == Suspended())
        return;
    if (suspended)
        Suspend();
    else
        Resume();
}

bool TEventWinThread::Suspended() const {
    std::lock_guard lock(winthread::Lock());
    return mSuspendCount > 0;
}

void TEventWinThread::Terminate() {
    std::lock_guard lock(winthread::Lock());
    mTerminated = true;
}

bool TEventWinThread::Terminated() const {
    std::lock_guard lock(winthread::Lock());
    return mTerminated;
}

TThreadPriority TEventWinThread::GetPriority() const {
    std::lock_guard lock(winthread::Lock());
    if (mThreadId == 0 || mEnded)
        return mPriority;
    const std::optional<int> nice = platform::ThreadNice(mThreadId);
    if (!nice)
        return mPriority;
    for (const PriorityRow& row : kPriorities)
        if (row.nice == *nice - mBaseNice)
            return row.priority;
    return tpNormal;
}

void TEventWinThread::SetPriority(TThreadPriority priority) {
    std::lock_guard lock(winthread::Lock());
    mPriority = priority;
    if (mThreadId != 0 && !mEnded)
        ApplyPriority();
}

bool TEventWinThread::Running() const {
    std::lock_guard lock(winthread::Lock());
    return mRunning;
}

int TEventWinThread::ReturnValue() const {
    std::lock_guard lock(winthread::Lock());
    return mReturnValue;
}

void TEventWinThread::SetReturnValue(int value) {
    std::lock_guard lock(winthread::Lock());
    mReturnValue = value;
}

std::thread::native_handle_type TEventWinThread::Handle() {
    std::lock_guard lock(winthread::Lock());
    return mThread.joinable() ? mThread.native_handle() : std::thread::native_handle_type{};
}

int TEventWinThread::ThreadID() const {
    std::lock_guard lock(winthread::Lock());
    return mThreadId;
}

TNotifyEvent TEventWinThread::OnExecute() const {
    std::lock_guard lock(winthread::Lock());
    return mOnExecute;
}

void TEventWinThread::SetOnExecute(TNotifyEvent handler) {
    std::lock_guard lock(winthread::Lock());
    mOnExecute = std::move(handler);
}

TNotifyEvent TEventWinThread::OnException() const {
    std::lock_guard lock(winthread::Lock());
    return mOnException;
}

void TEventWinThread::SetOnException(TNotifyEvent handler) {
    std::lock_guard lock(winthread::Lock());
    mOnException = std::move(handler);
}

TNotifyEvent TEventWinThread::OnTerminate() const {
    std::lock_guard lock(winthread::Lock());
    return mOnTerminate;
}

void TEventWinThread::SetOnTerminate(TNotifyEvent handler) {
    std::lock_guard lock(winthread::Lock());
    mOnTerminate = std::move(handler);
}

void TEventWinThread::SetHandleExceptions(bool handle) {
    std::lock_guard lock(winthread::Lock());
    mHandleExceptions = handle;
}

std::shared_ptr<const TEventWinThread::EndState> TEventWinThread::End() const {
    return mEnd;
}

void TEventWinThread::ApplyPriority() {
    const int nice = RowOf(mPriority).nice;
    // A raise the process may not make leaves the thread at its normal priority.
    if (!platform::SetThreadNice(mThreadId, mBaseNice + nice) && nice < 0)
        platform::SetThreadNice(mThreadId, mBaseNice);
}

} // namespace quelmo
