// The wake-up timer: a timerfd on CLOCK_BOOTTIME_ALARM, which the kernel programs into the RTC
// on the way into suspend-to-RAM. Closing the descriptor disarms it, so it stays open for the
// life of the process. Only the RTC's own alarm survives hibernation, so that is set as well
// wherever it can be written.
#include "platform/wake_alarm.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quelmo::platform {

namespace {

// Writes one value to a sysfs attribute; errno is left as it was.
bool WriteAttribute(const std::string& path, const std::string& value) {
    const int saved = errno;
    bool written = false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd >= 0) {
        written = ::write(fd, value.data(), value.size()) == static_cast<ssize_t>(value.size());
        ::close(fd);
    }
    errno = saved;
    return written;
}

class TimerfdWakeAlarm final : public WakeAlarm {
public:
    explicit TimerfdWakeAlarm(std::string rtcWakeAlarm) : mRtcPath(std::move(rtcWakeAlarm)) {}
    ~TimerfdWakeAlarm() override { Close(); }

    bool Create() override {
        if (mFd >= 0)
            return true;
        mCanWake = true;
        mFd = ::timerfd_create(CLOCK_BOOTTIME_ALARM, TFD_CLOEXEC);
        if (mFd < 0 && errno == EPERM) {
            // No CAP_WAKE_ALARM: a timer that keeps the due time but cannot wake the machine.
            mCanWake = false;
            mFd = ::timerfd_create(CLOCK_BOOTTIME, TFD_CLOEXEC);
        }
        return mFd >= 0;
    }

    bool IsCreated() const override { return mFd >= 0; }

    WakeArmResult ArmRelative(std::int64_t hundredNanos) override {
        if (mFd < 0) {
            errno = EBADF;
            return WakeArmResult::Failed;
        }
        // A due time of zero would disarm the timer rather than fire it.
        if (hundredNanos >= 0) {
            errno = EINVAL;
            return WakeArmResult::Failed;
        }
        const std::int64_t relative = -hundredNanos;
        const itimerspec off{};
        ::timerfd_settime(mFd, 0, &off, nullptr);
        itimerspec due{};
        due.it_value.tv_sec = static_cast<time_t>(relative / 10000000);
        due.it_value.tv_nsec = static_cast<long>(relative % 10000000 * 100);
        if (::timerfd_settime(mFd, 0, &due, nullptr) != 0)
            return WakeArmResult::Failed;
        SetRtc(relative);
        return mCanWake ? WakeArmResult::Armed : WakeArmResult::NotSupported;
    }

    void Close() override {
        if (mFd < 0)
            return;
        ::close(mFd);
        mFd = -1;
        if (mRtcSet)
            WriteAttribute(mRtcPath, "0");
        mRtcSet = false;
    }

private:
    // The RTC takes an absolute epoch second, and a new alarm only after the old one is
    // cleared.
    void SetRtc(std::int64_t relativeHundredNanos) {
        if (mRtcPath.empty())
            return;
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const double due = static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 +
                           static_cast<double>(relativeHundredNanos) / 1e7;
        const auto second = static_cast<long long>(std::ceil(due));
        if (WriteAttribute(mRtcPath, "0") && WriteAttribute(mRtcPath, std::to_string(second)))
            mRtcSet = true;
    }

    std::string mRtcPath;
    int mFd = -1;
    bool mCanWake = true;
    bool mRtcSet = false;
};

} // namespace

std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm(std::string rtcWakeAlarm) {
    return std::make_unique<TimerfdWakeAlarm>(std::move(rtcWakeAlarm));
}

} // namespace quelmo::platform
