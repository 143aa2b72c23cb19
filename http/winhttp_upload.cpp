// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winhttp_upload.h"

#include "http/winhttp_utils.h"
#include "platform/clock.h"
#include "power/ascii_case.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>

namespace quelmo {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The locale's long time format without its time-zone name.
QString TimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == '\'')
            quoted = !quoted;
        if (quoted || c != 't')
            result += c;
    }
    return result.trimmed();
}

} // namespace

std::string MakeUploadBoundary() {
    const platform::UtcTime now = platform::CurrentUtc();
    const QDateTime local =
        QDateTime::fromMSecsSinceEpoch(now.seconds * 1000 + now.millis, Qt::LocalTime);
    const QLocale locale;
    const QString text = locale.toString(local.date(), QLocale::ShortFormat) + ' ' +
                         locale.toString(local.time(), TimeFormatWithoutZone(locale));
    return "---ATTACH-BOUNDARY-0-" + text.toUtf8().toBase64().toStdString() + "---";
}

TWinHTTPUploadStream::TWinHTTPUploadStream() : TWinHTTPUploadStream(MakeUploadBoundary()) {}

TWinHTTPUploadStream::TWinHTTPUploadStream(std::string boundary)
    : mBoundary(std::move(boundary)), mSeparator("--" + mBoundary) {}

std::string TWinHTTPUploadStream::MultipartHeader() const {
    return "Content-Type: multipart/form-data, boundary=" + mBoundary;
}

void TWinHTTPUploadStream::WritePartHeader(std::string_view name, std::string_view fileName) {
    mBytes.append(mSeparator).append(kCrLf);
    mBytes.append("Content-Disposition: form-data; name=\"").append(name).append("\"");
    if (!fileName.empty()) {
        mBytes.append("; filename=\"").append(fileName).append("\"").append(kCrLf);
        mBytes.append("Content-Type: ").append(ContentTypeOfExtension(ExtractFileExt(fileName)));
    }
    mBytes.append(kCrLf).append(kCrLf);
}

void TWinHTTPUploadStream::Write(std::string_view bytes) {
    mBytes.append(bytes);
}

void TWinHTTPUploadStream::WriteClosingSeparator() {
    mBytes.append(mSeparator).append("--").append(kCrLf);
}

std::string ExtractFileExt(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of(".\\/");
    if (dot == std::string_view::npos || fileName[dot] != '.')
        return {};
    return std::string(fileName.substr(dot));
}

std::string ContentTypeOfExtension(std::string_view extension) {
    static const std::string kDefault = "application/octet-stream";
    if (extension.empty() || extension == ".")
        return kDefault;
    std::string key = AsciiLower(std::string(extension));
    if (key[0] != '.')
        key.insert(0, 1, '.');
    std::string type;
    return RegReadStr(key, "Content Type", HKEY_CLASSES_ROOT, type) ? type : kDefault;
}

} // namespace quelmo
