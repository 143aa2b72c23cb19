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
    : connection(c), flags(f), easy(Curl().easy_init()) {}

HttpRequest::Impl::~Impl() {
    Detach();
    Curl().slist_free_all(headerList);
    if (easy)
        Curl().easy_cleanup(easy);
}

void HttpRequest::Impl::Detach() {
    if (attached)
        Curl().multi_remove_handle(static_cast<CURLM*>(connection.Session().Multi()), easy);
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
    const CurlLibrary& curl = Curl();
    curl.easy_cleanup(easy);
    easy = curl.easy_init();
    if (!easy)
        return false;
    SetOption<CURLOPT_URL>(curl, easy, url.c_str());
    SetOption<CURLOPT_NOSIGNAL>(curl, easy, 1L);
#if LIBCURL_VERSION_NUM >= 0x075700
    // A stopped exchange leaves a slow name lookup to finish on its own instead of waiting for
    // it: the lookup's thread frees what it holds when it returns.
    SetOption<CURLOPT_QUICK_EXIT>(curl, easy, 1L);
#endif
    SetOption<CURLOPT_PROTOCOLS_STR>(curl, easy, "http,https");
    SetOption<CURLOPT_FOLLOWLOCATION>(curl, easy, 0L); // followed here, one by one
    SetOption<CURLOPT_BUFFERSIZE>(curl, easy, kCurlBufferSize);
    SetOption<CURLOPT_SUPPRESS_CONNECT_HEADERS>(curl, easy, 1L);
    SetOption<CURLOPT_HEADERFUNCTION>(curl, easy, &Impl::OnHeader);
    SetOption<CURLOPT_HEADERDATA>(curl, easy, this);
    SetOption<CURLOPT_WRITEFUNCTION>(curl, easy, &Impl::OnBody);
    SetOption<CURLOPT_WRITEDATA>(curl, easy, this);
    SetOption<CURLOPT_PREREQFUNCTION>(curl, easy, &Impl::OnConnected);
    SetOption<CURLOPT_PREREQDATA>(curl, easy, this);
    SetSocketCallbacks();
    SetOption<CURLOPT_CONNECTTIMEOUT_MS>(curl, easy,
                                         connectMs ? long(connectMs) : kDefaultTimeoutMs);
    if (!options.agent.empty())
        SetOption<CURLOPT_USERAGENT>(curl, easy, options.agent.c_str());
    if (!referrer.empty())
        SetOption<CURLOPT_REFERER>(curl, easy, referrer.c_str());
    if (options.access == ProxyAccess::Direct) {
        SetOption<CURLOPT_PROXY>(curl, easy, "");
    } else if (options.access == ProxyAccess::Named) {
        SetOption<CURLOPT_PROXY>(curl, easy, options.proxy.c_str());
        const std::string noProxy = NoProxyList(options.proxyBypass);
        SetOption<CURLOPT_NOPROXY>(curl, easy, noProxy.c_str());
    } // else libcurl reads http_proxy, https_proxy and no_proxy
    if (!proxyUser.empty()) {
        SetOption<CURLOPT_PROXYUSERNAME>(curl, easy, proxyUser.c_str());
        SetOption<CURLOPT_PROXYPASSWORD>(curl, easy, proxyPassword.c_str());
        SetOption<CURLOPT_PROXYAUTH>(curl, easy, long(CURLAUTH_BASIC));
    }
    // Sent with the request, so that a refusal comes back as a 401 for the caller to handle.
    if (credentialsAllowed && !user.empty()) {
        SetOption<CURLOPT_USERNAME>(curl, easy, user.c_str());
        SetOption<CURLOPT_PASSWORD>(curl, easy, password.c_str());
        SetOption<CURLOPT_HTTPAUTH>(curl, easy, long(CURLAUTH_BASIC));
    }
    const std::shared_ptr<CookieJar>& jar = connection.Session().Cookies();
    if (!flags.noCookies && jar && jar->Handle()) {
        SetOption<CURLOPT_SHARE>(curl, easy, jar->Handle());
        SetOption<CURLOPT_COOKIEFILE>(curl, easy, ""); // the cookie engine, on the share
    }
    SetOption<CURLOPT_SSL_VERIFYPEER>(curl, easy, flags.ignoreUnknownAuthority ? 0L : 1L);
    SetOption<CURLOPT_SSL_VERIFYHOST>(curl, easy, flags.ignoreCertificateName ? 0L : 2L);
    if (!options.authorityFile.empty()) {
        // The file alone: the built-in folder of the system's authorities would be trusted
        // beside it.
        SetOption<CURLOPT_CAINFO>(curl, easy, options.authorityFile.c_str());
        SetOption<CURLOPT_CAPATH>(curl, easy, static_cast<const char*>(nullptr));
    }
    SetOption<CURLOPT_FORBID_REUSE>(curl, easy, flags.keepConnection ? 0L : 1L);

    std::vector<std::string> lines;
    if (!acceptTypes.empty())
        lines.push_back("Accept: " + acceptTypes);
    if (flags.noCache) {
        lines.emplace_back("Pragma: no-cache");
        lines.emplace_back("Cache-Control: no-cache");
    }
    for (const std::string& line : addedHeaders)
        PutLines(lines, line, true);
    PutLines(lines, sendHeaders, true);
    lines.push_back("Expect:"); // no waiting for "100 Continue" before a body
    curl.slist_free_all(headerList);
    headerList = nullptr;
    for (const std::string& line : lines)
        headerList = curl.slist_append(headerList, line.c_str());
    SetOption<CURLOPT_HTTPHEADER>(curl, easy, headerList);

    if (verb == "GET") {
        SetOption<CURLOPT_HTTPGET>(curl, easy, 1L);
    } else {
        SetOption<CURLOPT_POST>(curl, easy, 1L);
        if (streamedBody) {
            SetOption<CURLOPT_POSTFIELDSIZE_LARGE>(curl, easy, curl_off_t(streamTotal));
            SetOption<CURLOPT_READFUNCTION>(curl, easy, &Impl::OnUpload);
            SetOption<CURLOPT_READDATA>(curl, easy, this);
        } else {
            SetOption<CURLOPT_POSTFIELDSIZE_LARGE>(curl, easy, curl_off_t(postBody.size()));
            SetOption<CURLOPT_COPYPOSTFIELDS>(curl, easy, postBody.c_str());
        }
        if (verb != "POST")
            SetOption<CURLOPT_CUSTOMREQUEST>(curl, easy, verb.c_str());
    }
    if (curl.multi_add_handle(static_cast<CURLM*>(connection.Session().Multi()), easy) != CURLM_OK)
        return false;
    attached = true;
    return true;
}

} // namespace quelmo::platform
