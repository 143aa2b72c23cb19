#include "platform/clock.h"

#include <ctime>
#include <mutex>

namespace quelmo::platform {

namespace {
std::mutex gTestClockMutex;
std::optional<UtcTime> gTestClock;
} // namespace

UtcTime CurrentUtc() {
    {
        std::lock_guard lock(gTestClockMutex);
        if (gTestClock)
            return *gTestClock;
    }
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return {static_cast<std::int64_t>(ts.tv_sec), static_cast<std::int32_t>(ts.tv_nsec / 1000000)};
}

void SetTestClock(std::optional<UtcTime> time) {
    std::lock_guard lock(gTestClockMutex);
    gTestClock = time;
}

LocalFields ToLocalFields(std::int64_t utcSeconds) {
    tzset();
    const time_t t = static_cast<time_t>(utcSeconds);
    tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

long StandardOffsetEastSeconds() {
    tzset();
    return -timezone;
}

} // namespace quelmo::platform
