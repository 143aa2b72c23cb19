// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/thread_os.h"

#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace quelmo::platform {

int CurrentThreadId() {
    return static_cast<int>(::gettid());
}

std::optional<int> ThreadNice(int threadId) {
    if (threadId <= 0)
        return std::nullopt;
    // -1 is also a valid nice value: only errno tells a failure apart.
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(threadId));
    if (nice == -1 && errno != 0)
        return std::nullopt;
    return nice;
}

bool SetThreadNice(int threadId, int nice) {
    return threadId > 0 && ::setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), nice) == 0;
}

} // namespace quelmo::platform
