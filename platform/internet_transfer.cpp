// SPDX-License-Identifier: GPL-3.0-or-later
// Driving a request of the HTTP client: libcurl's callbacks, the wait, reading and writing.
#include "platform/internet_private.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace quelmo::platform {

namespace {

// Body bytes kept ahead of the reader; above this the transfer pauses until it drains below
// the low mark, so that the kernel's buffers and flow control hold the rest.
constexpr std::size_t kHighWater = 4u << 20;
constexpr std::size_t kLowWater = 1u << 20;
constexpr long kDefaultInactivityMs = 60000;

curl_socket_t OpenSocket(void* self, curlsocktype, curl_sockaddr* address) {
    auto& r = *static_cast<HttpRequest::Impl*>(self);
    char text[INET6_ADDRSTRLEN] = "";
    if (address->family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&address->addr)->sin_addr, text,
                  sizeof text);
    else if (address->family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(&address->addr)->sin6_addr, text,
                  sizeof text);
    r.Notify(kStatusNameResolved, text);
    r.Notify(kStatusConnectingToServer, text);
    r.socketOpened = true;
    const int fd = socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    return fd < 0 ? CURL_SOCKET_BAD : fd;
}

// Connections outlive their requests in the session's cache: they report to the session.
int CloseSocket(void* session, curl_socket_t fd) {
    const auto& s = *static_cast<const InternetSession*>(session);
    s.Notify(kStatusClosingConnection);
    const int result = close(fd);
    s.Notify(kStatusConnectionClosed);
    return result;
}

int ResolverStart(void*, void*, void* self) {
    static_cast<HttpRequest::Impl*>(self)->Notify(kStatusResolvingName);
    return 0;
}

} // namespace

void HttpRequest::Impl::SetSocketCallbacks() {
    const CurlLibrary& curl = Curl();
    SetOption<CURLOPT_OPENSOCKETFUNCTION>(curl, easy, &OpenSocket);
    SetOption<CURLOPT_OPENSOCKETDATA>(curl, easy, this);
    SetOption<CURLOPT_CLOSESOCKETFUNCTION>(curl, easy, &CloseSocket);
    SetOption<CURLOPT_CLOSESOCKETDATA>(curl, easy, &connection.Session());
    SetOption<CURLOPT_RESOLVER_START_FUNCTION>(curl, easy, &ResolverStart);
    SetOption<CURLOPT_RESOLVER_START_DATA>(curl, easy, this);
}

int HttpRequest::Impl::OnConnected(void* self, char*, char*, int, int) {
    auto& r = *static_cast<Impl*>(self);
    if (r.socketOpened)
        r.Notify(kStatusConnectedToServer);
    r.socketOpened = false;
    r.connected = true;
    r.lastActivity = SteadyClock::now();
    r.Notify(kStatusSendingRequest);
    return CURL_PREREQFUNC_OK;
}

size_t HttpRequest::Impl::OnHeader(char* data, size_t size, size_t count, void* self) {
    auto& r = *static_cast<Impl*>(self);
    const size_t length = size * count;
    r.lastActivity = SteadyClock::now();
    if (r.headersDone)
        return length; // trailers of a chunked body
    std::string line(data, length);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (!r.inBlock) {
        if (r.blockStatus == 0)
            r.Notify(kStatusRequestSent);
        r.Notify(kStatusReceivingResponse);
        r.inBlock = true;
        r.blockLines.clear();
        r.blockStatus = 0;
        const std::size_t blank = line.find(' ');
        if (line.rfind("HTTP/", 0) == 0 && blank != std::string::npos)
            r.blockStatus = std::atoi(line.c_str() + blank + 1);
    }
    if (!line.empty()) {
        r.blockLines.push_back(std::move(line));
        return length;
    }
    r.inBlock = false;
    if (r.blockStatus >= 100 && r.blockStatus < 200) {
        r.Notify(kStatusIntermediateResponse);
        return length;
    }
    r.Notify(kStatusResponseReceived);
    r.status = r.blockStatus;
    r.headerLines = std::move(r.blockLines);
    r.headersDone = true;
    return length;
}

size_t HttpRequest::Impl::OnBody(char* data, size_t size, size_t count, void* self) {
    auto& r = *static_cast<Impl*>(self);
    const size_t length = size * count;
    r.lastActivity = SteadyClock::now();
    if (r.sink) {
        r.sink->append(data, length);
        return length;
    }
    if (r.Buffered() >= std::max(kHighWater, r.want)) {
        r.recvPaused = true;
        return CURL_WRITEFUNC_PAUSE; // delivered again once unpaused
    }
    if (r.bodyPos == r.body.size()) {
        r.body.clear();
        r.bodyPos = 0;
    } else if (r.bodyPos >= kLowWater) {
        r.body.erase(0, r.bodyPos);
        r.bodyPos = 0;
    }
    r.body.append(data, length);
    return length;
}

