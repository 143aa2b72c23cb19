// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of one request of platform/internet.h, shared by its two source files.

#include "platform/curl_library.h"
#include "platform/header_lines.h"
#include "platform/internet.h"

#include <chrono>
#include <functional>

namespace quelmo::platform {

using SteadyClock = std::chrono::steady_clock;

// The library behind a valid session and everything made from one: loaded, since the
// session could be made.
inline const CurlLibrary& Curl() {
    return *LoadCurl();
}

struct HttpRequest::Impl {
    Impl(HttpConnection& connection, HttpRequestFlags flags);
    ~Impl();

    // The exchange: (re)starts the request on the current URL.
    bool Start();
    void Detach();
    // Runs the transfer until `done` holds (true), or it ends, stalls for `inactivityMs` after
    // the connection stands, or is cancelled (false unless `done` then holds).
    bool Drive(const std::function<bool()>& done, unsigned inactivityMs);
    // After Start: waits for the final answer's headers, following redirects.
    bool AwaitAnswer(bool bodyStreamed);
    // Whether the answer is a redirect to follow, and where to.
    bool RedirectTarget(bool bodyStreamed, std::string& next);
    std::optional<std::string> FindHeader(const std::string& name) const;
    void SetSocketCallbacks();
    void Fail(CURLcode code);
    void Notify(int status, const std::string& info = {}) const {
        connection.Session().Notify(status, info);
    }
    std::size_t Buffered() const { return sink ? sink->size() - sinkPos : body.size() - bodyPos; }
    void ApplyPause();
    void TakeMessages();

    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static size_t OnBody(char* data, size_t size, size_t count, void* self);
    static size_t OnUpload(char* data, size_t size, size_t count, void* self);
    static int OnConnected(void* self, char*, char*, int, int);

    HttpConnection& connection;
    HttpRequestFlags flags;
    CURL* easy = nullptr;
    curl_slist* headerList = nullptr;
    std::string verb, url, originalOrigin;
    std::string referrer, acceptTypes;
    std::vector<std::string> addedHeaders; // lasting lines of AddHeaders
    std::string sendHeaders;               // lines of the current send only
    std::string postBody;
    bool streamedBody = false;
    std::uint64_t streamTotal = 0;
    std::string user, password, proxyUser, proxyPassword;
    bool credentialsAllowed = true; // not after a redirect to another server
    unsigned connectMs = 0, receiveMs = 0, sendMs = 0;
    int redirects = 0;

    // The current exchange.
    bool attached = false;
    bool connected = false;
    bool socketOpened = false;
    bool finished = false;
    CURLcode result = CURLE_OK;
    SteadyClock::time_point lastActivity;
    bool inBlock = false;
    int blockStatus = 0;
    std::vector<std::string> blockLines;
    bool headersDone = false;
    int status = 0;
    std::vector<std::string> headerLines;

    // Body bytes that arrived and were not read yet; the transfer pauses above a mark.
    std::string body;
    std::size_t bodyPos = 0;
    std::size_t want = 0;
    bool recvPaused = false;
    // Where the body goes instead, and how much of it was handed out.
    std::string* sink = nullptr;
    std::size_t sinkPos = 0;

    // The piece of a streamed body that Write is handing over.
    const char* uploadData = nullptr;
    std::size_t uploadLeft = 0;
    bool uploadWanted = false;
    bool sendPaused = false;
};

} // namespace quelmo::platform
