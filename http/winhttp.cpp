// SPDX-License-Identifier: GPL-3.0-or-later
// The blocking fetch: one component, one worker, one wait that keeps the GUI thread's events
// served, per call.
#include "http/winhttp.h"

#include <algorithm>

namespace quelmo {

namespace {
std::string& WebHostSlot() {
    static std::string host = QUELMO_WEB_HOST;
    return host;
}

int gFetchesRunning = 0; // GUI thread only

struct FetchRunning {
    FetchRunning() { ++gFetchesRunning; }
    ~FetchRunning() { --gFetchesRunning; }
    FetchRunning(const FetchRunning&) = delete;
    FetchRunning& operator=(const FetchRunning&) = delete;
};
} // namespace

int FetchesRunning() {
    return gFetchesRunning;
}

const std::string& ProductWebHost() {
    return WebHostSlot();
}
void SetProductWebHost(std::string host) {
    WebHostSlot() = std::move(host);
}

std::string HTTPReadString(const std::string& url, int timeout) {
    return HTTPReadBody(url, timeout).body;
}

FetchedBody HTTPReadBody(const std::string& url, int timeout, std::uint32_t maxBytes) {
    if (url.empty())
        return {};
    const FetchRunning running;
    TSimpleWinHTTPLoader loader(url, timeout);
    loader.HTTP().MaxBodySize = maxBytes;
    FetchedBody fetched;
    fetched.body = loader.ReadString();
    fetched.whole = loader.Whole();
    return fetched;
}

TSimpleWinHTTPLoader::TSimpleWinHTTPLoader(const std::string& url, int timeout)
    : mHTTP(std::make_unique<TWinHTTPPragmaNoCache>()) {
    const auto ms = static_cast<unsigned>(std::max(timeout, 0));
    mHTTP->URL = url;
    mHTTP->Timeouts.ConnectTimeout = ms;
    mHTTP->Timeouts.ReceiveTimeout = ms;
    mHTTP->Timeouts.SendTimeout = ms;
    mHTTP->SetWaitThread(true);
    mHTTP->SetWaitTimeout(ms);
    mHTTP->OnDone = [this](TComponent* sender, const std::string& contentType,
                           std::uint32_t fileSize, QIODevice* stream) {
        HandleDone(sender, contentType, fileSize, stream);
    };
}

TSimpleWinHTTPLoader::~TSimpleWinHTTPLoader() = default;

std::string TSimpleWinHTTPLoader::ReadString() {
    mResult.clear();
    mWhole = false;
    mHTTP->Read(false);
    return std::move(mResult);
}

void TSimpleWinHTTPLoader::HandleDone(TComponent*, const std::string&, std::uint32_t,
                                      QIODevice* stream) {
    mWhole = mHTTP->BodyWhole();
    // The stream is released right after this event: a memory body read whole is taken over.
    auto* memory = dynamic_cast<TWinHTTPMemoryStream*>(stream);
    if (memory && memory->pos() == 0)
        mResult = std::move(memory->Bytes());
    else
        mResult = StreamToString(stream, false);
}

std::string StreamToString(QIODevice* stream, bool fromBeginning) {
    if (!stream)
        return {};
    if (fromBeginning)
        stream->seek(0);
    const qint64 count = stream->size() - stream->pos();
    if (count <= 0)
        return {};
    std::string text(static_cast<std::size_t>(count), '\0');
    const qint64 got = stream->read(text.data(), count);
    text.resize(static_cast<std::size_t>(std::max<qint64>(got, 0)));
    return text;
}

} // namespace quelmo
