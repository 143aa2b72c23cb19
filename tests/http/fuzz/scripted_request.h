// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stand-in's state of one request, shared by its two source files.

#include "platform/header_lines.h"
#include "platform/internet.h"
#include "tests/http/fuzz/scripted_internet.h"

namespace quelmo::fuzz {

Script& CurrentScript();
// Sessions and requests count as they open (+1) and close (-1).
void CountHandle(int change);

} // namespace quelmo::fuzz

namespace quelmo::platform {

struct HttpRequest::Impl {
    Impl(HttpConnection& c, HttpRequestFlags f) : connection(c), flags(f) {}

    InternetSession& Session() const { return connection.Session(); }
    fuzz::Exchange& Current() const { return fuzz::CurrentScript().exchanges[exchange]; }
    std::size_t Buffered() const { return sink ? sink->size() - sinkPos : body.size() - bodyPos; }
    void Notify(int id, const std::string& info = {}) const { Session().Notify(id, info); }

    // A fresh exchange with the script's next answer.
    bool Start();
    // The next chunk arrives, or the end when none is left.
    void Arrive();
    // The final answer's headers, redirects followed.
    bool AwaitAnswer(bool bodyStreamed);
    bool RedirectTarget(bool bodyStreamed, std::string& next) const;
    std::optional<std::string> FindHeader(const std::string& name) const;

    HttpConnection& connection;
    HttpRequestFlags flags;
    std::string verb;
    std::vector<std::string> addedHeaders;
    std::string sendHeaders;
    std::string user, password;
    bool streamed = false;
    int redirects = 0;

    std::size_t exchange = 0;
    const fuzz::ScriptedAnswer* answer = nullptr;
    std::size_t nextChunk = 0;
    bool headersDone = false, finished = false, succeeded = false;
    int status = 0;
    std::vector<std::string> headerLines;
    std::string body;
    std::size_t bodyPos = 0;
    std::string* sink = nullptr;
    std::size_t sinkPos = 0;
};

} // namespace quelmo::platform
