// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTTP transfer component: downloads (or posts to) one URL at a time on a worker thread
// of its own, into memory or an output file, and tells the outcome through its events.
//
// Events fired on the worker thread: OnStatusChanged, OnRedirected, OnBeforeSendRequest;
// their handlers must not touch the user interface. Every other event runs on the GUI
// thread, the worker waiting for OnHeaderInfo, OnProgress, OnUploadProgress, OnPasswordRequest
// and OnProxyAuthenticationRequest to return. Once a transfer has been aborted, has timed out
// or its component is being destroyed, none of its events fires any more.

#include "http/winhttp_login.h"
#include "http/winhttp_types.h"
#include "http/winhttp_upload.h"
#include "http/winthread.h"

#include <QBuffer>
#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace quelmo {

namespace platform {
class CookieJar;
}
namespace winhttp {
struct Transfer;
class Worker;
} // namespace winhttp

// Asks for part number fileIndex of an upload: the handler writes its bytes into uploadStream
// and sets the field name and, for a file, the file name.
using TWinHTTPUploadFieldRequest =
    std::function<void(TComponent* sender, unsigned short fileIndex, QBuffer& uploadStream,
                       std::string& fieldName, std::string& fileName)>;

// The certificate authority file that new components trust alone (their
// CertificateAuthorityFile); empty: the system's store. Set as the program's settings are read.
std::string TrustedAuthorityFile();
void SetTrustedAuthorityFile(std::string file);

class TCustomWinHTTP : public TWinLoginComponent {
public:
    static constexpr const char* kDefaultAgent = "Vormel component (quelmo.github.io)";
    static constexpr const char* kDefaultAcceptTypes = "text/html, */*";

    explicit TCustomWinHTTP(TComponent* owner = nullptr);
    ~TCustomWinHTTP() override;

    // ReadRange(0, 0, wait).
    bool Read(bool wait);
    // False while busy. Otherwise starts a transfer of URL, from byte `start` to `end`
    // (0 = not set); `wait` waits for it as WaitThread does. False when the wait timed out.
    // Into an output file, a start continues the file after its first `start` bytes (checked
    // against the server's, as Resume does); a file shorter than that is fetched whole.
    bool ReadRange(std::uint32_t start, std::uint32_t end, bool wait);
    // Continues an interrupted download into OutputFileName, fetching its last
    // TransferBufferSize bytes again to check that the file still matches.
    bool Resume();
    // Nothing unless a transfer runs. Immediately: stops it now and cleans up here; otherwise
    // it cleans up at its next check. OnAborted follows either way.
    void Abort(bool deleteOutputFile, bool immediately);
    void Pause() { Abort(false, false); }
    // Networking is switched off by the user.
    bool IsGlobalOffline() const;

    // Multipart uploads: false while a transfer is busy. Otherwise marks it busy and starts a
    // fresh body with a new boundary and the header line that announces it.
    bool BeginPrepareUpload();
    // One part each; they do nothing unless an upload is being prepared.
    void UploadStream(const std::string& name, QIODevice* stream, const std::string& fileName);
    void UploadString(const std::string& name, const std::string& value);
    // The four bytes of the value, least significant first.
    void UploadInteger(const std::string& name, int value);
    void UploadBoolean(const std::string& name, bool value);
    // The picture as PNG.
    void UploadPicture(const std::string& name, const QImage& picture, const std::string& fileName);
    // Closes the body and sends it; what the start returns.
    bool EndPrepareUpload();
    // Builds a body of fileCount parts from OnUploadFieldRequest and sends it. False without a
    // handler or while busy. The body is closed and sent also when a handler throws.
    bool Upload(unsigned short fileCount);

    // Properties, in their published order.
    std::string AcceptTypes = kDefaultAcceptTypes;
    std::vector<std::string> AddHeaders;
    std::string Agent = kDefaultAgent;
    TWinHTTPProxy Proxy;
    std::string URL;
    TCacheOptions CacheOptions{coReloadIfNoExpireInformation, coReloadUpdatedObjects,
                               coCreateTempFilesIfCantCache};
    TInternetOptions InternetOptions{ioKeepConnection};
    std::string OutputFileName;
    TWinHTTPOutputFileAttributes OutputFileAttributes;
    std::string POSTData;
    TWinHTTPRange Range;
    std::string Referer;
    // While networking is switched off by the user, a transfer first asks to switch it on.
    bool ShowGoOnlineMessage = false;
    TWinHTTPRequestMethod RequestMethod = rmAutoDetect;
    TWinHTTPTimeouts Timeouts;
    TThreadPriority GetThreadPriority() const { return mThread->GetPriority(); }
    void SetThreadPriority(TThreadPriority priority) { mThread->SetPriority(priority); }
    int GetTransferBufferSize() const { return mTransferBufferSize; }
    // 255 at least.
    void SetTransferBufferSize(int size) { mTransferBufferSize = size < 255 ? 255 : size; }
    bool GetWaitThread() const { return mThread->WaitThread; }
    void SetWaitThread(bool wait) { mThread->WaitThread = wait; }
    unsigned GetWaitTimeout() const { return mThread->WaitTimeout; }
    void SetWaitTimeout(unsigned ms) { mThread->WaitTimeout = ms; }
    bool WorkOffline = false;
    // The only certificate authorities trusted for https (a PEM file); empty: the system's
    // store. Starts as TrustedAuthorityFile().
    std::string CertificateAuthorityFile;
    // A body longer than this many bytes is not read on: the transfer ends as a lost
    // connection, without OnDone. 0: no limit.
    std::uint32_t MaxBodySize = 0;

