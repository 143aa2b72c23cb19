// SPDX-License-Identifier: GPL-3.0-or-later
// The internet layer's classes over the stand-in's requests (scripted_internet.h), linked in
// place of the layer's own sources.
#include "tests/http/fuzz/scripted_request.h"

#include <algorithm>
#include <cstring>

namespace quelmo::platform {

using fuzz::Exchange;

void InternetCancel::Cancel() {
    std::lock_guard lock(mLock);
    mCancelled.store(true, std::memory_order_release);
}

CookieJar::CookieJar() = default;
CookieJar::~CookieJar() = default;
void* CookieJar::Handle() {
    return nullptr;
}

InternetSession::InternetSession(InternetSessionOptions options,
                                 std::shared_ptr<InternetCancel> cancel,
                                 std::shared_ptr<CookieJar> cookies)
    : mOptions(std::move(options)),
      mCancel(cancel ? std::move(cancel) : std::make_shared<InternetCancel>()),
      mCookies(std::move(cookies)), mMulti(this) {
    fuzz::CountHandle(+1);
}

InternetSession::~InternetSession() {
    fuzz::CountHandle(-1);
}

HttpRequest::HttpRequest(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {
    fuzz::CountHandle(+1);
}

HttpRequest::~HttpRequest() {
    // Through the connection to its session: a session closed first shows as a use after free.
    mImpl->Notify(kStatusHandleClosing);
    fuzz::CountHandle(-1);
}

std::unique_ptr<HttpRequest> HttpRequest::Open(HttpConnection& connection, const std::string& verb,
                                               const std::string&, const std::string&,
                                               const std::string&, HttpRequestFlags flags) {
    auto impl = std::make_unique<Impl>(connection, flags);
    impl->verb = verb.empty() ? "GET" : verb;
    if (!flags.noAuthentication) {
        impl->user = connection.User();
        impl->password = connection.Password();
    }
    connection.Session().Notify(kStatusHandleCreated);
    return std::unique_ptr<HttpRequest>(new HttpRequest(std::move(impl)));
}

void HttpRequest::SetConnectTimeout(unsigned) {}
void HttpRequest::SetReceiveTimeout(unsigned) {}
void HttpRequest::SetSendTimeout(unsigned) {}

void HttpRequest::SetCredentials(const std::string& user, const std::string& password) {
    mImpl->user = user;
    mImpl->password = password;
}

void HttpRequest::SetProxyCredentials(const std::string&, const std::string&) {}
void HttpRequest::SetIgnoreUnknownAuthority(bool) {}

bool HttpRequest::AddHeaders(const std::string& lines, bool replace) {
    std::vector<std::string> parsed;
    PutLines(parsed, lines, false);
    if (parsed.empty())
        return false;
    for (const std::string& line : parsed)
        PutLines(mImpl->addedHeaders, line, replace);
    return true;
}

bool HttpRequest::Send(const std::string& headers, const std::string&) {
    mImpl->sendHeaders = headers;
    mImpl->streamed = false;
    return mImpl->Start() && mImpl->AwaitAnswer(false);
}

bool HttpRequest::SendEx(const std::string& headers, std::uint64_t total) {
    Impl& r = *mImpl;
    r.sendHeaders = headers;
    r.streamed = true;
    // A server that answers nothing at all refuses the body too.
    if (!r.Start() || !r.answer || r.answer->blocks.empty())
        return false;
    r.Current().announced = static_cast<std::size_t>(total);
    return true;
}

bool HttpRequest::Write(const char* data, std::size_t size, std::size_t& written) {
    Impl& r = *mImpl;
    written = 0;
    if (!r.answer || r.headersDone || r.Session().Cancel().Cancelled())
        return false;
    Exchange& exchange = r.Current();
    if (exchange.uploaded + size > exchange.announced)
        fuzz::Breach("more bytes written than announced");
    // Every byte is looked at, so that the address sanitizer sees a piece that is not there.
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum += static_cast<unsigned char>(data[i]);
    static_cast<void>(sum);
    exchange.uploaded += size;
    written = size;
    return true;
}

bool HttpRequest::EndRequest() {
    return mImpl->AwaitAnswer(true);
}

std::optional<int> HttpRequest::StatusCode() const {
    if (!mImpl->headersDone)
        return std::nullopt;
    return mImpl->status;
}

std::optional<std::string> HttpRequest::Header(const std::string& name) const {
    if (!mImpl->headersDone)
        return std::nullopt;
    return mImpl->FindHeader(name);
}

std::string HttpRequest::RawHeaders() const {
    if (!mImpl->headersDone)
        return {};
    std::string text;
    for (const std::string& line : mImpl->headerLines)
        text += line + "\r\n";
    return text + "\r\n";
}

bool HttpRequest::Read(char* buffer, std::size_t size, std::size_t& read) {
    Impl& r = *mImpl;
    read = 0;
    if (!r.headersDone)
        return false;
    Exchange& exchange = r.Current();
    if (exchange.ended)
        fuzz::Breach("a read after the body's end was told");
    if (!buffer && !r.sink)
        fuzz::Breach("a read into nothing without a body sink");
    while (r.Buffered() < size && !r.finished) {
        if (r.Session().Cancel().Cancelled()) {
            r.finished = true;
            r.succeeded = false;
            break;
        }
        r.Arrive();
    }
    read = std::min(size, r.Buffered());
    if (buffer) // all of it written: a buffer shorter than told shows as an overflow
        std::memset(buffer, 0xA5, size);
    if (r.sink) {
        if (buffer)
            std::memcpy(buffer, r.sink->data() + r.sinkPos, read);
        r.sinkPos += read;
    } else {
        std::memcpy(buffer, r.body.data() + r.bodyPos, read);
        r.bodyPos += read;
    }
    exchange.handedOut += read;
    if (read > 0)
        return true;
    exchange.ended = true;
    exchange.clean = r.finished && r.succeeded;
    return exchange.clean;
}

void HttpRequest::SetBodySink(std::string* sink) {
    Impl& r = *mImpl;
    r.sinkPos = sink ? sink->size() : 0;
    if (sink)
        sink->append(r.body, r.bodyPos, std::string::npos);
    r.body.clear();
    r.bodyPos = 0;
    r.sink = sink;
}

// Networking is on: nothing to ask.
bool NetworkingDisabled() {
    return false;
}

bool GoOnline() {
    return false;
}

} // namespace quelmo::platform
