// The wake-up timer: a timerfd on CLOCK_BOOTTIME_ALARM, which the kernel programs into the RTC
// on the way into suspend-to-RAM. Closing the descriptor disarms it, so it stays open for the
// life of the process. Only the RTC's own alarm survives hibernation and power-off: that is set
// where the coming state needs it, by the process itself where it may write the attribute, else
// through the polkit-authorised helper.
#include "platform/process.h"
#include "platform/wake_alarm.h"

#include <cerrno>
#include <cmath>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quelmo::platform {

namespace {

enum class Written { Done, NotPermitted, Failed };

// One value to the RTC's attribute, as `echo` writes it. Appending keeps a stand-in file's
// record of every write; the kernel takes each write on its own.
Written WriteAttribute(const std::string& path, const std::string& value) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES || errno == EPERM || errno == EROFS ? Written::NotPermitted
                                                                   : Written::Failed;
    const std::string line = value + "\n";
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    ::close(fd);
    return written ? Written::Done : Written::Failed;
}

class TimerfdWakeAlarm final : public WakeAlarm {
public:
    TimerfdWakeAlarm(std::string rtcWakeAlarm, std::vector<std::string> helper)
        : mRtcPath(std::move(rtcWakeAlarm)),
          mHelper(helper.empty() ? RtcWakeAlarmHelper() : std::move(helper)) {}
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

    WakeArmResult ArmRelative(std::int64_t hundredNanos, WakeFrom from) override {
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

        const int saved = errno;
        // The alarm timer reaches the hardware through an RTC; without one it wakes nothing.
        const bool rtc = !mRtcPath.empty() && ::access(mRtcPath.c_str(), F_OK) == 0;
        const bool timerWakes = mCanWake && rtc;
        const bool rtcNeeded = rtc && (from != WakeFrom::Standby || !timerWakes);
        mRtcKept = false;
        bool rtcSet = false;
        if (rtcNeeded)
            rtcSet = SetRtc(DueSecond(relative));
        else if (mRtcSet)
            ClearRtc(); // an earlier alarm would wake the machine at the wrong time
        errno = saved;
        const bool armed = from == WakeFrom::Off ? rtcSet : timerWakes || rtcSet;
        return armed ? WakeArmResult::Armed : WakeArmResult::NotSupported;
    }

    void KeepRtcAlarm() override { mRtcKept = mRtcSet; }

    void Close() override {
        if (mFd >= 0)
            ::close(mFd);
        mFd = -1;
        if (mRtcSet && !mRtcKept) {
            const int saved = errno;
            ClearRtc();
            errno = saved;
        }
        mRtcSet = mRtcKept = false;
    }

private:
    static long long DueSecond(std::int64_t relativeHundredNanos) {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const double due = static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 +
                           static_cast<double>(relativeHundredNanos) / 1e7;
        return static_cast<long long>(std::ceil(due));
    }

    // The RTC takes an absolute epoch second, and a new alarm only after the old one is
    // cleared. The helper is asked only where the process may not write the attribute.
    bool SetRtc(long long second) {
        const std::string value = std::to_string(second);
        switch (WriteAttribute(mRtcPath, "0")) {
        case Written::Done:
            mRtcSet = WriteAttribute(mRtcPath, value) == Written::Done;
            break;
        case Written::NotPermitted:
            mRtcSet = RunHelper(value);
            break;
        case Written::Failed:
            mRtcSet = false;
            break;
        }
        return mRtcSet;
    }

    void ClearRtc() {
        if (WriteAttribute(mRtcPath, "0") == Written::NotPermitted)
            RunHelper("clear");
        mRtcSet = false;
    }

    bool RunHelper(const std::string& argument) {
        std::vector<std::string> command = mHelper;
        command.push_back(argument);
        return RunAndWait(command, kRtcHelperTimeoutMs) == 0;
    }

    std::string mRtcPath;
    std::vector<std::string> mHelper;
    int mFd = -1;
    bool mCanWake = true;
    bool mRtcSet = false;  // the RTC holds an alarm this object set
    bool mRtcKept = false; // and the machine is going down on it
};

} // namespace

std::vector<std::string> RtcWakeAlarmHelper() {
    return {"/usr/bin/pkexec", QUELMO_WAKEALARM_HELPER};
}

std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm(std::string rtcWakeAlarm,
                                                std::vector<std::string> helper) {
    return std::make_unique<TimerfdWakeAlarm>(std::move(rtcWakeAlarm), std::move(helper));
}

} // namespace quelmo::platform
