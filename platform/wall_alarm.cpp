// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wall_alarm.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quelmo::platform {

namespace {

class TimerfdWallAlarm final : public WallAlarm {
public:
    TimerfdWallAlarm() : mFd(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)) {
        if (mFd < 0)
            return;
        mNotifier = std::make_unique<QSocketNotifier>(mFd, QSocketNotifier::Read);
        QObject::connect(mNotifier.get(), &QSocketNotifier::activated, [this] { Fired(); });
    }
    ~TimerfdWallAlarm() override {
        mNotifier.reset();
        if (mFd >= 0)
            ::close(mFd);
    }

    void ArmAt(std::int64_t utcMillis) override {
        if (mFd < 0)
            return;
        itimerspec due{};
        // A moment already past fires at once; zero would disarm instead.
        const std::int64_t at = utcMillis > 0 ? utcMillis : 1;
        due.it_value.tv_sec = static_cast<time_t>(at / 1000);
        due.it_value.tv_nsec = static_cast<long>(at % 1000 * 1000000);
        mArmed =
            ::timerfd_settime(mFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &due, nullptr) == 0;
    }

    void Disarm() override {
        if (mFd < 0)
            return;
        const itimerspec off{};
        ::timerfd_settime(mFd, 0, &off, nullptr);
        mArmed = false;
    }

    bool Armed() const override { return mArmed; }

private:
    void Fired() {
        std::uint64_t expirations = 0;
        const ssize_t n = ::read(mFd, &expirations, sizeof expirations);
        if (n < 0 && errno == EAGAIN)
            return; // already read: nothing is due
        mArmed = false;
        const bool set = n < 0 && errno == ECANCELED;
        if (set) {
            Disarm();
            if (onClockSet)
                onClockSet();
        } else if (onDue) {
            onDue();
        }
    }

    int mFd;
    bool mArmed = false;
    std::unique_ptr<QSocketNotifier> mNotifier;
};

} // namespace

std::unique_ptr<WallAlarm> MakeWallAlarm() {
    return std::make_unique<TimerfdWallAlarm>();
}

} // namespace quelmo::platform
