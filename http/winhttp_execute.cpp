// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer itself, on the worker thread.
#include "http/winhttp.h"
#include "http/winhttp_transfer.h"
#include "power/ascii_case.h"

#include <algorithm>
#include <cstring>

namespace quelmo::winhttp {

namespace {

// Thrown by a check for abort once the clean-up has run: nothing after it runs.
struct Aborted {};

// A handler answering "try again" for ever gets this many rounds, then the answer stands.
constexpr int kMaxAuthenticationRounds = 3;
// A memory body is pre-sized to the announced length up to this; beyond, it grows as the
// bytes come, so that a server cannot make us reserve what it never sends.
constexpr std::uint32_t kMaxPresize = 256u << 20;

enum class Next { End, Restart, Continue };

std::uint32_t ToLength(const std::string& text) {
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(c - '0'), 0xFFFFFFFFu);
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

class Worker {
public:
    explicit Worker(Transfer& transfer) : t(transfer), s(transfer.settings) {}
    void Execute();

private:
    bool Stopped() const {
        const TEventWinThread* self = TEventWinThread::Current();
        return t.killed || (self && self->Terminated());
    }
    void CheckAbort();
    void AbortCleanup();
    // Runs `call` on the GUI thread while the worker waits; skipped once the transfer was
    // stopped from there. A call must not touch the component after a handler that stopped
    // the transfer or destroyed the component (t.killed tells).
    void OnGuiThread(const std::function<void(TCustomWinHTTP&)>& call);

    bool OpenSession();
    Next Connect();
    Next SendLoop();
    void SendMultipart();
    Next AfterStatus();
    Next ReadHeaders();
    Next ChooseBody();
    Next BodyLoop();
    std::string RangeLine(bool fromStart) const;

