// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winhttp_component.h"

#include "http/winhttp.h"
#include "http/winhttp_transfer.h"

#include <QFileInfo>

#include <mutex>

namespace quelmo {

namespace {
constexpr std::string_view kCrLf = "\r\n";
std::mutex gAuthorityLock;
std::string& AuthoritySlot() {
    static std::string file;
    return file;
}
} // namespace

std::string TrustedAuthorityFile() {
    std::lock_guard lock(gAuthorityLock);
    return AuthoritySlot();
}

void SetTrustedAuthorityFile(std::string file) {
    std::lock_guard lock(gAuthorityLock);
    AuthoritySlot() = std::move(file);
}

TCustomWinHTTP::TCustomWinHTTP(TComponent* owner)
    : TWinLoginComponent(owner), CertificateAuthorityFile(TrustedAuthorityFile()),
      mThread(new TWinThread(this)), mCookies(std::make_shared<platform::CookieJar>()) {
    mThread->SetOnException([this](TComponent* sender) { ThreadException(sender); });
    mThread->SetOnTerminate([this](TComponent* sender) { ThreadDone(sender); });
    mThread->OnWaitTimeoutExpired = [this](TComponent* sender, bool& terminateThread) {
        ThreadWaitTimeoutExpired(sender, terminateThread);
    };
}

TCustomWinHTTP::~TCustomWinHTTP() {
    Destroying();
    StopTransfer();
    delete mThread; // abandons a worker that still runs
    if (mTransfer) {
        if (mTransfer->abortRequested)
            mTransfer->DeleteAbortedFile();
        std::lock_guard wait(mTransfer->workerEvent); // an event it is firing returns first
    }
}

bool TCustomWinHTTP::Read(bool wait) {
    return ReadRange(0, 0, wait);
}

bool TCustomWinHTTP::ReadRange(std::uint32_t start, std::uint32_t end, bool wait) {
    if (mBusy)
        return false;
    mBusy = true;
    mTransferRate = -1.0f;
    mStartOffset = start;
    mEndOffset = end;
    mPOSTMethod = pmFormURLEncoded;
    return StartWorker(wait);
}

bool TCustomWinHTTP::Resume() {
    const qint64 size = QFileInfo(QString::fromStdString(OutputFileName)).size();
    const auto start = size > mTransferBufferSize
                           ? static_cast<std::uint32_t>(size - mTransferBufferSize)
                           : std::uint32_t{0};
    return ReadRange(start, 0, false);
}

void TCustomWinHTTP::Abort(bool deleteOutputFile, bool immediately) {
    const std::shared_ptr<winhttp::Transfer> t = mTransfer;
    if (!mBusy || !t || t->doneRun || t->aborted || t->killed)
        return;
    t->deleteOnAbort = deleteOutputFile;
    if (!immediately) {
        // The worker finishes it at its next check; a worker past its last check, whose end
        // is still to run, leaves it to that end.
        t->abortRequested = true;
        mThread->Terminate(false);
        t->cancel->Cancel(); // a call that waits for the network returns to its check
        return;
    }
    StopTransfer();
    mThread->Terminate(true);
    FinishAbort(*t);
}

void TCustomWinHTTP::FinishAbort(winhttp::Transfer& t) {
    t.DeleteAbortedFile();
    Release(t);
    if (OnAborted && !IsDestroying())
        OnAborted(this);
}

bool TCustomWinHTTP::IsGlobalOffline() const {
    return platform::NetworkingDisabled();
}

std::string TCustomWinHTTP::GetFileName() const {
    return URLToFileName(URL);
}

std::string TCustomWinHTTP::GetHostName() const {
    return URLToHostName(URL);
}

bool TCustomWinHTTP::BeginPrepareUpload() {
    if (mBusy)
        return false;
    mBusy = true;
    mTransferRate = -1.0f;
    mStartOffset = 0;
    mEndOffset = 0;
    mUploadBody = std::make_shared<TWinHTTPUploadStream>();
    mMultipartHeader = mUploadBody->MultipartHeader();
    return true;
}

void TCustomWinHTTP::UploadStream(const std::string& name, QIODevice* stream,
                                  const std::string& fileName) {
    if (!mUploadBody)
        return;
    mUploadBody->WritePartHeader(name, fileName);
    if (stream && stream->isReadable()) {
        if (!stream->isSequential())
            stream->seek(0);
        const QByteArray bytes = stream->readAll();
        mUploadBody->Write(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    mUploadBody->Write(kCrLf);
}

void TCustomWinHTTP::UploadString(const std::string& name, const std::string& value) {
    if (!mUploadBody)
        return;
    mUploadBody->WritePartHeader(name, {});
    mUploadBody->Write(value);
    mUploadBody->Write(kCrLf);
}

void TCustomWinHTTP::UploadInteger(const std::string& name, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                           static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 24) & 0xFF)};
    UploadString(name, std::string(bytes, sizeof bytes));
}

