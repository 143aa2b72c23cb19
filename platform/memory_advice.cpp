// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/memory_advice.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace quelmo::platform {

void AdviseLargePages(void* data, std::size_t size) {
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) / page * page;
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

} // namespace quelmo::platform
