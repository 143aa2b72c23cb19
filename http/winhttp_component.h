// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTTP transfer component: so far its multipart uploads, its worker and the state they
// share with the transfer.

#include "http/winhttp_login.h"
#include "http/winhttp_upload.h"
#include "http/winthread.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace quelmo {

enum TWinHTTPPOSTMethod { pmFormURLEncoded, pmMultipartFormData };

// Asks for part number fileIndex of an upload: the handler writes its bytes into uploadStream
// and sets the field name and, for a file, the file name.
using TWinHTTPUploadFieldRequest =
    std::function<void(TComponent* sender, unsigned short fileIndex, QBuffer& uploadStream,
                       std::string& fieldName, std::string& fileName)>;

class TCustomWinHTTP : public TWinLoginComponent {
public:
    explicit TCustomWinHTTP(TComponent* owner = nullptr);
    ~TCustomWinHTTP() override;

    // False while a transfer is busy. Otherwise marks it busy and starts a fresh body with
    // a new boundary and the header line that announces it.
    bool BeginPrepareUpload();
    // One part each; they do nothing unless an upload is being prepared.
    void UploadStream(const std::string& name, QIODevice* stream, const std::string& fileName);
    void UploadString(const std::string& name, const std::string& value);
    // The four bytes of the value, least significant first.
    void UploadInteger(const std::string& name, int value);
    void UploadBoolean(const std::string& name, bool value);
    // The picture as PNG.
    void UploadPicture(const std::string& name, const QImage& picture, const std::string& fileName);
    // Closes the body and starts the transfer; what the start returns.
    bool EndPrepareUpload();
    // Builds a body of fileCount parts from OnUploadFieldRequest and sends it. False without a
    // handler or while busy. The body is closed and sent also when a handler throws.
    bool Upload(unsigned short fileCount);

    TWinHTTPUploadFieldRequest OnUploadFieldRequest;

    bool Busy() const { return mBusy; }
    TWinHTTPPOSTMethod POSTMethod() const { return mPOSTMethod; }
    float TransferRate() const { return mTransferRate; }
    std::uint32_t StartOffset() const { return mStartOffset; }
    std::uint32_t EndOffset() const { return mEndOffset; }
    // The Content-Type line of the prepared body.
    const std::string& MultipartHeader() const { return mMultipartHeader; }
    // The body being prepared or sent; null when there is none.
    const TWinHTTPUploadStream* UploadBody() const { return mUploadBody.get(); }
    TCustomWinThread& Thread() const { return *mThread; }

protected:
    // Starts the worker; with `wait` the call waits for it even when WaitThread is off.
    bool StartWorker(bool wait);

private:
    TCustomWinThread* mThread; // owned as a component
    std::unique_ptr<TWinHTTPUploadStream> mUploadBody;
    std::string mMultipartHeader;
    TWinHTTPPOSTMethod mPOSTMethod = pmFormURLEncoded;
    float mTransferRate = -1.0f;
    std::uint32_t mStartOffset = 0;
    std::uint32_t mEndOffset = 0;
    bool mBusy = false;
};

} // namespace quelmo