void TCustomWinHTTP::UploadBoolean(const std::string& name, bool value) {
    UploadInteger(name, value ? 1 : 0);
}

void TCustomWinHTTP::UploadPicture(const std::string& name, const QImage& picture,
                                   const std::string& fileName) {
    QBuffer png;
    png.open(QIODevice::ReadWrite);
    picture.save(&png, "PNG");
    UploadStream(name, &png, fileName);
}

bool TCustomWinHTTP::EndPrepareUpload() {
    if (!mUploadBody)
        return false;
    mUploadBody->WriteClosingSeparator();
    mPOSTMethod = pmMultipartFormData;
    return StartWorker(false);
}

bool TCustomWinHTTP::Upload(unsigned short fileCount) {
    if (!OnUploadFieldRequest || !BeginPrepareUpload())
        return false;
    try {
        QBuffer scratch;
        std::string fieldName, fileName;
        for (unsigned short index = 0; index < fileCount; ++index) {
            fieldName.clear();
            fileName.clear();
            scratch.close();
            scratch.setData(QByteArray());
            scratch.open(QIODevice::ReadWrite);
            OnUploadFieldRequest(this, index, scratch, fieldName, fileName);
            mUploadBody->WritePartHeader(fieldName, fileName);
            const QByteArray& bytes = scratch.data();
            mUploadBody->Write(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            mUploadBody->Write(kCrLf);
        }
    } catch (...) {
        EndPrepareUpload();
        throw;
    }
    EndPrepareUpload();
    return true;
}

bool TCustomWinHTTP::StartWorker(bool wait) {
    auto t = std::make_shared<winhttp::Transfer>();
    winhttp::Settings& s = t->settings;
    s.url = URL;
    s.acceptTypes = AcceptTypes;
    s.agent = Agent;
    s.outputFileName = OutputFileName;
    s.postData = POSTData;
    s.referer = Referer;
    s.multipartHeader = mMultipartHeader;
    s.addHeaders = AddHeaders;
    s.proxy = Proxy;
    s.cacheOptions = CacheOptions;
    s.internetOptions = InternetOptions;
    s.complete = OutputFileAttributes.Complete();
    s.incomplete = OutputFileAttributes.Incomplete();
    s.range = Range;
    s.timeouts = Timeouts;
    s.requestMethod = RequestMethod;
    s.postMethod = mPOSTMethod;
    s.username = Username;
    s.password = Password;
    s.chunkSize = static_cast<std::uint32_t>(mTransferBufferSize);
    s.workOffline = WorkOffline;
    s.authorityFile = CertificateAuthorityFile;
    s.maxBodySize = MaxBodySize;
    s.showGoOnlineMessage = ShowGoOnlineMessage;
    s.headerInfo = static_cast<bool>(OnHeaderInfo);
    s.progress = static_cast<bool>(OnProgress);
    s.uploadProgress = static_cast<bool>(OnUploadProgress);
    s.passwordRequest = static_cast<bool>(OnPasswordRequest);
    s.proxyAuthentication = static_cast<bool>(OnProxyAuthenticationRequest);
    s.onStatusChanged = OnStatusChanged;
    s.onRedirected = OnRedirected;
    s.onBeforeSendRequest = OnBeforeSendRequest;
    t->component = this;
    t->cookies = mCookies;
    t->startOffset = mStartOffset;
    t->endOffset = mEndOffset;
    if (mPOSTMethod == pmMultipartFormData)
        t->upload = mUploadBody;
    mTransfer = t;
    // The work holds the transfer: it may outlive this component.
    mThread->SetOnExecute([t](TComponent*) { ThreadExecute(t); });

    const bool waitThread = mThread->WaitThread;
    if (wait)
        mThread->WaitThread = true;
    const auto alive = AliveToken();
    const bool started = mThread->Execute();
    if (alive.expired())
        return started;
    mThread->WaitThread = waitThread;
    if (!started && !t->killed)
        Release(*t); // no thread could be made: nothing is under way
    return started;
}

} // namespace quelmo
