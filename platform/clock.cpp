#include "platform/clock.h"

#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>

namespace quelmo::platform {

namespace {
std::mutex gTestClockMutex;
std::optional<UtcTime> gTestClock;
std::optional<std::int64_t> gTestMonotonic;

// tzset() looks up /etc/localtime on every call, a path walk that cost a hidden program more
// than its whole tick. The zone is read again once a minute, which follows a change of zone
// well before any switch-off it moves, and at once whenever TZ itself changes.
constexpr time_t kZoneReadSeconds = 60;

void RefreshTimeZone() {
    static std::mutex mutex;
    static bool read = false;
    static time_t readAt = 0;
    static std::optional<std::string> zone;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    const char* tz = std::getenv("TZ");
    std::lock_guard lock(mutex);
    const bool sameZone = tz ? zone && *zone == tz : !zone;
    if (read && now.tv_sec - readAt < kZoneReadSeconds && sameZone)
        return;
    tzset();
    read = true;
    readAt = now.tv_sec;
    zone = tz ? std::optional<std::string>(tz) : std::nullopt;
}
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

std::int64_t MonotonicMillis() {
    {
        std::lock_guard lock(gTestClockMutex);
        if (gTestMonotonic)
            return *gTestMonotonic;
    }
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void SetTestClock(std::optional<UtcTime> time) {
    std::lock_guard lock(gTestClockMutex);
    gTestClock = time;
}

void SetTestMonotonic(std::optional<std::int64_t> millis) {
    std::lock_guard lock(gTestClockMutex);
    gTestMonotonic = millis;
}

LocalFields ToLocalFields(std::int64_t utcSeconds) {
    RefreshTimeZone();
    const time_t t = static_cast<time_t>(utcSeconds);
    tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

long UtcOffsetSecondsAt(std::int64_t utcSeconds) {
    RefreshTimeZone();
    const time_t t = static_cast<time_t>(utcSeconds);
    tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

long StandardOffsetEastSeconds() {
    RefreshTimeZone();
    return -timezone;
}

} // namespace quelmo::platform
