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

} // namespace quelmo::platform
