// SPDX-License-Identifier: GPL-3.0-or-later
// A self-pipe rather than signalfd: signalfd needs SIGTERM blocked in every thread, and Qt's
// D-Bus and other threads exist before the window does.
#include "platform/termination_signal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <utility>

namespace quelmo::platform {

namespace {
int gPipe[2] = {-1, -1};
// SIGHUP follows SIGTERM at once when systemd stops a session's scope; SIGINT is a terminal's.
constexpr int kEndings[] = {SIGTERM, SIGHUP, SIGINT};
struct sigaction gPrevious[std::size(kEndings)]{};
bool gCaught[std::size(kEndings)] = {};

extern "C" void OnEnding(int) {
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
    action.sa_handler = OnEnding;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kEndings); ++i) {
        // A hang-up or interrupt that was ignored when we started (nohup, a background job)
        // stays ignored.
        if (kEndings[i] != SIGTERM && ::sigaction(kEndings[i], nullptr, &gPrevious[i]) == 0 &&
            gPrevious[i].sa_handler == SIG_IGN)
            continue;
        gCaught[i] = ::sigaction(kEndings[i], &action, &gPrevious[i]) == 0;
    }
    mActive = gCaught[0];
}

TerminationSignal::~TerminationSignal() {
    if (!mNotifier)
        return; // the pipe and the handlers belong to another instance, or were never made
    for (std::size_t i = 0; i < std::size(kEndings); ++i) {
        if (std::exchange(gCaught[i], false))
            ::sigaction(kEndings[i], &gPrevious[i], nullptr);
    }
    mNotifier.reset();
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

} // namespace quelmo::platform
