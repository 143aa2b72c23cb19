// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a transfer on the GUI thread: its outcome events, stops, time-outs and the
// figures and texts the events hand out.
#include "http/winhttp_transfer.h"
#include "platform/memory_advice.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quelmo {

namespace {

// Marks a transfer's call into the component's handlers, which may stop the transfer or
// destroy the component: a stop then must not wait for the worker that waits for the call.
class InCall {
public:
    explicit InCall(std::atomic<bool>& flag) : mFlag(flag) { mFlag = true; }
    ~InCall() { mFlag = false; }
    InCall(const InCall&) = delete;
    InCall& operator=(const InCall&) = delete;

private:
    std::atomic<bool>& mFlag;
};

bool IsAnswer(int status) {
    return status == 200 || status == 206;
}

} // namespace

void TCustomWinHTTP::ThreadDone(TComponent*) {
    const std::shared_ptr<winhttp::Transfer> t = mTransfer;
    if (!t || t->killed || t->aborted || !t->executed || t->doneRun)
        return;
    t->doneRun = true;
    const InCall inCall(t->inCall);
    if (t->abortRequested) {
        // Asked for after the worker's last check: an abort all the same.
        t->CloseHandles();
        t->ReleaseBody();
        FinishAbort(*t);
        return;
    }
    const auto alive = AliveToken();
    const auto gone = [&] { return alive.expired() || t->killed; };
    const std::string& fileName = t->settings.outputFileName;
    t->CloseHandles();
    if (t->body)
        t->body->seek(0);
    bool deleteFile = false;
    if (t->continueDownload) {
        if (t->success && !t->body) {
            if (t->alreadyComplete) {
                // A resumed file that was already whole: done, without a body.
                Release(*t);
                if (t->settings.complete != t->settings.incomplete)
                    SetFileAttr(fileName, t->settings.complete);
                if (OnDone)
                    OnDone(this, t->contentType, t->dataSize, nullptr);
                return;
            }
            if (OnAnyError)
                OnAnyError(this);
            if (gone())
                return;
            if (OnOutputFileError)
                OnOutputFileError(this);
            if (!gone())
                Release(*t);
            return;
        }
        if (t->success) {
            const bool toFile = t->outputToFile;
            mBodyWhole = t->bodyEnded;
            if (toFile) {
                t->ReleaseBody(); // closes the file
                Release(*t);
                if (t->settings.complete != t->settings.incomplete)
                    SetFileAttr(fileName, t->settings.complete);
            }
            if (OnDone)
                OnDone(this, t->contentType, winhttp::SizeSum(t->bytesRead, t->startOffset),
                       toFile ? nullptr : t->body.get());
            if (gone())
                return;
            mBodyWhole = false;
        } else if (IsAnswer(t->status)) {
            if (OnConnLost)
                OnConnLost(this, t->contentType, t->dataSize, t->bytesRead, t->body.get());
        } else if (t->status == -1) {
            const TNotifyEvent& event =
                t->uploadSent ? OnUploadCGITimeoutFailed : OnHostUnreachable;
            if (event)
                event(this);
        } else {
            if (OnHTTPError)
                OnHTTPError(this, t->status, t->body.get());
            deleteFile = t->outputToFile;
        }
        if (gone())
            return;
        if (!t->success && OnAnyError)
            OnAnyError(this);
        if (gone())
            return;
    }
    t->ReleaseBody();
    Release(*t);
    if (deleteFile)
        QFile::remove(QString::fromStdString(fileName));
    if (!t->continueDownload && OnDoneInterrupted)
        OnDoneInterrupted(this);
}

void TCustomWinHTTP::ThreadException(TComponent*) {
    const std::shared_ptr<winhttp::Transfer> t = mTransfer;
    if (!t || t->killed)
        return;
    const InCall inCall(t->inCall);
    if (OnAnyError)
        OnAnyError(this);
}

void TCustomWinHTTP::ThreadWaitTimeoutExpired(TComponent*, bool& terminateThread) {
    const auto alive = AliveToken();
    if (OnWaitTimeoutExpired)
        OnWaitTimeoutExpired(this, terminateThread);
    if (alive.expired() || !terminateThread)
        return;
    if (const std::shared_ptr<winhttp::Transfer> t = mTransfer) {
        // Its handles are closed and its body released by the worker, which ends by itself.
        StopTransfer();
        Release(*t);
    }
}

void TCustomWinHTTP::StopTransfer() {
    const std::shared_ptr<winhttp::Transfer> t = mTransfer;
    if (!t)
        return;
    t->Kill();
    // A worker whose work is over waits for its end, which will not run now: its body goes
    // here, while that worker still lives, since the stream belongs to the worker's thread.
    if (t->executed && !t->doneRun)
        t->ReleaseBody(false);
}

void TCustomWinHTTP::Release(const winhttp::Transfer& transfer) {
    if (mTransfer.get() == &transfer)
        mBusy = false;
}

