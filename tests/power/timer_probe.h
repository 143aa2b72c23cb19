#pragma once
// Reads this process's timerfds back from the kernel.

#include <vector>

namespace quelmo::test {

// The descriptors of this process that are timerfds on a boot-time clock: the wake-up timer's,
// not the program's own wall-clock alarm.
std::vector<int> TimerFds();
// The fd's clock as /proc/self/fdinfo tells it, −1 when unknown.
int ClockIdOf(int fd);
// Seconds until the timer fires (timerfd_gettime); −1 on failure. A periodic timer fails the
// calling test.
double SecondsLeft(int fd);
// The descriptors in `now` that are not in `before`.
std::vector<int> Added(const std::vector<int>& before, const std::vector<int>& now);

} // namespace quelmo::test
