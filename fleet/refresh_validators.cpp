#include "fleet/refresh_validators.h"

#include "config/file_utils.h"
#include "platform/header_lines.h"

#include <QCryptographicHash>

namespace quelmo {

namespace {
const char* const kLocalCopy = "LocalCopy.db";
const char* const kValidatorsFile = "LocalCopy.etag";

// Header values end up in request lines: nothing may break a line.
bool IsSafeHeaderValue(const std::string& value) {
    for (const char c : value)
        if (c == '\r' || c == '\n' || c == '\0')
            return false;
    return true;
}
} // namespace

std::string BodyDigest(const std::string& body) {
    return QCryptographicHash::hash(
               QByteArrayView(body.data(), static_cast<qsizetype>(body.size())),
               QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// Kept as header lines, so that the values come back exactly as the server sent them.
RefreshValidators ReadValidators() {
    const std::string text = ReadWholeFile(kValidatorsFile);
    RefreshValidators v{HeaderValue(text, "ETag"), HeaderValue(text, "Last-Modified"),
                        HeaderValue(text, "Digest")};
    if (v.digest.empty() || v.digest != BodyDigest(ReadWholeFile(kLocalCopy)))
        return {};
    return v;
}

void WriteValidators(const RefreshValidators& validators) {
    WriteWholeFile("ETag: " + validators.etag + "\nLast-Modified: " + validators.lastModified +
                       "\nDigest: " + validators.digest + "\n",
                   kValidatorsFile, "wt");
}

std::vector<std::string> ConditionalHeaders(const RefreshValidators& validators) {
    std::vector<std::string> lines;
    if (!validators.etag.empty() && IsSafeHeaderValue(validators.etag))
        lines.push_back("If-None-Match: " + validators.etag);
    if (!validators.lastModified.empty() && IsSafeHeaderValue(validators.lastModified))
        lines.push_back("If-Modified-Since: " + validators.lastModified);
    return lines;
}

std::string HeaderValue(const std::string& rawHeaders, const std::string& name) {
    std::vector<std::string> lines;
    platform::PutLines(lines, rawHeaders, false);
    return platform::FindHeader(lines, name).value_or(std::string());
}

} // namespace quelmo
