// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer on the worker thread: from the URL to the final answer's status.
#include "http/winhttp_worker.h"
#include "power/ascii_case.h"

#include <QFileInfo>

namespace quelmo::winhttp {

// The status notices of the HTTP service, on the worker thread only.
static void StatusChanged(Transfer& t, int id, const std::string& info) {
    std::lock_guard lock(t.workerEvent);
    const TEventWinThread* self = TEventWinThread::Current();
    if (t.killed || !self || self->Terminated())
        return;
    const Settings& s = t.settings;
    if (s.onStatusChanged)
        s.onStatusChanged(t.component, static_cast<unsigned>(id), StatusText(id));
    if (id == platform::kStatusRedirect && s.onRedirected)
        s.onRedirected(t.component, info);
}

void Worker::CheckAbort() {
    if (!Stopped())
        return;
    AbortCleanup();
    throw Aborted{};
}

void Worker::AbortCleanup() {
    t.CloseHandles();
    // Stopped from the GUI thread, which has dealt with the file already.
    t.ReleaseBody(!t.killed);
    t.aborted = true;
    OnGuiThread([this](TCustomWinHTTP& c) { c.FinishAbort(t); });
}

void Worker::OnGuiThread(const std::function<void(TCustomWinHTTP&)>& call) {
    TEventWinThread* self = TEventWinThread::Current();
    if (t.killed || !self)
        return;
    self->Synchronize([this, &call] {
        if (t.killed)
            return;
        struct InCall {
            std::atomic<bool>& flag;
            explicit InCall(std::atomic<bool>& f) : flag(f) { flag = true; }
            ~InCall() { flag = false; }
        } inCall(t.inCall);
        call(*t.component);
    });
}

void Worker::Execute() {
    // 1. A fresh attempt.
    t.uploadSent = false;
    t.status = -1;
    t.contentType.clear();
    t.chunkSize = s.chunkSize;
    t.startTick = std::chrono::steady_clock::now();
    t.continueDownload = true;
    // 2. What to ask for, and as whom.
    ParseURL(s.url, scheme, host, path, user, password, extra, port);
    // Schemes are compared in any letter case: "HTTPS://" is TLS too.
    scheme = AsciiLower(scheme);
    if (user.empty() && password.empty()) {
        user = s.username;
        password = s.password;
    }
    t.username = user;
    t.password = password;
    // A file is continued only after the bytes it holds: one that is shorter (or missing) is
    // fetched whole.
    if (t.startOffset && !s.outputFileName.empty() &&
        QFileInfo(QString::fromStdString(s.outputFileName)).size() < t.startOffset)
        t.startOffset = 0;
    CheckAbort();
    // 4. A local file, read through the same body loop. Its range is not honoured.
    if (scheme == "file") {
        t.startOffset = 0;
        t.localFile = std::make_unique<QFile>(QString::fromStdString(path));
        if (t.localFile->open(QIODevice::ReadOnly)) {
            t.status = 200;
            t.dataSize = static_cast<std::uint32_t>(t.localFile->size());
        } else {
            t.localFile.reset();
            t.status = 404;
            t.dataSize = 0;
        }
        t.success = true;
        if (ChooseBody() == Next::Continue)
            BodyLoop();
        return;
    }
    if (!OpenSession())
        return;
    for (;;) {
        const Next next = Connect();
        if (next != Next::Restart)
            return;
    }
}

bool Worker::OpenSession() {
    // 5, 6. The session, with its status notices.
    platform::InternetSessionOptions options;
    options.agent = s.agent;
    options.access = s.proxy.AccessType == atDirect     ? platform::ProxyAccess::Direct
                     : s.proxy.AccessType == atUseProxy ? platform::ProxyAccess::Named
                                                        : platform::ProxyAccess::Preconfigured;
    if (s.proxy.AccessType == atUseProxy) {
        options.proxy = s.proxy.ProxyServer + ":" + std::to_string(s.proxy.ProxyPort);
        options.proxyBypass = s.proxy.ProxyBypass;
    }
    options.offline = s.workOffline;
    options.authorityFile = s.authorityFile;
    t.session = std::make_unique<platform::InternetSession>(
        std::move(options), t.cancel, s.internetOptions.count(ioNoCookies) ? nullptr : t.cookies);
    t.session->SetStatusCallback(
        [transfer = &t](int id, const std::string& info) { StatusChanged(*transfer, id, info); });
    t.success = t.session->Valid();
    return t.success;
}

Next Worker::Connect() {
    // 7. The server; only HTTP and HTTPS are spoken.
    CheckAbort();
    t.connection.reset();
    if (scheme == "http" || scheme == "https")
        t.connection = platform::HttpConnection::Open(*t.session, host, port, user, password);
    t.success = t.connection != nullptr;
    if (!t.success)
        return Next::End;
    // 8. The request.
    CheckAbort();
    post =
        s.requestMethod == rmPOST || (s.requestMethod == rmAutoDetect &&
                                      (!s.postData.empty() || s.postMethod == pmMultipartFormData));
    const auto has = [this](TInternetOption o) { return s.internetOptions.count(o) > 0; };
    platform::HttpRequestFlags flags;
    flags.secure = scheme == "https";
    flags.noCache = s.cacheOptions.count(coPragmaNoCache) || s.cacheOptions.count(coAlwaysReload);
    flags.keepConnection = has(ioKeepConnection);
    flags.noAutoRedirect = has(ioNoAutoRedirect);
    flags.noCookies = has(ioNoCookies);
    flags.noAuthentication = has(ioNoAuthentication);
    flags.ignoreCertificateName = has(ioIgnoreCertificateInvalid);
    flags.ignoreCertificateDate = has(ioIgnoreCertificateDateInvalid);
    flags.allowRedirectToHttp = has(ioIgnoreRedirectToHTTP);
    t.request =
        platform::HttpRequest::Open(*t.connection, post ? "POST" : "GET", path + URLEncode(extra),
                                    s.referer, s.acceptTypes, flags);
    t.success = t.request != nullptr;
    if (!t.success)
        return Next::End;
    // 9. Time-outs and certificate checks; then the handler may look at the request.
    CheckAbort();
    t.request->SetConnectTimeout(s.timeouts.ConnectTimeout);
    t.request->SetReceiveTimeout(s.timeouts.ReceiveTimeout);
    t.request->SetSendTimeout(s.timeouts.SendTimeout);
    t.request->SetIgnoreUnknownAuthority(has(ioIgnoreUnknownCertificateAuthority));
    if (s.showGoOnlineMessage && platform::NetworkingDisabled())
        platform::GoOnline();
    if (s.onBeforeSendRequest) {
        std::lock_guard lock(t.workerEvent);
        if (!Stopped())
            s.onBeforeSendRequest(t.component, t.request.get());
    }
    // 10. Extra headers and the range.
    std::string headers;
    for (const std::string& line : s.addHeaders)
        headers += line + "\r\n";
    headers += RangeLine(false);
    if (!headers.empty() && !t.request->AddHeaders(headers, t.status == 416))
        return Next::End;
    return SendLoop();
}

std::string Worker::RangeLine(bool fromStart) const {
    std::uint32_t start = t.startOffset, end = t.endOffset;
    if (fromStart) {
        start = 0;
        end = 0;
    } else if (!start && !end) {
        start = s.range.StartRange;
        end = s.range.EndRange;
        if (!start && !end)
            return {};
    }
    return "RANGE: bytes=" + std::to_string(start) + "-" + (end ? std::to_string(end) : "") +
           "\r\n";
}

Next Worker::SendLoop() {
    // 11 to 13.
    for (;;) {
        CheckAbort();
        t.retry = false;
        if (s.postMethod == pmMultipartFormData && t.upload) {
            SendMultipart();
        } else if (post) {
            t.success =
                t.request->Send("Content-Type: application/x-www-form-urlencoded", s.postData);
        } else {
            t.success = t.request->Send({}, {});
        }
        if (!t.success) {
            t.upload.reset();
            CheckAbort(); // a send cut short by a stop is an abort
            return Next::End;
        }
        const Next next = AfterStatus();
        if (next != Next::Continue)
            return next;
        if (!t.retry)
            break;
    }
    t.upload.reset();
    return ReadHeaders();
}

void Worker::SendMultipart() {
    const std::string& bytes = t.upload->Bytes();
    t.dataSize = static_cast<std::uint32_t>(bytes.size());
    t.success = t.request->SendEx(s.multipartHeader, t.dataSize);
    if (!t.success)
        return;
    t.uploadSent = true;
    t.bytesRead = 0;
    for (;;) {
        CheckAbort();
        const std::size_t count = std::min<std::size_t>(t.chunkSize, t.dataSize - t.bytesRead);
        std::size_t written = 0;
        if (!t.request->Write(bytes.data() + t.bytesRead, count, written) || written == 0)
            break;
        t.bytesRead += static_cast<std::uint32_t>(written);
        if (s.uploadProgress)
            OnGuiThread([this](TCustomWinHTTP& c) {
                const ProgressFigures f =
                    ComputeProgress(t.bytesRead, t.dataSize, 0,
                                    std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - t.startTick));
                c.mTransferRate = f.transferRate;
                if (c.OnUploadProgress)
                    c.OnUploadProgress(&c, t.dataSize, t.bytesRead, f.elapsedTime,
                                       f.estimatedTimeLeft, f.percentsDone, f.transferRate);
            });
    }
    t.request->EndRequest(); // a failure leaves no status: the upload's outcome says so
}

