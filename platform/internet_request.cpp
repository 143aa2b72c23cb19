// SPDX-License-Identifier: GPL-3.0-or-later
// Requests of the HTTP client: headers, sending, redirects and the answer's headers.
#include "platform/internet_private.h"

#include <memory>

namespace quelmo::platform {

namespace {

// Bytes that may not stand in a request target as they are.
std::string EscapeTarget(const std::string& object) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out = object.empty() || object[0] != '/' ? "/" : "";
    for (unsigned char c : object) {
        if (c <= 0x20 || c >= 0x7F || c == '#') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Authority(const std::string& host, unsigned port) {
    const std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return name + ":" + std::to_string(port);
}

struct UrlHandle {
    CURLU* url = Curl().url();
    ~UrlHandle() { Curl().url_cleanup(url); }
    std::string Get(CURLUPart part, unsigned flags = 0) const {
        char* text = nullptr;
        if (Curl().url_get(url, part, &text, flags) != CURLUE_OK)
            return {};
        std::string value = text;
        Curl().free(text);
        return value;
    }
    std::string Origin() const {
        return Lower(Get(CURLUPART_SCHEME)) + "://" + Lower(Get(CURLUPART_HOST)) + ":" +
               Get(CURLUPART_PORT, CURLU_DEFAULT_PORT);
    }
};

} // namespace

bool HttpRequest::Impl::AwaitAnswer(bool bodyStreamed) {
    for (;;) {
        if (!Drive([this] { return headersDone; }, receiveMs)) {
            // A proxy that refused the tunnel for want of credentials answers like a server.
            long connectCode = 0;
            Curl().easy_getinfo(easy, CURLINFO_HTTP_CONNECTCODE, &connectCode);
            if (!headersDone && connectCode == 407) {
                status = 407;
                headersDone = true;
            }
            return headersDone;
        }
        std::string next;
        if (!RedirectTarget(bodyStreamed, next))
            return true;
        Notify(kStatusRedirect, next);
        url = next;
        ++redirects;
        if (status == 303 || ((status == 301 || status == 302) && verb == "POST")) {
            verb = "GET";
            postBody.clear();
            streamedBody = false;
        }
        if (!Start())
            return false;
    }
}

bool HttpRequest::Impl::RedirectTarget(bool bodyStreamed, std::string& next) {
    if (flags.noAutoRedirect || !FollowsRedirect(status, redirects, bodyStreamed))
        return false;
    const std::optional<std::string> location = FindHeader("location");
    if (!location || location->empty())
        return false;
    UrlHandle current, target;
    if (!current.url || !target.url ||
        Curl().url_set(current.url, CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        Curl().url_set(target.url, CURLUPART_URL, url.c_str(), 0) != CURLUE_OK ||
        Curl().url_set(target.url, CURLUPART_URL, location->c_str(), CURLU_NON_SUPPORT_SCHEME) !=
            CURLUE_OK)
        return false;
    const std::string scheme = Lower(target.Get(CURLUPART_SCHEME));
    if (scheme != "http" && scheme != "https")
        return false;
    if (scheme == "http" && Lower(current.Get(CURLUPART_SCHEME)) == "https" &&
        !flags.allowRedirectToHttp)
        return false;
    next = target.Get(CURLUPART_URL);
    if (next.empty())
        return false;
    // Credentials stay with the server they were given for.
    if (target.Origin() != originalOrigin)
        credentialsAllowed = false;
    return true;
}

std::optional<std::string> HttpRequest::Impl::FindHeader(const std::string& name) const {
    return platform::FindHeader(headerLines, name);
}

HttpRequest::HttpRequest(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

HttpRequest::~HttpRequest() {
    mImpl->Notify(kStatusHandleClosing);
}

std::unique_ptr<HttpRequest> HttpRequest::Open(HttpConnection& connection, const std::string& verb,
                                               const std::string& object,
                                               const std::string& referrer,
                                               const std::string& acceptTypes,
                                               HttpRequestFlags flags) {
    auto impl = std::make_unique<Impl>(connection, flags);
    if (!impl->easy)
        return nullptr;
    impl->verb = verb.empty() ? "GET" : verb;
    const std::string scheme = flags.secure ? "https" : "http";
    impl->url =
        scheme + "://" + Authority(connection.Host(), connection.Port()) + EscapeTarget(object);
    impl->originalOrigin =
        scheme + "://" + Lower(connection.Host()) + ":" + std::to_string(connection.Port());
    impl->referrer = referrer;
    impl->acceptTypes = acceptTypes;
    if (!flags.noAuthentication) {
        impl->user = connection.User();
        impl->password = connection.Password();
    }
    connection.Session().Notify(kStatusHandleCreated);
    return std::unique_ptr<HttpRequest>(new HttpRequest(std::move(impl)));
}

void HttpRequest::SetConnectTimeout(unsigned ms) {
    mImpl->connectMs = ms;
}
void HttpRequest::SetReceiveTimeout(unsigned ms) {
    mImpl->receiveMs = ms;
}
void HttpRequest::SetSendTimeout(unsigned ms) {
    mImpl->sendMs = ms;
}

void HttpRequest::SetCredentials(const std::string& user, const std::string& password) {
    Impl& r = *mImpl;
    r.user = user;
    r.password = password;
    // Given in answer to the server the request stands at now (after a redirect, another one
    // than it started with): they are for that server, and only for it.
    UrlHandle current;
    if (current.url && Curl().url_set(current.url, CURLUPART_URL, r.url.c_str(), 0) == CURLUE_OK) {
        r.originalOrigin = current.Origin();
        r.credentialsAllowed = true;
    }
}

void HttpRequest::SetProxyCredentials(const std::string& user, const std::string& password) {
    mImpl->proxyUser = user;
    mImpl->proxyPassword = password;
}

void HttpRequest::SetIgnoreUnknownAuthority(bool ignore) {
    mImpl->flags.ignoreUnknownAuthority = ignore;
}

bool HttpRequest::AddHeaders(const std::string& lines, bool replace) {
    std::vector<std::string> parsed;
    PutLines(parsed, lines, false);
    if (parsed.empty())
        return false;
    for (const std::string& line : parsed)
        PutLines(mImpl->addedHeaders, line, replace);
    return true;
}

bool HttpRequest::Send(const std::string& headers, const std::string& body) {
    mImpl->sendHeaders = headers;
    mImpl->postBody = body;
    mImpl->streamedBody = false;
    return mImpl->Start() && mImpl->AwaitAnswer(false);
}

bool HttpRequest::SendEx(const std::string& headers, std::uint64_t total) {
    Impl& r = *mImpl;
    r.sendHeaders = headers;
    r.postBody.clear();
    r.streamedBody = true;
    r.streamTotal = total;
    if (!r.Start())
        return false;
    r.Drive([&r] { return r.uploadWanted || r.headersDone; }, r.sendMs);
    return r.uploadWanted || r.headersDone || (r.finished && r.result == CURLE_OK);
}

bool HttpRequest::Write(const char* data, std::size_t size, std::size_t& written) {
    Impl& r = *mImpl;
    written = 0;
    if (!r.attached || r.finished)
        return false;
    r.uploadData = data;
    r.uploadLeft = size;
    r.Drive([&r] { return r.uploadLeft == 0; }, r.sendMs);
    written = size - r.uploadLeft;
    r.uploadData = nullptr;
    r.uploadLeft = 0;
    return written > 0 || size == 0;
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

} // namespace quelmo::platform
