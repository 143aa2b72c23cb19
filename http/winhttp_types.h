// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options, owned settings objects, output file and event types of the HTTP transfer
// component.

#include "http/component.h"
#include "http/winhttp_utils.h"

#include <QFile>

#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace quelmo {

enum TCacheOption {
    coAlwaysReload,
    coReloadIfNoExpireInformation,
    coReloadUpdatedObjects,
    coPragmaNoCache,
    coNoCacheWrite,
    coCreateTempFilesIfCantCache,
    coUseCacheIfNetFail
};
using TCacheOptions = std::set<TCacheOption>;

enum TInternetOption {
    ioIgnoreCertificateInvalid,
    ioIgnoreCertificateDateInvalid,
    ioIgnoreUnknownCertificateAuthority,
    ioIgnoreRedirectToHTTP,
    ioIgnoreRedirectToHTTPS,
    ioKeepConnection,
    ioNoAuthentication,
    ioNoAutoRedirect,
    ioNoCookies
};
using TInternetOptions = std::set<TInternetOption>;

enum TWinHTTPRequestMethod { rmAutoDetect, rmGET, rmPOST };
enum TWinHTTPPOSTMethod { pmFormURLEncoded, pmMultipartFormData };
enum TWinHTTPAccessType { atPreconfig, atDirect, atUseProxy };

class TWinHTTPProxy {
public:
    TWinHTTPAccessType AccessType = atPreconfig;
    int ProxyPort = 8080;
    std::string ProxyServer;
    std::string ProxyBypass = "127.0.0.1;";
    std::string ProxyUsername;
    std::string ProxyPassword;

    // ProxyServer and ProxyBypass are stored only then.
    bool IsUseProxy() const { return AccessType == atUseProxy; }
    // Copies every field; null resets to the defaults.
    void Assign(const TWinHTTPProxy* source) { *this = source ? *source : TWinHTTPProxy(); }
};

// Unsigned byte offsets; 0 = not set.
class TWinHTTPRange {
public:
    std::uint32_t StartRange = 0;
    std::uint32_t EndRange = 0;
    void Assign(const TWinHTTPRange* source) { *this = source ? *source : TWinHTTPRange(); }
};

// Milliseconds; 0 = the HTTP service's own value.
class TWinHTTPTimeouts {
public:
    unsigned ConnectTimeout = 0;
    unsigned ReceiveTimeout = 0;
    unsigned SendTimeout = 0;
    void Assign(const TWinHTTPTimeouts* source) { *this = source ? *source : TWinHTTPTimeouts(); }
};

class TWinHTTPOutputFileAttributes {
public:
    virtual ~TWinHTTPOutputFileAttributes() = default;
    const TWinHTTPFileAttributes& Complete() const { return mComplete; }
    const TWinHTTPFileAttributes& Incomplete() const { return mIncomplete; }
    void SetComplete(TWinHTTPFileAttributes attributes);
    void SetIncomplete(TWinHTTPFileAttributes attributes);
    void Assign(const TWinHTTPOutputFileAttributes* source);

protected:
    // Told of every change of either set.
    virtual void AttributesChanged() {}

private:
    TWinHTTPFileAttributes mComplete{atrArchive};
    TWinHTTPFileAttributes mIncomplete{atrArchive, atrTemporary};
};

// The output file of a download, open for reading and writing.
class TWinHTTPFileStream : public QFile {
public:
    // create: a new, empty file; otherwise the existing one, created when missing.
    TWinHTTPFileStream(const std::string& fileName, bool create);
};

// The body of a download in memory. Its bytes are a plain string, so that the blocking fetch
// can take them over instead of copying a large body once more.
class TWinHTTPMemoryStream : public QIODevice {
public:
    TWinHTTPMemoryStream() { open(QIODevice::ReadWrite); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return static_cast<qint64>(mBytes.size()); }
    // Room for this many bytes in one block.
    void Reserve(std::size_t bytes);
    std::string& Bytes() { return mBytes; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::string mBytes;
};

using TWinHTTPBeforeSendRequest = std::function<void(TComponent* sender, void* hRequest)>;
using TWinHTTPHeaderInfo =
    std::function<void(TComponent* sender, int errorCode, const std::string& rawHeadersCRLF,
                       const std::string& contentType, const std::string& contentLanguage,
                       const std::string& contentEncoding, std::uint32_t contentLength,
                       const std::string& location, DayCount date, DayCount lastModified,
                       DayCount expires, const std::string& eTag, bool& continueDownload)>;
using TWinHTTPDoneEvent = std::function<void(TComponent* sender, const std::string& contentType,
                                             std::uint32_t fileSize, QIODevice* stream)>;
using TWinHTTPProgressEvent =
    std::function<void(TComponent* sender, const std::string& contentType, std::uint32_t dataSize,
                       std::uint32_t bytesRead, int elapsedTime, int estimatedTimeLeft,
                       std::uint8_t percentsDone, float transferRate, QIODevice* stream)>;
using TWinHTTPRedirected = std::function<void(TComponent* sender, const std::string& newURL)>;
using TWinHTTPUploadProgressEvent = std::function<void(
    TComponent* sender, std::uint32_t dataSize, std::uint32_t bytesTransferred, int elapsedTime,
    int estimatedTimeLeft, std::uint8_t percentsDone, float transferRate)>;
using TWinHTTPConnLostEvent =
    std::function<void(TComponent* sender, const std::string& contentType, std::uint32_t fileSize,
                       std::uint32_t bytesRead, QIODevice* stream)>;
using TWinHTTPHTTPErrorEvent =
    std::function<void(TComponent* sender, int errorCode, QIODevice* stream)>;
using TWinHTTPPasswordRequestEvent =
    std::function<void(TComponent* sender, const std::string& realm, bool& tryAgain)>;
using TWinHTTPProxyAuthenticationEvent = std::function<void(
    TComponent* sender, std::string& proxyUsername, std::string& proxyPassword, bool& tryAgain)>;
using TWinHTTPStatusChanged =
    std::function<void(TComponent* sender, unsigned statusId, const std::string& statusStr)>;

} // namespace quelmo
