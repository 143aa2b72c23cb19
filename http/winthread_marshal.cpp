// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winthread_marshal.h"

#include "http/winthread.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <deque>

namespace quelmo::winthread {

namespace {

QEvent::Type DeliverEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType(0x8FFF));
    return type;
}

class Receiver final : public QObject {
public:
    bool event(QEvent* event) override;

private:
    static void RunQueue(std::unique_lock<std::mutex>& lock);
};

// Never destroyed: abandoned workers may still take the lock while the program exits.
struct State {
    std::mutex lock;
    std::condition_variable changed;
    Receiver* receiver = nullptr;
    QThread* guiThread = nullptr;
    QAbstractEventDispatcher* dispatcher = nullptr;
    int references = 0;
    int running = 0; // calls being run on the GUI thread, nested ones included
    std::deque<MarshalledCall*> queue;
};

State& Shared() {
    static State* state = new State;
    return *state;
}

void Finish(MarshalledCall& call) {
    call.done = true;
    Shared().changed.notify_all();
}

bool Receiver::event(QEvent* event) {
    // Taken before the event is looked at: a worker made it under this lock, and the thread
    // sanitizer does not see the ordering that Qt's own locking gives.
    std::unique_lock lock(Shared().lock);
    if (event->type() != DeliverEventType()) {
        lock.unlock();
        return QObject::event(event);
    }
    RunQueue(lock);
    return true;
}

void Receiver::RunQueue(std::unique_lock<std::mutex>& lock) {
    State& s = Shared();
    while (!s.queue.empty()) {
        MarshalledCall& call = *s.queue.front();
        s.queue.pop_front();
        if (call.raiseOnGuiThread) {
            // Not caught by the component: it goes where the exceptions of event handlers go.
            const std::exception_ptr raise = call.raiseOnGuiThread;
            Finish(call);
            std::rethrow_exception(raise);
        }
        ++s.running;
        lock.unlock();
        try {
            call.run();
        } catch (...) {
            call.captured = std::current_exception();
        }
        lock.lock();
        --s.running;
        Finish(call); // the worker may free the call from here on
    }
}

} // namespace

std::mutex& Lock() {
    return Shared().lock;
}

std::condition_variable& Changed() {
    return Shared().changed;
}

void AddReceiverReference() {
    State& s = Shared();
    std::lock_guard lock(s.lock);
    if (s.references++ == 0) {
        s.receiver = new Receiver;
        s.guiThread = s.receiver->thread();
        s.dispatcher = s.guiThread->eventDispatcher();
    }
}

void ReleaseReceiverReference() {
    State& s = Shared();
    std::lock_guard lock(s.lock);
    if (--s.references > 0)
        return;
    // Calls from threads that are no workers of ours would otherwise wait for ever.
    for (MarshalledCall* call : s.queue)
        Finish(*call);
    s.queue.clear();
    // Inside one of the receiver's own calls it is still on the stack.
    if (s.running > 0)
        s.receiver->deleteLater();
    else
        delete s.receiver;
    s.receiver = nullptr;
    s.dispatcher = nullptr;
}

bool ReceiverExists() {
    std::lock_guard lock(Shared().lock);
    return Shared().receiver != nullptr;
}

bool OnGuiThread() {
    State& s = Shared();
    QThread* gui = nullptr;
    {
        std::lock_guard lock(s.lock);
        gui = s.guiThread;
    }
    if (!gui && QCoreApplication::instance())
        gui = QCoreApplication::instance()->thread();
    return gui == QThread::currentThread();
}

void SendAndWait(MarshalledCall& call, std::unique_lock<std::mutex>& lock) {
    State& s = Shared();
    if (!s.receiver) {
        call.done = true;
        return;
    }
    s.queue.push_back(&call);
    QCoreApplication::postEvent(s.receiver, new QEvent(DeliverEventType()));
    s.changed.notify_all(); // a WaitFor on the GUI thread delivers it as well
    s.changed.wait(lock, [&] { return call.done; });
}

void DropCallsOf(const TEventWinThread* thread) {
    State& s = Shared();
    for (auto it = s.queue.begin(); it != s.queue.end();) {
        if ((*it)->thread == thread) {
            Finish(**it);
            it = s.queue.erase(it);
        } else {
            ++it;
        }
    }
}

void WakeGuiThread() {
    State& s = Shared();
    if (s.dispatcher)
        s.dispatcher->wakeUp();
    s.changed.notify_all();
}

bool HasQueuedCalls() {
    return !Shared().queue.empty();
}

void DeliverQueuedCalls() {
    QObject* receiver = nullptr;
    {
        std::lock_guard lock(Shared().lock);
        receiver = Shared().receiver;
    }
    if (!receiver)
        return;
    QEvent deliver(DeliverEventType());
    QCoreApplication::sendEvent(receiver, &deliver);
}

} // namespace quelmo::winthread
