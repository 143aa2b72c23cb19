// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine fuzzer's input: a line of options, then the server's answers, one piece a line.

#include "tests/http/fuzz/scripted_internet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelmo::fuzz {

// The bytes of the scripts' resource and of an output file that was there before: byte `at`,
// and `count` of them from `at` (the pattern repeats every 251 bytes: made by whole periods,
// which keeps large bodies cheap).
char Pattern(std::size_t at);
std::string PatternBytes(std::size_t at, std::size_t count);

// The first line: words, some with "=value": file (or badfile, in a folder that is missing)
// for an output file, old=<bytes> of it before and stale=<offset> of a byte changed in them;
// read=<from>-<to>, resume, upload or post for how the transfer starts; range=<from>-<to>;
// chunk=<bytes>; password=<n> and proxy=<n> for handlers that ask again n times; info=stop or
// info=go for a header handler; abort=<n> in the n-th progress event, with delete and atonce;
// noredirect; progress.
struct Options {
    bool toFile = false, badFile = false, resume = false, post = false, upload = false;
    bool noRedirect = false, progress = false;
    std::uint32_t from = 0, to = 0, rangeStart = 0, rangeEnd = 0;
    int chunk = 4096;
    std::size_t old = 0;
    std::optional<std::size_t> stale;
    int password = -1, proxy = -1; // "try again" this many times; -1: no handler
    int info = -1;                 // -1: no header handler; 0: it stops the download; 1: goes on
    int abortAt = 0;               // in this progress event (1 = the first)
    bool abortDelete = false, abortAtOnce = false;
};

Options ParseOptions(std::string_view line);

// One line per piece, by its first character: S status line, H header line, E the blank line
// after them, B body bytes (the rest of the line), P<at>,<count> bytes of the resource's
// pattern from offset <at>, C the body ends as it should, X the transfer fails. A blank line is
// implied before body bytes and ends; an answer ends with C or X, and a status line after
// a final answer's blank line begins the next answer.
Script ParseScript(std::string_view text);

std::uint64_t Number(std::string_view text, std::uint64_t limit);

} // namespace quelmo::fuzz