    Transfer& t;
    const Settings& s;
    std::string scheme, host, path, user, password, extra;
    unsigned short port = 0;
    bool post = false;
};

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
    const bool wasFile = t.outputToFile;
    t.ReleaseBody();
    if (wasFile && t.deleteOnAbort)
        QFile::remove(QString::fromStdString(s.outputFileName));
    t.aborted = true;
    OnGuiThread([this](TCustomWinHTTP& c) {
        c.Release(t);
        if (c.OnAborted)
            c.OnAborted(&c);
    });
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
            if ((again == 200 || again == 206) &&
                ToLength(t.request->Header("Content-Length").value_or("")) == t.startOffset) {
                t.alreadyComplete = true; // the file on disk is the whole of it
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

Next Worker::ReadHeaders() {
    // 13. What the answer says of its body.
    CheckAbort();
    platform::HttpRequest& r = *t.request;
    t.contentType = r.Header("Content-Type").value_or("");
    const std::optional<std::string> length = r.Header("Content-Length");
    t.dataSize = length ? ToLength(*length) : 0;
    t.success = length.has_value();
    if (!r.Header("Accept-Ranges"))
        t.startOffset = 0;
    if (s.headerInfo) {
        t.rawHeaders = r.RawHeaders();
        t.contentLanguage = r.Header("Content-Language").value_or("");
        t.contentEncoding = r.Header("Content-Encoding").value_or("");
        t.location = r.Header("Location").value_or("");
        t.eTag = r.Header("ETag").value_or("");
        t.date = InternetTimeToDateTime(r.Header("Date").value_or(""));
        t.lastModified = InternetTimeToDateTime(r.Header("Last-Modified").value_or(""));
        t.expires = InternetTimeToDateTime(r.Header("Expires").value_or(""));
        OnGuiThread([this](TCustomWinHTTP& c) {
            bool continueDownload = t.continueDownload;
            if (c.OnHeaderInfo)
                c.OnHeaderInfo(&c, t.status, t.rawHeaders, t.contentType, t.contentLanguage,
                               t.contentEncoding, t.dataSize + t.startOffset, t.location, t.date,
                               t.lastModified, t.expires, t.eTag, continueDownload);
            t.continueDownload = continueDownload;
        });
        if (!t.continueDownload)
            return Next::End;
    }
    const Next next = ChooseBody();
    return next == Next::Continue ? BodyLoop() : next;
}

Next Worker::ChooseBody() {
    // 14. Where the body goes: the output file only for a real answer.
    CheckAbort();
    t.outputToFile = false;
    if ((t.status == 200 || t.status == 206) && !s.outputFileName.empty()) {
        auto file = std::make_unique<TWinHTTPFileStream>(s.outputFileName, t.startOffset == 0);
        if (file->isOpen()) {
            if (t.startOffset)
                file->seek(t.startOffset);
            if (s.incomplete != TWinHTTPFileAttributes{atrArchive})
                SetFileAttr(s.outputFileName, s.incomplete);
            t.outputToFile = true;
            t.body = std::move(file);
            return Next::Continue;
        }
        if (t.success)
            return Next::End; // no stream: told as an output file error
    }
    auto memory = std::make_unique<TWinHTTPMemoryStream>();
    if (t.success)
        memory->Reserve(std::min(t.dataSize, kMaxPresize));
    t.body = std::move(memory);
    return Next::Continue;
}

Next Worker::BodyLoop() {
    // 15, 16. The body, chunk by chunk; a resumed file is checked against its last chunk.
    bool resumeCheck = t.startOffset && t.outputToFile;
    t.bytesRead = 0;
    // A body kept in memory receives the bytes straight from the network, chunk by chunk all
    // the same, instead of through the transfer buffer.
    auto* memory = t.request ? dynamic_cast<TWinHTTPMemoryStream*>(t.body.get()) : nullptr;
    if (memory)
        t.request->SetBodySink(&memory->Bytes());
    else
        t.buffer.resize(t.chunkSize);
    for (;;) {
        CheckAbort();
        std::size_t count = 0;
        bool ok = false;
        if (!t.request && !t.localFile) {
            break; // a local file that could not be opened has no body
        } else if (t.localFile) {
            const qint64 n = t.localFile->read(t.buffer.data(), t.chunkSize);
            ok = n >= 0;
            count = ok ? static_cast<std::size_t>(n) : 0;
        } else {
            ok = t.request->Read(memory ? nullptr : t.buffer.data(), t.chunkSize, count);
        }
        if (!ok || count == 0)
            break;
        t.bytesRead += static_cast<std::uint32_t>(count);
        if (resumeCheck) {
            resumeCheck = false;
            std::vector<char> onDisk(t.chunkSize);
            const qint64 got = t.body->read(onDisk.data(), t.chunkSize);
            if (got != static_cast<qint64>(count) ||
                std::memcmp(onDisk.data(), t.buffer.data(), count) != 0) {
                // The file is not what the server has: start over, writing it anew.
                t.status = -1;
                t.startOffset = 0;
                t.body.reset();
                t.outputToFile = false;
                t.request.reset();
                t.connection.reset();
                return Next::Restart;
            }
            continue;
        }
        if (memory)
            memory->seek(t.bytesRead); // the bytes are there already
        else
            t.body->write(t.buffer.data(), static_cast<qint64>(count));
        if (s.progress)
            OnGuiThread([this](TCustomWinHTTP& c) {
                const ProgressFigures f =
                    ComputeProgress(t.bytesRead, t.dataSize, t.startOffset,
                                    std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - t.startTick));
                c.mTransferRate = f.transferRate;
                if (c.OnProgress)
                    c.OnProgress(&c, t.contentType, t.dataSize + t.startOffset,
                                 t.bytesRead + t.startOffset, f.elapsedTime, f.estimatedTimeLeft,
                                 f.percentsDone, f.transferRate, t.body.get());
            });
    }
    CheckAbort(); // a read cut short by a stop is an abort, not a lost connection
    // 17, 18.
    t.buffer.clear();
    t.buffer.shrink_to_fit();
    t.success = (t.status == 200 || t.status == 206) &&
                (t.dataSize == 0 || !t.body || t.dataSize == t.bytesRead);
    return Next::End;
}

} // namespace quelmo::winhttp

namespace quelmo {

void TCustomWinHTTP::ThreadExecute(const std::shared_ptr<winhttp::Transfer>& transfer) {
    winhttp::Worker worker(*transfer);
    // The handles are closed here, so that their last notices come from the worker too.
    try {
        worker.Execute();
    } catch (const winhttp::Aborted&) {
        return; // ends the work: the end of the transfer does not run
    } catch (...) {
        transfer->CloseHandles();
        transfer->executed = true; // its end still runs, with the state as it is
        throw;
    }
    transfer->CloseHandles();
    transfer->executed = true;
}

} // namespace quelmo
