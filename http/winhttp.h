// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The blocking fetch of a URL's body, and the URL and text utilities of the transfer.

#include "http/winhttp_component.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quelmo {

// The body of a 200 or 206 answer, or empty text on any failure. Blocks the GUI thread while
// serving its events (handlers, a nested call among them, run meanwhile); `timeout` is in
// milliseconds, for each network step and for each quiet spell of the wait (0: no limit).
std::string HTTPReadString(const std::string& url, int timeout);

// One blocking GET on a component of its own.
class TSimpleWinHTTPLoader {
public:
    TSimpleWinHTTPLoader(const std::string& url, int timeout);
    ~TSimpleWinHTTPLoader();
    TSimpleWinHTTPLoader(const TSimpleWinHTTPLoader&) = delete;
    TSimpleWinHTTPLoader& operator=(const TSimpleWinHTTPLoader&) = delete;

    // The body, as HandleDone took it by the time the transfer's wait ended.
    std::string ReadString();
    void HandleDone(TComponent* sender, const std::string& contentType, std::uint32_t fileSize,
                    QIODevice* stream);
    TWinHTTPPragmaNoCache& HTTP() const { return *mHTTP; }

private:
    std::unique_ptr<TWinHTTPPragmaNoCache> mHTTP;
    std::string mResult;
};

// The bytes from the stream's position (or its start) to its end, as they are.
std::string StreamToString(QIODevice* stream, bool fromBeginning);

// Splits a URL ("http://" is put in front of one without "://") into its parts, the escapes
// of path and extra information (query and fragment) decoded. False, with the outputs left
// alone, for a URL that cannot be split or whose parts do not fit their limits (scheme 32,
// host 256, user name and password 128, path and extra 2048 bytes).
bool ParseURL(const std::string& url, std::string& scheme, std::string& hostName,
              std::string& urlPath, std::string& userName, std::string& password,
              std::string& extraInfo, unsigned short& port);
// Control bytes, bytes from 128 on, blank, "#", "%", "*", "+", "<" and ">" as "%XX".
std::string URLEncode(const std::string& text);
// "+" as blank, then "%XX" as its byte; "%00" and malformed escapes vanish.
std::string URLDecode(const std::string& text);
std::string URLToHostName(const std::string& url);
// The last element of the URL's path.
std::string URLToFileName(const std::string& url);
std::string IncludeLeadingChar(const std::string& text, char c);
std::string ExcludeLeadingChar(const std::string& text, char c);
// Every byte of `text` that is in `set` becomes `c`.
void ReplaceChars(std::string& text, char c, std::string_view set);
// A short text for an HTTP status; empty for a code it does not know.
std::string HTTPErrorToStr(int code);

// Host (and optional ":port") of the product's web server; a build setting that tests replace.
const std::string& ProductWebHost();
void SetProductWebHost(std::string host);

} // namespace quelmo
