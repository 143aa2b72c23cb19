// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in's exchanges with the script's answers, and the script itself.
#include "tests/http/fuzz/scripted_request.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quelmo::fuzz {

namespace {
Script* gScript = nullptr;
std::atomic<int> gOpen{0};

} // namespace

Script& CurrentScript() {
    return *gScript;
}

void CountHandle(int change) {
    gOpen += change;
}

void UseScript(Script* script) {
    gScript = script;
}

int OpenHandles() {
    return gOpen.load();
}

std::optional<int> StatusOf(const std::string& line) {
    // "HTTP/" and a version, a blank, three digits, then the end or a blank.
    const std::size_t blank = line.find(' ');
    if (line.rfind("HTTP/", 0) != 0 || blank == std::string::npos || blank == 5 ||
        line.size() < blank + 4)
        return std::nullopt;
    int code = 0;
    for (std::size_t i = blank + 1; i < blank + 4; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return std::nullopt;
        code = code * 10 + (line[i] - '0');
    }
    if (line.size() > blank + 4 && line[blank + 4] != ' ')
        return std::nullopt;
    return code;
}

void Breach(const std::string& what) {
    std::fprintf(stderr, "internet layer stand-in: %s\n", what.c_str());
    std::abort();
}

} // namespace quelmo::fuzz

namespace quelmo::platform {

bool HttpRequest::Impl::Start() {
    headersDone = finished = succeeded = false;
    body.clear();
    bodyPos = 0;
    sink = nullptr;
    nextChunk = 0;
    headerLines.clear();
    answer = nullptr;
    if (Session().Options().offline || Session().Cancel().Cancelled())
        return false;
    fuzz::Script& script = fuzz::CurrentScript();
    fuzz::Exchange exchange;
    std::vector<std::string> lines = addedHeaders;
    PutLines(lines, sendHeaders, true);
    for (const std::string& line : lines)
        exchange.requestHeaders += line + "\r\n";
    script.exchanges.push_back(std::move(exchange));
    this->exchange = script.exchanges.size() - 1;
    if (script.next < script.answers.size())
        answer = &script.answers[script.next++];
    return true;
}

void HttpRequest::Impl::Arrive() {
    if (nextChunk < answer->chunks.size()) {
        const std::string& chunk = answer->chunks[nextChunk++];
        Current().arrived += chunk;
        (sink ? *sink : body) += chunk;
        return;
    }
    finished = true;
    succeeded = !answer->failed;
}

bool HttpRequest::Impl::AwaitAnswer(bool bodyStreamed) {
    for (;;) {
        if (!answer || Session().Cancel().Cancelled())
            return false;
        const fuzz::HeaderBlock* final = nullptr;
        bool first = true;
        int code = 0;
        for (const fuzz::HeaderBlock& block : answer->blocks) {
            if (first)
                Notify(kStatusRequestSent);
            first = false;
            Notify(kStatusReceivingResponse);
            const std::optional<int> status = fuzz::StatusOf(block.statusLine);
            if (!block.complete || !status)
                break;
            if (*status >= 100 && *status < 200) {
                Notify(kStatusIntermediateResponse);
                continue;
            }
            Notify(kStatusResponseReceived);
            final = &block;
            code = *status;
            break;
        }
        if (!final)
            return false;
        status = code;
        headerLines = {final->statusLine};
        headerLines.insert(headerLines.end(), final->headers.begin(), final->headers.end());
        headersDone = true;
        Current().status = code;
        Current().headers = final->headers;
        if (!answer->chunks.empty())
            Arrive(); // bytes that came with the headers
        std::string next;
        if (!RedirectTarget(bodyStreamed, next))
            return true;
        Notify(kStatusRedirect, next);
        Current().redirected = true;
        fuzz::CurrentScript().redirects.push_back(next);
        ++redirects;
        if (code == 303 || ((code == 301 || code == 302) && verb == "POST")) {
            verb = "GET";
            streamed = false;
        }
        if (!Start())
            return false;
    }
}

bool HttpRequest::Impl::RedirectTarget(bool bodyStreamed, std::string& next) const {
    if (flags.noAutoRedirect || !platform::FollowsRedirect(status, redirects, bodyStreamed))
        return false;
    const std::optional<std::string> location = FindHeader("location");
    if (!location || location->empty())
        return false;
    const std::string lower = Lower(*location);
    if (lower.find("://") != std::string::npos && lower.rfind("http://", 0) != 0 &&
        lower.rfind("https://", 0) != 0)
        return false;
    next = *location;
    return true;
}

std::optional<std::string> HttpRequest::Impl::FindHeader(const std::string& name) const {
    return platform::FindHeader(headerLines, name);
}

} // namespace quelmo::platform
