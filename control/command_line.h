// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: asks the running copy over the control interface, or starts the program.

#include <optional>

namespace quelmo {

// Exit codes of a command that talked to the running copy.
inline constexpr int kCommandDone = 0, kCommandRefused = 1, kCommandNoCopy = 2;

// Runs the command that the arguments ask for and gives its exit code; nothing when they ask
// for none, so that the program starts as usual.
std::optional<int> RunCommandLine(int argc, char** argv);

} // namespace quelmo
