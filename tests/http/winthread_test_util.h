// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the worker-thread tests: serving the GUI thread's events until something happens.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace quelmo::test {

// Processes events until `done` holds or `ms` pass; whether it holds.
inline bool ServeUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

// Blocks a worker until the test opens it (or 10 s pass, so that no test hangs).
class Gate {
public:
    void Open() { mOpen = true; }
    void Wait() const {
        for (int i = 0; i < 10000 && !mOpen; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

private:
    std::atomic<bool> mOpen{false};
};

inline bool OnGuiThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Threads of this process that are alive.
inline int LiveThreads() {
    return static_cast<int>(
        QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace quelmo::test
