// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winthread_wait.h"

#include "http/winthread.h"
#include "http/winthread_marshal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace quelmo::winthread {

namespace {

struct WaitEvents {
    unsigned next = 1;
    std::map<unsigned, bool> signalled; // guarded by the marshalling lock
};

WaitEvents& Events() {
    static WaitEvents* events = new WaitEvents; // workers may signal while the program exits
    return *events;
}

} // namespace

namespace {

// Notes whether any event other than the quiet timer's own has been delivered on this thread.
class EventSeen final : public QObject {
public:
    explicit EventSeen(const QObject* quiet) : mQuiet(quiet) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~EventSeen() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool Seen() const { return mSeen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != mQuiet && watched != this && event->type() != QEvent::ChildRemoved)
            mSeen = true;
        return false;
    }

private:
    const QObject* mQuiet;
    bool mSeen = false;
};

} // namespace

WaitEnd WaitForSignalOrEvents(const std::function<bool()>& signalled, unsigned timeoutMs) {
    if (signalled())
        return WaitEnd::Signalled;
    bool expired = false;
    QTimer quiet;
    std::optional<EventSeen> seen;
    if (timeoutMs > 0 && QCoreApplication::instance()) {
        // Quiet means no event at all: once one has come, its handler may run long (a nested
        // fetch, a notice) and the quiet time counts again only after the batch, so the timer
        // going off inside such a handler does not end this wait.
        seen.emplace(&quiet);
        quiet.setSingleShot(true);
        QObject::connect(&quiet, &QTimer::timeout, [&expired, &seen] {
            if (!seen->Seen())
                expired = true;
        });
        quiet.start(static_cast<int>(std::min<unsigned>(timeoutMs, INT32_MAX)));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (signalled())
        return WaitEnd::Signalled;
    return expired ? WaitEnd::TimedOut : WaitEnd::Events;
}

bool ApplicationTerminating() {
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        return true;
    // Once exit() or quit() has gone through, an event loop entered now returns -1 at once;
    // otherwise the probe leaves on its own event after one pass over what is pending.
    QEventLoop probe;
    QCoreApplication::postEvent(&probe, new QEvent(QEvent::Quit));
    if (probe.exec() == -1)
        return true;
    // Leaving a loop wakes the dispatcher once more: take that wake-up now, or the next wait
    // would return at once as if events had come.
    QCoreApplication::processEvents();
    return false;
}

bool WaitEventSignalled(unsigned event) {
    const auto it = Events().signalled.find(event);
    return it != Events().signalled.end() && it->second;
}

} // namespace quelmo::winthread

namespace quelmo {

unsigned CreateWaitEvent() {
    std::lock_guard lock(winthread::Lock());
    auto& events = winthread::Events();
    unsigned event = events.next;
    while (event == 0 || event == kInvalidWaitEvent || events.signalled.count(event))
        ++event;
    events.next = event + 1;
    events.signalled[event] = false;
    return event;
}

bool SignalWaitEvent(unsigned event) {
    std::lock_guard lock(winthread::Lock());
    const auto it = winthread::Events().signalled.find(event);
    if (it == winthread::Events().signalled.end())
        return false;
    it->second = true;
    winthread::WakeGuiThread();
    return true;
}

void CloseWaitEvent(unsigned event) {
    std::lock_guard lock(winthread::Lock());
    winthread::Events().signalled.erase(event);
}

} // namespace quelmo
