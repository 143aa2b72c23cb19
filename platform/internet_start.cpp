// SPDX-License-Identifier: GPL-3.0-or-later
// Requests of the HTTP client: the libcurl handle of each exchange and its options.
#include "platform/internet_private.h"

namespace quelmo::platform {

namespace {

constexpr long kDefaultTimeoutMs = 60000;
constexpr long kCurlBufferSize = 1024 * 1024;

// The host names of a bypass list ("a;b c,d") as libcurl's no-proxy list.
std::string NoProxyList(const std::string& bypass) {
    std::string out, item;
    auto flush = [&] {
        if (!item.empty() && item != "<local>") {
            if (item.rfind("*.", 0) == 0)
                item.erase(0, 1);
            out += (out.empty() ? "" : ",") + item;
        }
        item.clear();
    };
    for (char c : bypass) {
        if (c == ';' || c == ',' || c == ' ' || c == '\t')
            flush();
        else
            item += c;
    }
    flush();
    return out;
}

} // namespace

HttpRequest::Impl::Impl(HttpConnection& c, HttpRequestFlags f)
    : connection(c), flags(f), easy(curl_easy_init()) {}

HttpRequest::Impl::~Impl() {
    Detach();
    curl_slist_free_all(headerList);
    if (easy)
        curl_easy_cleanup(easy);
}

void HttpRequest::Impl::Detach() {
    if (attached)
        curl_multi_remove_handle(static_cast<CURLM*>(connection.Session().Multi()), easy);
    attached = false;
}

bool HttpRequest::Impl::Start() {
    Detach();
    connected = finished = inBlock = headersDone = recvPaused = sendPaused = false;
    uploadWanted = false;
    result = CURLE_OK;
    status = blockStatus = 0;
    blockLines.clear();
    headerLines.clear();
    body.clear();
    bodyPos = 0;
    sink = nullptr;
    uploadData = nullptr;
    uploadLeft = 0;
    const InternetSessionOptions& options = connection.Session().Options();
    if (options.offline || connection.Session().Cancel().Cancelled())
        return false;

    // A fresh handle each time: a reset would lose (and leak) what libcurl keeps of the cookie
    // engine's set-up. Connections and cookies live in the session and the jar anyway.
    curl_easy_cleanup(easy);
    easy = curl_easy_init();
    if (!easy)
        return false;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
#if LIBCURL_VERSION_NUM >= 0x075700
    // A stopped exchange leaves a slow name lookup to finish on its own instead of waiting for
    // it: the lookup's thread frees what it holds when it returns.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
#endif
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L); // followed here, one by one
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kCurlBufferSize);
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Impl::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Impl::OnConnected);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, this);
    SetSocketCallbacks();
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     connectMs ? long(connectMs) : kDefaultTimeoutMs);
    if (!options.agent.empty())
        curl_easy_setopt(easy, CURLOPT_USERAGENT, options.agent.c_str());
    if (!referrer.empty())
        curl_easy_setopt(easy, CURLOPT_REFERER, referrer.c_str());
    if (options.access == ProxyAccess::Direct) {
        curl_easy_setopt(easy, CURLOPT_PROXY, "");
    } else if (options.access == ProxyAccess::Named) {
        curl_easy_setopt(easy, CURLOPT_PROXY, options.proxy.c_str());
        const std::string noProxy = NoProxyList(options.proxyBypass);
        curl_easy_setopt(easy, CURLOPT_NOPROXY, noProxy.c_str());
    } // else libcurl reads http_proxy, https_proxy and no_proxy
    if (!proxyUser.empty()) {
        curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, proxyUser.c_str());
        curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, proxyPassword.c_str());
        curl_easy_setopt(easy, CURLOPT_PROXYAUTH, long(CURLAUTH_BASIC));
    }
    // Sent with the request, so that a refusal comes back as a 401 for the caller to handle.
    if (credentialsAllowed && !user.empty()) {
        curl_easy_setopt(easy, CURLOPT_USERNAME, user.c_str());
        curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str());
        curl_easy_setopt(easy, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
    }
    const std::shared_ptr<CookieJar>& jar = connection.Session().Cookies();
    if (!flags.noCookies && jar && jar->Handle()) {
        curl_easy_setopt(easy, CURLOPT_SHARE, jar->Handle());
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, ""); // the cookie engine, on the share
    }
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, flags.ignoreUnknownAuthority ? 0L : 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, flags.ignoreCertificateName ? 0L : 2L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, flags.keepConnection ? 0L : 1L);

    std::vector<std::string> lines;
    if (!acceptTypes.empty())
        lines.push_back("Accept: " + acceptTypes);
    if (flags.noCache) {
        lines.push_back("Pragma: no-cache");
        lines.push_back("Cache-Control: no-cache");
    }
    for (const std::string& line : addedHeaders)
        PutLines(lines, line, true);
    PutLines(lines, sendHeaders, true);
    lines.push_back("Expect:"); // no waiting for "100 Continue" before a body
    curl_slist_free_all(headerList);
    headerList = nullptr;
    for (const std::string& line : lines)
        headerList = curl_slist_append(headerList, line.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList);

    if (verb == "GET") {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    } else {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        if (streamedBody) {
            curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(streamTotal));
            curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Impl::OnUpload);
            curl_easy_setopt(easy, CURLOPT_READDATA, this);
        } else {
            curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(postBody.size()));
            curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, postBody.c_str());
        }
        if (verb != "POST")
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.c_str());
    }
    if (curl_multi_add_handle(static_cast<CURLM*>(connection.Session().Multi()), easy) != CURLM_OK)
        return false;
    attached = true;
    return true;
}

} // namespace quelmo::platform