Next Worker::AfterStatus() {
    // 12. The status, and what it asks for.
    CheckAbort();
    const std::optional<int> code = t.request->StatusCode();
    t.success = code.has_value();
    if (!t.success)
        return Next::Continue;
    t.status = *code;
    t.uploadSent = false;
    if (t.status == 416 && t.startOffset) {
        t.request->AddHeaders(RangeLine(true), true);
        if (t.request->Send({}, {})) {
            const int again = t.request->StatusCode().value_or(-1);
            const std::optional<std::string> length = t.request->Header("Content-Length");
            // What the caller holds: the output file, or in memory the bytes before the range.
            const qint64 held = s.outputFileName.empty()
                                    ? qint64(t.startOffset)
                                    : QFileInfo(QString::fromStdString(s.outputFileName)).size();
            if ((again == 200 || again == 206) && length && qint64(ToLength(*length)) == held) {
                t.alreadyComplete = true; // what is held is the whole of it
                t.dataSize = ToLength(*length);
                return Next::End;
            }
        }
        t.status = -1;
        t.startOffset = 0;
        t.request.reset();
        t.connection.reset();
        return Next::Restart;
    }
    if (t.status == 401 && s.passwordRequest) {
        const std::string header = t.request->Header("WWW-Authenticate").value_or("");
        const std::size_t quote = header.find("=\"");
        t.realm = quote == std::string::npos ? header : header.substr(quote + 2);
        if (quote != std::string::npos && !t.realm.empty())
            t.realm.pop_back();
        bool tryAgain = false;
        OnGuiThread([this, &tryAgain](TCustomWinHTTP& c) {
            if (c.OnPasswordRequest)
                c.OnPasswordRequest(&c, t.realm, tryAgain);
            if (!t.killed) {
                t.username = c.Username;
                t.password = c.Password;
            }
        });
        t.request->SetCredentials(t.username, t.password);
        t.retry = tryAgain && ++t.passwordRounds <= kMaxAuthenticationRounds;
    } else if (t.status == 407 && s.proxyAuthentication) {
        bool tryAgain = false;
        std::string proxyUser, proxyPassword;
        OnGuiThread([&](TCustomWinHTTP& c) {
            if (c.OnProxyAuthenticationRequest)
                c.OnProxyAuthenticationRequest(&c, c.Proxy.ProxyUsername, c.Proxy.ProxyPassword,
                                               tryAgain);
            if (!t.killed) {
                proxyUser = c.Proxy.ProxyUsername;
                proxyPassword = c.Proxy.ProxyPassword;
            }
        });
        t.request->SetProxyCredentials(proxyUser, proxyPassword);
        t.retry = tryAgain && ++t.proxyRounds <= kMaxAuthenticationRounds;
    }
    return Next::Continue;
}

} // namespace quelmo::winhttp
