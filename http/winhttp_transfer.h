// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One transfer of the HTTP component: what it was started with and the state its worker
// writes. The worker owns it together with the component, so that a worker that outlives its
// component (stopped, timed out, destroyed) still has all it uses. The GUI thread reads the
// state only while the worker waits for it (a marshalled call, the end of the transfer).

#include "http/winhttp_component.h"
#include "platform/internet.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace quelmo::winhttp {

// The component's properties as they were when the transfer started.
struct Settings {
    std::string url, acceptTypes, agent, outputFileName, postData, referer, multipartHeader;
    std::vector<std::string> addHeaders;
    TWinHTTPProxy proxy;
    TCacheOptions cacheOptions;
    TInternetOptions internetOptions;
    TWinHTTPFileAttributes complete, incomplete;
    TWinHTTPRange range;
    TWinHTTPTimeouts timeouts;
    TWinHTTPRequestMethod requestMethod = rmAutoDetect;
    TWinHTTPPOSTMethod postMethod = pmFormURLEncoded;
    std::string username, password;
    std::uint32_t chunkSize = 4096;
    bool workOffline = false;
    bool showGoOnlineMessage = false;
    std::string authorityFile;
    std::uint32_t maxBodySize = 0;
    // Which GUI-thread handlers were assigned: the worker asks for them only then.
    bool headerInfo = false, progress = false, uploadProgress = false, passwordRequest = false,
         proxyAuthentication = false;
    // The worker-thread handlers, which it calls itself.
    TWinHTTPStatusChanged onStatusChanged;
    TWinHTTPRedirected onRedirected;
    TWinHTTPBeforeSendRequest onBeforeSendRequest;
};

struct Transfer {
    Settings settings;
    // Touched only on the GUI thread, in calls the worker waits for.
    TCustomWinHTTP* component = nullptr;
    std::shared_ptr<platform::InternetCancel> cancel = std::make_shared<platform::InternetCancel>();
    std::shared_ptr<platform::CookieJar> cookies;

    // Set on the GUI thread. killed: stopped from there (Abort at once, a wait time-out, the
    // component's end): nothing of it reaches the component any more.
    std::atomic<bool> killed{false};
    std::atomic<bool> deleteOnAbort{false};
    // Abort without "at once": the worker or the end of the transfer, whichever comes first,
    // finishes it.
    std::atomic<bool> abortRequested{false};
    std::atomic<bool> inCall{false}; // one of its marshalled calls runs on the GUI thread
    // Held while an event runs on the worker, so that a stop can wait for it to return.
    std::mutex workerEvent;

    // Handles, innermost last.
    std::unique_ptr<platform::InternetSession> session;
    std::unique_ptr<platform::HttpConnection> connection;
    std::unique_ptr<platform::HttpRequest> request;
    std::unique_ptr<QFile> localFile;
    // The worker opens the output file under this lock only while the transfer is not
    // stopped, so that a stop on the GUI thread that deletes it is never followed by its
    // creation. fileOpened: guarded by it.
    std::mutex fileLock;
    bool fileOpened = false;

    int status = -1;
    std::uint32_t dataSize = 0, bytesRead = 0, startOffset = 0, endOffset = 0, chunkSize = 4096;
    std::unique_ptr<QIODevice> body;
    std::shared_ptr<const TWinHTTPUploadStream> upload;
    bool outputToFile = false;
    bool success = false;
    bool retry = false;
    bool continueDownload = true;
    bool uploadSent = false;
    bool alreadyComplete = false; // a resumed file that the server says is whole
    bool bodyEnded = false;       // the body loop met the body's proper end
    int passwordRounds = 0, proxyRounds = 0;
    std::string username, password; // those of the request

    // How the worker left it.
    std::atomic<bool> executed{false}; // its work returned (or threw) without being aborted
    std::atomic<bool> aborted{false};
    std::atomic<bool> doneRun{false};

    std::chrono::steady_clock::time_point startTick;
    std::string contentType, rawHeaders, contentLanguage, contentEncoding, location, eTag, realm;
    DayCount date = 0, lastModified = 0, expires = 0;
    std::vector<char> buffer;

    // Local file, request, connection, session.
    void CloseHandles();
    // Frees the buffer and the body stream; an output file gets its Incomplete attributes
    // unless `touchFile` is false (a stopped worker leaves the file's name alone: it may be
    // deleted, or taken by the next transfer).
    void ReleaseBody(bool touchFile = true);
    // On the GUI thread: deletes the output file if the transfer opened it and the abort asks
    // for it.
    void DeleteAbortedFile();
    // Stops it from the GUI thread: no more events, network calls return at once.
    void Kill();
};

// The events tell sizes in 32 bits: a sum beyond them reads as the largest, never as a
// wrapped, smaller one.
inline std::uint32_t SizeSum(std::uint32_t a, std::uint32_t b) {
    return a > 0xFFFFFFFFu - b ? 0xFFFFFFFFu : a + b;
}

// The worker's view of the progress figures, computed on the GUI thread.
struct ProgressFigures {
    std::uint8_t percentsDone = 0;
    int elapsedTime = 0;
    int estimatedTimeLeft = 0;
    float transferRate = -1.0f;
};
ProgressFigures ComputeProgress(std::uint32_t bytesRead, std::uint32_t dataSize,
                                std::uint32_t startOffset, std::chrono::milliseconds elapsed);

// The text of a status notice.
const char* StatusText(int statusId);

} // namespace quelmo::winhttp
