// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multipart/form-data body of an upload, built in memory before the transfer starts.

#include <string>
#include <string_view>

namespace quelmo {

class TWinHTTPUploadStream {
public:
    // The boundary is made from the current local date and time as the locale writes them.
    TWinHTTPUploadStream();
    explicit TWinHTTPUploadStream(std::string boundary);

    const std::string& Boundary() const { return mBoundary; }
    // "--" and the boundary.
    const std::string& Separator() const { return mSeparator; }
    // The request header that announces the body.
    std::string MultipartHeader() const;

    // At the end of the body: the separator, the disposition line with the field name and,
    // when fileName is not empty, the file name and the content type of its extension.
    void WritePartHeader(std::string_view name, std::string_view fileName);
    void Write(std::string_view bytes);
    // The separator, "--" and CR LF.
    void WriteClosingSeparator();

    const std::string& Bytes() const { return mBytes; }
    std::size_t Size() const { return mBytes.size(); }

private:
    std::string mBoundary;
    std::string mSeparator;
    std::string mBytes;
};

// "---ATTACH-BOUNDARY-0-" + Base64 of the local date and time as the locale writes them + "---".
std::string MakeUploadBoundary();

// The extension of a file name, from its last "." after the last "/" or "\", the "."
// included; empty when there is none.
std::string ExtractFileExt(std::string_view fileName);
// The media type of an extension, "application/octet-stream" when there is none or it is
// not known.
std::string ContentTypeOfExtension(std::string_view extension);

} // namespace quelmo
