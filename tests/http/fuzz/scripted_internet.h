// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the internet layer (platform/internet.h) that answers each send with the next
// answer of a script instead of a server: status lines, header lines, body chunks, and how the
// answer ends (cleanly, or with the transfer failing). It keeps the layer's contract (redirects
// followed, intermediate answers skipped, bytes arriving in whole chunks, a body sink) and
// records what it served, so that a test can hold the engine's outcome against it. A breach of
// the contract by its caller (a read after the end was told, a handle closed out of order, more
// bytes written than announced) ends the process with a message.

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::fuzz {

// One header block: a status line and its header lines.
struct HeaderBlock {
    std::string statusLine;
    std::vector<std::string> headers;
    bool complete = false; // its blank line arrived
};

struct ScriptedAnswer {
    std::vector<HeaderBlock> blocks; // intermediate ones (1xx) first
    std::vector<std::string> chunks; // body bytes, as they arrive
    bool failed = false;             // the transfer fails after the last chunk
};

// What one exchange (one send, or one followed redirect) got.
struct Exchange {
    std::optional<int> status;
    std::vector<std::string> headers;
    std::string requestHeaders; // the lasting and the send's own lines
    std::string arrived;        // body bytes that arrived
    std::size_t handedOut = 0;  // of those, read by the caller
    bool ended = false;         // the caller was told of the body's end or failure
    bool clean = false;         // the body ended as it should (no failure)
    bool redirected = false;    // followed by the layer: its caller never saw it
    std::size_t uploaded = 0, announced = 0;
};

struct Script {
    std::vector<ScriptedAnswer> answers;
    std::size_t next = 0;
    std::vector<Exchange> exchanges;
    std::vector<std::string> redirects; // the targets told through the status notice
};

// The script the next sends read. Set while no transfer runs; read again once its worker ended.
void UseScript(Script* script);

// Handles of the layer that are open (sessions, connections, requests).
int OpenHandles();

// The status code of a status line as the layer reads it ("HTTP/1.1 200 OK" gives 200);
// nothing for a line the layer refuses.
std::optional<int> StatusOf(const std::string& line);

[[noreturn]] void Breach(const std::string& what);

} // namespace quelmo::fuzz
