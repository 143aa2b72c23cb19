// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the engine fuzzer holds a transfer's outcome to.

#include "tests/http/fuzz/engine_input.h"

#include <QString>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::fuzz {

// What the component's events told.
struct Observed {
    std::vector<std::string> events; // the outcome events and OnAnyError, in order
    int progress = 0;
    bool abortCalled = false;
    bool doneStream = false;
    std::string body; // what OnDone or OnHTTPError handed over
    std::uint32_t doneSize = 0;
    bool whole = false;
    int passwordRounds = 0, proxyRounds = 0;
    std::mutex lock; // the worker's events
    std::vector<std::string> redirects;
    bool gone = false; // the component was destroyed
};

// Ends the process, naming what is wrong, unless the outcome holds to the script: `start` is
// where the transfer was asked to begin, `before` the output file before it.
void Check(const Options& o, Observed& seen, const Script& script, bool busy, std::uint32_t start,
           const std::optional<std::string>& before, const QString& output);

std::optional<std::string> ReadFile(const QString& name);

} // namespace quelmo::fuzz
