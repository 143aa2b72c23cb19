#pragma once
// Starting a program without a shell.

#include <cstdint>
#include <string>
#include <vector>

namespace quelmo::platform {

// This process's id.
std::uint32_t OwnProcessId();

// Starts arguments[0], looked up on PATH, with the whole vector as its arguments, the caller's
// environment and folder. Not waited for; the child is reaped when it ends. False (errno set)
// when it could not be started.
bool SpawnDetached(const std::vector<std::string>& arguments);

// Runs the program at the path arguments[0] (not looked up on PATH) with its standard input
// and output on /dev/null, and waits for it at most `timeoutMs`: one that takes longer is
// killed. Its exit status; -1 when it could not be started, was killed or ended by a signal.
int RunAndWait(const std::vector<std::string>& arguments, int timeoutMs);

} // namespace quelmo::platform