size_t HttpRequest::Impl::OnUpload(char* data, size_t size, size_t count, void* self) {
    auto& r = *static_cast<Impl*>(self);
    r.uploadWanted = true;
    if (r.uploadLeft == 0) {
        r.sendPaused = true;
        return CURL_READFUNC_PAUSE; // until the next Write
    }
    const size_t n = std::min(size * count, r.uploadLeft);
    std::memcpy(data, r.uploadData, n);
    r.uploadData += n;
    r.uploadLeft -= n;
    r.lastActivity = SteadyClock::now();
    return n;
}

void HttpRequest::Impl::ApplyPause() {
    const bool resumeRecv = recvPaused && Buffered() < std::max(kLowWater, want);
    const bool resumeSend = sendPaused && uploadLeft > 0;
    if (!resumeRecv && !resumeSend)
        return;
    if (resumeRecv)
        recvPaused = false;
    if (resumeSend)
        sendPaused = false;
    // The callbacks may pause again from inside this call.
    Curl().easy_pause(easy, (recvPaused ? CURLPAUSE_RECV : 0) | (sendPaused ? CURLPAUSE_SEND : 0));
}

void HttpRequest::Impl::TakeMessages() {
    int left = 0;
    while (CURLMsg* message =
               Curl().multi_info_read(static_cast<CURLM*>(connection.Session().Multi()), &left)) {
        if (message->msg != CURLMSG_DONE || message->easy_handle != easy)
            continue;
        finished = true;
        result = message->data.result;
        if (result == CURLE_OK)
            Notify(kStatusRequestComplete);
    }
}

void HttpRequest::Impl::Fail(CURLcode code) {
    finished = true;
    result = code;
    Detach(); // a connection that failed this way is not used again
}

bool HttpRequest::Impl::Drive(const std::function<bool()>& done, unsigned inactivityMs) {
    auto* multi = static_cast<CURLM*>(connection.Session().Multi());
    const InternetCancel& cancel = connection.Session().Cancel();
    const auto limit =
        std::chrono::milliseconds(inactivityMs ? inactivityMs : kDefaultInactivityMs);
    lastActivity = SteadyClock::now();
    for (;;) {
        if (done())
            return true;
        if (finished || !attached)
            return false;
        if (cancel.Cancelled()) {
            Fail(CURLE_ABORTED_BY_CALLBACK);
            return false;
        }
        ApplyPause();
        int running = 0;
        if (Curl().multi_perform(multi, &running) != CURLM_OK) {
            Fail(CURLE_RECV_ERROR);
            return false;
        }
        TakeMessages();
        if (done())
            return true;
        if (finished)
            return false;
        // Before the connection stands, libcurl's connect time-out rules.
        int waitMs = 1000;
        if (connected) {
            const auto quiet = SteadyClock::now() - lastActivity;
            if (quiet >= limit) {
                Fail(CURLE_OPERATION_TIMEDOUT);
                return false;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - quiet);
            waitMs = static_cast<int>(std::clamp<long long>(left.count(), 1, 1000));
        }
        Curl().multi_poll(multi, nullptr, 0, waitMs, nullptr);
    }
}

void HttpRequest::SetBodySink(std::string* sink) {
    Impl& r = *mImpl;
    r.sinkPos = sink ? sink->size() : 0;
    if (sink)
        sink->append(r.body, r.bodyPos, std::string::npos); // what came with the headers
    r.body.clear();
    r.bodyPos = 0;
    r.sink = sink;
    r.ApplyPause();
}

bool HttpRequest::Read(char* buffer, std::size_t size, std::size_t& read) {
    Impl& r = *mImpl;
    read = 0;
    if (!r.headersDone)
        return false;
    r.want = size;
    if (r.Buffered() < size && !r.finished)
        r.Drive([&r, size] { return r.Buffered() >= size; }, r.receiveMs);
    r.want = 0;
    read = std::min(size, r.Buffered());
    if (r.sink) {
        if (buffer)
            std::memcpy(buffer, r.sink->data() + r.sinkPos, read);
        r.sinkPos += read;
    } else {
        std::memcpy(buffer, r.body.data() + r.bodyPos, read);
        r.bodyPos += read;
    }
    r.ApplyPause();
    if (read > 0)
        return true;
    return r.finished && r.result == CURLE_OK;
}

} // namespace quelmo::platform
