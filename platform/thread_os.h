// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Identity and scheduling priority of the threads of this process.

#include <optional>

namespace quelmo::platform {

// The kernel's id of the calling thread.
int CurrentThreadId();

// The nice value of a thread of this process; nothing when it cannot be read (an ended thread).
std::optional<int> ThreadNice(int threadId);

// False when the kernel refuses: a raise (a lower nice value) without the privilege to raise,
// or a thread that has ended.
bool SetThreadNice(int threadId, int nice);

} // namespace quelmo::platform
