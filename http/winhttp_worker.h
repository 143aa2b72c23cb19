// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer's steps on the worker thread, shared by the files that hold them.

#include "http/winhttp.h"
#include "http/winhttp_transfer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace quelmo::winhttp {

// Thrown by a check for abort once the clean-up has run: nothing after it runs.
struct Aborted {};

// A handler answering "try again" for ever gets this many rounds, then the answer stands.
inline constexpr int kMaxAuthenticationRounds = 3;
// A memory body is pre-sized to the announced length up to this; beyond, it grows as the
// bytes come, so that a server cannot make us reserve what it never sends.
inline constexpr std::uint32_t kMaxPresize = 256u << 20;

enum class Next { End, Restart, Continue };

inline std::uint32_t ToLength(const std::string& text) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(c - '0'), 0xFFFFFFFFu);
    }
    return static_cast<std::uint32_t>(value);
}

class Worker {
public:
    explicit Worker(Transfer& transfer) : t(transfer), s(transfer.settings) {}
    void Execute();

private:
    bool Stopped() const {
        const TEventWinThread* self = TEventWinThread::Current();
        return t.killed || (self && self->Terminated());
    }
    void CheckAbort();
    void AbortCleanup();
    // Runs `call` on the GUI thread while the worker waits; skipped once the transfer was
    // stopped from there. A call must not touch the component after a handler that stopped
    // the transfer or destroyed the component (t.killed tells).
    void OnGuiThread(const std::function<void(TCustomWinHTTP&)>& call);

    bool OpenSession();
    Next Connect();
    Next SendLoop();
    void SendMultipart();
    Next AfterStatus();
    Next ReadHeaders();
    Next ChooseBody();
    Next BodyLoop();
    std::string RangeLine(bool fromStart) const;

    Transfer& t;
    const Settings& s;
    std::string scheme, host, path, user, password, extra;
    unsigned short port = 0;
    bool post = false;
};

} // namespace quelmo::winhttp
