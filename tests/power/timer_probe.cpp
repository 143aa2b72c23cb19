#include "tests/power/timer_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quelmo::test {

std::vector<int> TimerFds() {
    std::vector<int> fds;
    DIR* dir = ::opendir("/proc/self/fd");
    while (dirent* entry = dir ? ::readdir(dir) : nullptr) {
        char target[64] = {};
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        if (::readlink(link.c_str(), target, sizeof target - 1) > 0 &&
            std::string(target) == "anon_inode:[timerfd]" &&
            ClockIdOf(std::atoi(entry->d_name)) != CLOCK_REALTIME)
            fds.push_back(std::atoi(entry->d_name));
    }
    if (dir)
        ::closedir(dir);
    std::sort(fds.begin(), fds.end());
    return fds;
}

int ClockIdOf(int fd) {
    std::ifstream info("/proc/self/fdinfo/" + std::to_string(fd));
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("clockid:", 0) == 0)
            return std::atoi(line.c_str() + 8);
    }
    return -1;
}

double SecondsLeft(int fd) {
    itimerspec value{};
    if (::timerfd_gettime(fd, &value) != 0)
        return -1;
    EXPECT_EQ(value.it_interval.tv_sec, 0) << "the wake-up timer fires once";
    EXPECT_EQ(value.it_interval.tv_nsec, 0) << "the wake-up timer fires once";
    return static_cast<double>(value.it_value.tv_sec) + value.it_value.tv_nsec / 1e9;
}

std::vector<int> Added(const std::vector<int>& before, const std::vector<int>& now) {
    std::vector<int> added;
    for (int fd : now) {
        if (std::find(before.begin(), before.end(), fd) == before.end())
            added.push_back(fd);
    }
    return added;
}

} // namespace quelmo::test
