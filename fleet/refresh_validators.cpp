#include "fleet/refresh_validators.h"

#include "config/file_utils.h"
#include "power/ascii_case.h"

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
    std::size_t start = 0;
    while (start < rawHeaders.size()) {
        std::size_t end = rawHeaders.find('\n', start);
        if (end == std::string::npos)
            end = rawHeaders.size();
        std::string line = rawHeaders.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || AsciiLower(line.substr(0, colon)) != AsciiLower(name))
            continue;
        const std::size_t first = line.find_first_not_of(" \t", colon + 1);
        if (first == std::string::npos)
            return {};
        return line.substr(first, line.find_last_not_of(" \t") - first + 1);
    }
    return {};
}

} // namespace quelmo