    TWinHTTPBeforeSendRequest OnBeforeSendRequest;
    TWinHTTPHeaderInfo OnHeaderInfo;
    TWinHTTPDoneEvent OnDone;
    TNotifyEvent OnDoneInterrupted;
    TNotifyEvent OnOutputFileError;
    TWinHTTPProgressEvent OnProgress;
    TWinHTTPRedirected OnRedirected;
    TWinHTTPUploadProgressEvent OnUploadProgress;
    TWinHTTPUploadFieldRequest OnUploadFieldRequest;
    TNotifyEvent OnUploadCGITimeoutFailed;
    TNotifyEvent OnAnyError;
    TNotifyEvent OnAborted;
    TWinHTTPConnLostEvent OnConnLost;
    TWinHTTPHTTPErrorEvent OnHTTPError;
    TNotifyEvent OnHostUnreachable;
    TWinHTTPPasswordRequestEvent OnPasswordRequest;
    TWinHTTPProxyAuthenticationEvent OnProxyAuthenticationRequest;
    TWinThreadWaitTimeoutExpired OnWaitTimeoutExpired;
    TWinHTTPStatusChanged OnStatusChanged;

    bool GetSuspended() const { return mThread->GetSuspended(); }
    void SetSuspended(bool suspended) { mThread->SetSuspended(suspended); }
    bool GetFreeOnTerminate() const { return mThread->GetFreeOnTerminate(); }
    void SetFreeOnTerminate(bool free) { mThread->SetFreeOnTerminate(free); }
    bool GetThreadBusy() const { return mThread->Running(); }
    std::string GetFileName() const;
    std::string GetHostName() const;

    bool Busy() const { return mBusy; }
    // In OnDone: the body arrived whole, ended as its answer said it would (its length, its
    // last chunk, or the close of a connection that delimits it). A chunked body whose
    // connection dropped is handed to OnDone as well, but is not whole.
    bool BodyWhole() const { return mBodyWhole; }
    TWinHTTPPOSTMethod POSTMethod() const { return mPOSTMethod; }
    // KB per second of the last progress figures; -1 before the first.
    float TransferRate() const { return mTransferRate; }
    std::uint32_t StartOffset() const { return mStartOffset; }
    std::uint32_t EndOffset() const { return mEndOffset; }
    // The Content-Type line of the prepared body.
    const std::string& MultipartHeader() const { return mMultipartHeader; }
    // The body being prepared or sent; null when there is none.
    const TWinHTTPUploadStream* UploadBody() const { return mUploadBody.get(); }
    TCustomWinThread& Thread() const { return *mThread; }

protected:
    // Starts the worker; with `wait` the call waits for it even when WaitThread is off.
    bool StartWorker(bool wait);

private:
    friend struct winhttp::Transfer;
    friend class winhttp::Worker;

    // The transfer, on the worker thread.
    static void ThreadExecute(const std::shared_ptr<winhttp::Transfer>& transfer);
    // The end of a transfer, on the GUI thread: its one outcome event.
    void ThreadDone(TComponent* sender);
    void ThreadException(TComponent* sender);
    void ThreadWaitTimeoutExpired(TComponent* sender, bool& terminateThread);
    // Stops the current transfer's network calls and events. Never waits for its worker: one
    // that is stuck (a name lookup that takes long) is left to end by itself.
    void StopTransfer();
    // The end of an abort on the GUI thread: the output file goes when asked for, then
    // OnAborted.
    void FinishAbort(winhttp::Transfer& transfer);
    // Not busy any more, when `transfer` is still the current one.
    void Release(const winhttp::Transfer& transfer);

    TCustomWinThread* mThread; // owned as a component
    std::shared_ptr<winhttp::Transfer> mTransfer;
    std::shared_ptr<platform::CookieJar> mCookies;
    std::shared_ptr<TWinHTTPUploadStream> mUploadBody;
    std::string mMultipartHeader;
    TWinHTTPPOSTMethod mPOSTMethod = pmFormURLEncoded;
    float mTransferRate = -1.0f;
    std::uint32_t mStartOffset = 0;
    std::uint32_t mEndOffset = 0;
    int mTransferBufferSize = 4096;
    bool mBusy = false;
    bool mBodyWhole = false;
};

class TWinHTTP : public TCustomWinHTTP {
public:
    using TCustomWinHTTP::TCustomWinHTTP;
};

// Asks every cache on the way for a fresh copy.
class TWinHTTPPragmaNoCache : public TCustomWinHTTP {
public:
    explicit TWinHTTPPragmaNoCache(TComponent* owner = nullptr) : TCustomWinHTTP(owner) {
        CacheOptions = {coReloadIfNoExpireInformation, coReloadUpdatedObjects, coPragmaNoCache};
    }
};

} // namespace quelmo
