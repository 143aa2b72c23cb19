// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pull-style HTTP client in the shape of the calls the transfer engine makes: open a
// session, connect, open a request, add headers, send (or send with a body written piece by
// piece), ask for the status and the headers, read the body chunk by chunk, close. Each call
// blocks its thread until it is done and drives the transfer itself (libcurl's multi
// interface), so a session and everything opened from it belong to one thread at a time; only
// InternetCancel and CookieJar may be used from others.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::platform {

// Status notices, with their traditional numbers.
enum InternetStatus : int {
    kStatusResolvingName = 10,
    kStatusNameResolved = 11,
    kStatusConnectingToServer = 20,
    kStatusConnectedToServer = 21,
    kStatusSendingRequest = 30,
    kStatusRequestSent = 31,
    kStatusReceivingResponse = 40,
    kStatusResponseReceived = 41,
    kStatusClosingConnection = 50,
    kStatusConnectionClosed = 51,
    kStatusHandleCreated = 60,
    kStatusHandleClosing = 70,
    kStatusRequestComplete = 100,
    kStatusRedirect = 110,
    kStatusIntermediateResponse = 120,
};
// Called on the session's thread; `info` is the new URL for kStatusRedirect.
using InternetStatusCallback = std::function<void(int status, const std::string& info)>;

// Makes every blocking call of the sessions it is given return false at once, from any thread.
class InternetCancel {
public:
    void Cancel();
    bool Cancelled() const { return mCancelled.load(std::memory_order_acquire); }

private:
    friend class InternetSession;
    std::atomic<bool> mCancelled{false};
    std::mutex mLock;
    std::vector<void*> mWaits; // the multi handles to wake
};

// Cookies kept in memory, shared by the sessions that are given the jar.
class CookieJar {
public:
    CookieJar();
    ~CookieJar();
    CookieJar(const CookieJar&) = delete;
    CookieJar& operator=(const CookieJar&) = delete;
    // The libcurl share handle, made on first use; null when it cannot be made.
    void* Handle();

private:
    std::once_flag mMade;
    void* mShare = nullptr;
    std::mutex mLocks[8];
    static void LockShare(void*, int data, int, void* jar);
    static void UnlockShare(void*, int data, void* jar);
};

enum class ProxyAccess { Preconfigured, Direct, Named };

struct InternetSessionOptions {
    std::string agent;
    ProxyAccess access = ProxyAccess::Preconfigured;
    std::string proxy;       // "host:port"
    std::string proxyBypass; // host names separated by ";", "," or blanks
    bool offline = false;    // every send fails as if no host could be reached
    // A file of PEM certificates: the only authorities trusted for https. Empty: the system's
    // store.
    std::string authorityFile;
};

// What the cache and internet options of a request come down to.
struct HttpRequestFlags {
    bool secure = false;
    bool noCache = false; // "Pragma: no-cache" and "Cache-Control: no-cache"
    bool keepConnection = true;
    bool noAutoRedirect = false;
    bool noCookies = false;
    bool noAuthentication = false;
    bool ignoreCertificateName = false;
    bool ignoreCertificateDate = false;
    bool ignoreUnknownAuthority = false;
    bool allowRedirectToHttp = false; // from https; a downgrade is refused otherwise
};

class HttpConnection;
class HttpRequest;

class InternetSession {
public:
    // cookies may be null: then none are kept.
    InternetSession(InternetSessionOptions options, std::shared_ptr<InternetCancel> cancel,
                    std::shared_ptr<CookieJar> cookies);
    ~InternetSession();
    InternetSession(const InternetSession&) = delete;
    InternetSession& operator=(const InternetSession&) = delete;

    bool Valid() const { return mMulti != nullptr; }
    void SetStatusCallback(InternetStatusCallback callback) { mCallback = std::move(callback); }
    void Notify(int status, const std::string& info = {}) const;

    const InternetSessionOptions& Options() const { return mOptions; }
    InternetCancel& Cancel() const { return *mCancel; }
    const std::shared_ptr<CookieJar>& Cookies() const { return mCookies; }
    void* Multi() const { return mMulti; }

private:
    InternetSessionOptions mOptions;
    std::shared_ptr<InternetCancel> mCancel;
    std::shared_ptr<CookieJar> mCookies;
    InternetStatusCallback mCallback;
    void* mMulti = nullptr;
};

// A server to send requests to. Fails (null) for an empty host name.
class HttpConnection {
public:
    static std::unique_ptr<HttpConnection> Open(InternetSession& session, std::string host,
                                                unsigned port, std::string user,
                                                std::string password);
    InternetSession& Session() const { return mSession; }
    const std::string& Host() const { return mHost; }
    unsigned Port() const { return mPort; }
    const std::string& User() const { return mUser; }
    const std::string& Password() const { return mPassword; }

private:
    HttpConnection(InternetSession& session, std::string host, unsigned port, std::string user,
                   std::string password);
    InternetSession& mSession;
    std::string mHost;
    unsigned mPort;
    std::string mUser, mPassword;
};

class HttpRequest {
public:
    // The object is the path and query to ask for; null when nothing could be set up.
    static std::unique_ptr<HttpRequest> Open(HttpConnection& connection, const std::string& verb,
                                             const std::string& object, const std::string& referrer,
                                             const std::string& acceptTypes,
                                             HttpRequestFlags flags);
    ~HttpRequest();
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // Milliseconds; 0 keeps the default (60 s each). Send and receive limit inactivity.
    void SetConnectTimeout(unsigned ms);
    void SetReceiveTimeout(unsigned ms);
    void SetSendTimeout(unsigned ms);
    // Used from the next send on, for the server the request stands at now.
    void SetCredentials(const std::string& user, const std::string& password);
    void SetProxyCredentials(const std::string& user, const std::string& password);
    void SetIgnoreUnknownAuthority(bool ignore);
    // Header lines ended by CR LF; `replace` replaces lines of the same names.
    bool AddHeaders(const std::string& lines, bool replace);

    // Sends the request and waits for the final answer's status and headers, following
    // redirects unless told not to. May be called again to send the same request anew.
    bool Send(const std::string& headers, const std::string& body);
    // Sends the request announcing a body of `total` bytes that Write then hands over.
    bool SendEx(const std::string& headers, std::uint64_t total);
    bool Write(const char* data, std::size_t size, std::size_t& written);
    // After the last Write: waits for the answer as Send does.
    bool EndRequest();

    // The final answer's status; nothing before one arrived.
    std::optional<int> StatusCode() const;
    // The first header of that name (any letter case), blanks trimmed; nothing when absent.
    std::optional<std::string> Header(const std::string& name) const;
    // The status line and every header line of the final answer, each ended by CR LF, and a
    // closing CR LF.
    std::string RawHeaders() const;

    // Fills `buffer` with the next body bytes: all `size` of them unless the body ends first.
    // True with 0 bytes at the body's end; false when the transfer failed, stalled past the
    // receive time-out or was cancelled (bytes that did arrive are handed out first).
    bool Read(char* buffer, std::size_t size, std::size_t& read);
    // From now on the body's bytes are appended to `sink` as they arrive, and Read hands out
    // only their count (its buffer may then be null): a body kept in memory is copied once.
    void SetBodySink(std::string* sink);

    struct Impl;

private:
    explicit HttpRequest(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> mImpl;
};

// The desktop's network manager says that networking is switched off. False where there is
// none to ask.
bool NetworkingDisabled();
// Asks the desktop's network manager to switch networking on; its authorization agent may
// ask the person first. False when it refused, or there is none to ask.
bool GoOnline();

} // namespace quelmo::platform
