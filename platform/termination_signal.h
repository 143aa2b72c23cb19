// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM (what systemd sends at log-out and shutdown), and the SIGHUP that follows it when a
// session's scope is stopped, and SIGINT, delivered as an ordinary event of the GUI thread: the
// signal handler only writes a byte into a pipe that the event loop watches. Several signals
// in a row may come as one event.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace quelmo::platform {

class TerminationSignal {
public:
    // One at a time; the previous dispositions come back when it is destroyed.
    explicit TerminationSignal(std::function<void()> onTerminate);
    ~TerminationSignal();
    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

    // The handler is installed for SIGTERM.
    bool Active() const { return mActive; }

private:
    std::function<void()> mOnTerminate;
    std::unique_ptr<QSocketNotifier> mNotifier;
    bool mActive = false;
};

} // namespace quelmo::platform
