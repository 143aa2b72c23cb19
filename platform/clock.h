#pragma once
// The one clock every part of Quelmo reads. Tests replace it with a set time so that they
// never wait for the real one; the time zone comes from TZ as usual.

#include <cstdint>
#include <optional>

namespace quelmo::platform {

struct UtcTime {
    std::int64_t seconds = 0; // since 1970-01-01 00:00:00 UTC
    std::int32_t millis = 0;  // 0..999
};

struct LocalFields {
    int year = 1970, month = 1, day = 1; // month 1..12
    int hour = 0, minute = 0, second = 0;
};

// CLOCK_REALTIME, or the time a test has set.
UtcTime CurrentUtc();
// CLOCK_MONOTONIC in milliseconds: how long the machine has been awake since some moment. It
// stands still while the machine sleeps and ignores a clock that is set, or the time a test has
// set.
std::int64_t MonotonicMillis();

// Replaces the clocks for tests; std::nullopt returns to the real clock.
void SetTestClock(std::optional<UtcTime> time);
void SetTestMonotonic(std::optional<std::int64_t> millis);

// Local wall-clock fields of a UTC second, daylight saving applied (localtime_r).
LocalFields ToLocalFields(std::int64_t utcSeconds);

// The zone's offset east of UTC in seconds at a UTC second, daylight saving applied.
long UtcOffsetSecondsAt(std::int64_t utcSeconds);

// The zone's standard offset east of UTC in seconds, daylight saving never applied.
// A change of TZ counts from the next call, so tests may change the zone at run time; a
// change of /etc/localtime counts within a second.
long StandardOffsetEastSeconds();

} // namespace quelmo::platform