namespace winhttp {

void Transfer::CloseHandles() {
    localFile.reset();
    request.reset();
    connection.reset();
    session.reset();
}

void Transfer::ReleaseBody(bool touchFile) {
    buffer.clear();
    buffer.shrink_to_fit();
    const bool wasFile = outputToFile;
    body.reset();
    if (touchFile && wasFile && settings.incomplete != TWinHTTPFileAttributes{atrArchive})
        SetFileAttr(settings.outputFileName, settings.incomplete);
    outputToFile = false;
}

void Transfer::DeleteAbortedFile() {
    std::lock_guard lock(fileLock);
    if (fileOpened && deleteOnAbort)
        QFile::remove(QString::fromStdString(settings.outputFileName));
    fileOpened = false;
}

void Transfer::Kill() {
    {
        // Taken so that a worker opening the output file has either done so or sees the stop.
        std::lock_guard lock(fileLock);
        killed = true;
    }
    cancel->Cancel();
}

ProgressFigures ComputeProgress(std::uint32_t bytesRead, std::uint32_t dataSize,
                                std::uint32_t startOffset, std::chrono::milliseconds elapsed) {
    ProgressFigures f;
    f.elapsedTime = static_cast<int>(elapsed.count() / 1000);
    const double divisor = double(dataSize) + startOffset;
    if (divisor > 0)
        f.percentsDone = static_cast<std::uint8_t>(
            std::min(255.0, std::nearbyint(100.0 * (double(bytesRead) + startOffset) / divisor)));
    if (bytesRead > 0)
        f.estimatedTimeLeft =
            static_cast<int>(std::nearbyint(double(dataSize) / bytesRead * f.elapsedTime)) -
            f.elapsedTime;
    const double kb = bytesRead / 1024.0;
    f.transferRate = static_cast<float>(f.elapsedTime ? kb / f.elapsedTime : kb);
    return f;
}

const char* StatusText(int statusId) {
    switch (statusId) {
    case 10:
        return "Resolving name";
    case 11:
        return "Name resolved";
    case 20:
        return "Connecting to server";
    case 21:
        return "Connected";
    case 30:
        return "Sending Request";
    case 31:
        return "Request sent";
    case 40:
        return "Receiving response";
    case 41:
        return "Response received";
    case 42:
        return "CTL Response received";
    case 43:
        return "Prefetch";
    case 50:
        return "Closing connection";
    case 51:
        return "Connection closed";
    case 60:
        return "Handle created";
    case 70:
        return "Handle closing";
    case 100:
        return "Request complete";
    case 110:
        return "Redirect";
    case 120:
        return "Intermediate response";
    case 200:
        return "State change";
    default:
        return "Unknown status";
    }
}

} // namespace winhttp

void TWinHTTPOutputFileAttributes::SetComplete(TWinHTTPFileAttributes attributes) {
    mComplete = std::move(attributes);
    AttributesChanged();
}

void TWinHTTPOutputFileAttributes::SetIncomplete(TWinHTTPFileAttributes attributes) {
    mIncomplete = std::move(attributes);
    AttributesChanged();
}

void TWinHTTPOutputFileAttributes::Assign(const TWinHTTPOutputFileAttributes* source) {
    const TWinHTTPOutputFileAttributes defaults;
    const TWinHTTPOutputFileAttributes& from = source ? *source : defaults;
    mComplete = from.mComplete;
    mIncomplete = from.mIncomplete;
    AttributesChanged();
}

void TWinHTTPMemoryStream::Reserve(std::size_t bytes) {
    mBytes.reserve(bytes);
    // A large body is written at once: huge pages spare a page fault every 4 KB.
    if (bytes >= (16u << 20))
        platform::AdviseLargePages(mBytes.data(), mBytes.capacity());
}

qint64 TWinHTTPMemoryStream::readData(char* data, qint64 maxSize) {
    const auto at = static_cast<std::size_t>(pos());
    const std::size_t count =
        at >= mBytes.size() ? 0 : std::min(mBytes.size() - at, static_cast<std::size_t>(maxSize));
    std::memcpy(data, mBytes.data() + at, count);
    return static_cast<qint64>(count);
}

qint64 TWinHTTPMemoryStream::writeData(const char* data, qint64 size) {
    const auto at = static_cast<std::size_t>(pos());
    const auto count = static_cast<std::size_t>(size);
    if (at == mBytes.size()) {
        mBytes.append(data, count);
    } else {
        if (at + count > mBytes.size())
            mBytes.resize(at + count);
        std::memcpy(mBytes.data() + at, data, count);
    }
    return size;
}

TWinHTTPFileStream::TWinHTTPFileStream(const std::string& fileName, bool create)
    : QFile(QString::fromStdString(fileName)) {
    open(create ? QIODevice::ReadWrite | QIODevice::Truncate : QIODevice::ReadWrite);
}

} // namespace quelmo
