// SPDX-License-Identifier: GPL-3.0-or-later
// A self-pipe rather than signalfd: signalfd needs SIGTERM blocked in every thread, and Qt's
// D-Bus and other threads exist before the window does.
#include "platform/termination_signal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quelmo::platform {

namespace {
int gPipe[2] = {-1, -1};
struct sigaction gPrevious {};

extern "C" void OnSigterm(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
    errno = saved;
}
} // namespace

TerminationSignal::TerminationSignal(std::function<void()> onTerminate)
    : mOnTerminate(std::move(onTerminate)) {
    if (gPipe[0] >= 0 || ::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    mNotifier = std::make_unique<QSocketNotifier>(gPipe[0], QSocketNotifier::Read);
    QObject::connect(mNotifier.get(), &QSocketNotifier::activated, [this] {
        char buffer[16];
        while (::read(gPipe[0], buffer, sizeof buffer) > 0) {
        }
        if (mOnTerminate)
            mOnTerminate();
    });
    struct sigaction action {};
    action.sa_handler = OnSigterm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    mActive = ::sigaction(SIGTERM, &action, &gPrevious) == 0;
}

TerminationSignal::~TerminationSignal() {
    if (mActive)
        ::sigaction(SIGTERM, &gPrevious, nullptr);
    if (!mNotifier)
        return; // the pipe belongs to another instance, or was never made
    mNotifier.reset();
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

} // namespace quelmo::platform
