// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer on the worker thread: the answer's headers and body.
#include "http/winhttp_worker.h"

#include <cstring>

namespace quelmo::winhttp {

Next Worker::ReadHeaders() {
    // 13. What the answer says of its body.
    CheckAbort();
    platform::HttpRequest& r = *t.request;
    t.contentType = r.Header("Content-Type").value_or("");
    const std::optional<std::string> length = r.Header("Content-Length");
    t.dataSize = length ? ToLength(*length) : 0;
    t.success = length.has_value();
    // Only a partial answer continues at the start offset; any other holds the resource from its
    // first byte, whatever it says of ranges.
    if (t.status != 206)
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
                               t.contentEncoding, SizeSum(t.dataSize, t.startOffset), t.location,
                               t.date, t.lastModified, t.expires, t.eTag, continueDownload);
            t.continueDownload = continueDownload;
        });
        if (!t.continueDownload)
            return Next::End;
    }
    if (s.maxBodySize && t.dataSize > s.maxBodySize) {
        t.success = false; // announced too long: not a byte of it is read
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
        std::unique_lock lock(t.fileLock);
        if (Stopped()) {
            lock.unlock();
            CheckAbort();
        }
        auto file = std::make_unique<TWinHTTPFileStream>(s.outputFileName, t.startOffset == 0);
        t.fileOpened = t.fileOpened || file->isOpen();
        lock.unlock();
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
    t.bodyEnded = false;
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
        if (!ok || count == 0) {
            t.bodyEnded = ok;
            break;
        }
        t.bytesRead += static_cast<std::uint32_t>(count);
        if (s.maxBodySize && t.bytesRead > s.maxBodySize) {
            // Too long after all (no length was announced): the rest is not read, and what
            // came is let go at once.
            t.request.reset();
            t.body.reset();
            t.buffer.clear();
            t.success = false;
            return Next::End;
        }
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
                    c.OnProgress(&c, t.contentType, SizeSum(t.dataSize, t.startOffset),
                                 SizeSum(t.bytesRead, t.startOffset), f.elapsedTime,
                                 f.estimatedTimeLeft, f.percentsDone, f.transferRate, t.body.get());
            });
    }
    CheckAbort(); // a read cut short by a stop is an abort, not a lost connection
    // 17, 18.
    t.buffer.clear();
    t.buffer.shrink_to_fit();
    t.success = (t.status == 200 || t.status == 206) &&
                (t.dataSize == 0 || !t.body || t.dataSize == t.bytesRead);
    // A resumed file ends where this body ended: none of an older, longer file's tail stays
    // behind it. A file that got nothing of the body keeps what it had.
    if (t.outputToFile && (t.success || t.bytesRead > 0))
        static_cast<QFile*>(t.body.get())->resize(qint64(t.startOffset) + t.bytesRead);
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
