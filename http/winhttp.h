// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The blocking fetch of a URL's body.

#include "http/winhttp_component.h"
#include "http/winhttp_url.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quelmo {

// The body of a 200 or 206 answer, or empty text on any failure. Blocks the GUI thread while
// serving its events (handlers, a nested call among them, run meanwhile); `timeout` is in
// milliseconds, for each network step and for each quiet spell of the wait (0: no limit).
std::string HTTPReadString(const std::string& url, int timeout);

// What HTTPReadString returns, and whether that body arrived whole (see
// TCustomWinHTTP::BodyWhole); a failure is an empty body that is not whole. A body longer than
// `maxBytes` (0: no limit) is a failure, and is not read to its end.
struct FetchedBody {
    std::string body;
    bool whole = false;
};
FetchedBody HTTPReadBody(const std::string& url, int timeout, std::uint32_t maxBytes = 0);

// How many HTTPReadString calls are waiting on the GUI thread (nested ones counted).
int FetchesRunning();

// One blocking GET on a component of its own.
class TSimpleWinHTTPLoader {
public:
    TSimpleWinHTTPLoader(const std::string& url, int timeout);
    ~TSimpleWinHTTPLoader();
    TSimpleWinHTTPLoader(const TSimpleWinHTTPLoader&) = delete;
    TSimpleWinHTTPLoader& operator=(const TSimpleWinHTTPLoader&) = delete;

    // The body, as HandleDone took it by the time the transfer's wait ended.
    std::string ReadString();
    // Whether the body ReadString returned arrived whole.
    bool Whole() const { return mWhole; }
    void HandleDone(TComponent* sender, const std::string& contentType, std::uint32_t fileSize,
                    QIODevice* stream);
    TWinHTTPPragmaNoCache& HTTP() const { return *mHTTP; }

private:
    std::unique_ptr<TWinHTTPPragmaNoCache> mHTTP;
    std::string mResult;
    bool mWhole = false;
};

// The bytes from the stream's position (or its start) to its end, as they are.
std::string StreamToString(QIODevice* stream, bool fromBeginning);

// Host (and optional ":port") of the product's web server; a build setting that tests replace.
const std::string& ProductWebHost();
void SetProductWebHost(std::string host);

} // namespace quelmo
