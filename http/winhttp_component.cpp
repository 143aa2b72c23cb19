// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winhttp_component.h"

namespace quelmo {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}

TCustomWinHTTP::TCustomWinHTTP(TComponent* owner)
    : TWinLoginComponent(owner), mThread(new TWinThread(this)) {}

TCustomWinHTTP::~TCustomWinHTTP() {
    Destroying();
    delete mThread; // stops a running worker at once
}

bool TCustomWinHTTP::BeginPrepareUpload() {
    if (mBusy)
        return false;
    mBusy = true;
    mTransferRate = -1.0f;
    mStartOffset = 0;
    mEndOffset = 0;
    mUploadBody = std::make_unique<TWinHTTPUploadStream>();
    mMultipartHeader = mUploadBody->MultipartHeader();
    return true;
}

void TCustomWinHTTP::UploadStream(const std::string& name, QIODevice* stream,
                                  const std::string& fileName) {
    if (!mUploadBody)
        return;
    mUploadBody->WritePartHeader(name, fileName);
    if (stream && stream->isReadable()) {
        if (!stream->isSequential())
            stream->seek(0);
        const QByteArray bytes = stream->readAll();
        mUploadBody->Write(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    mUploadBody->Write(kCrLf);
}

void TCustomWinHTTP::UploadString(const std::string& name, const std::string& value) {
    if (!mUploadBody)
        return;
    mUploadBody->WritePartHeader(name, {});
    mUploadBody->Write(value);
    mUploadBody->Write(kCrLf);
}

void TCustomWinHTTP::UploadInteger(const std::string& name, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                           static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 24) & 0xFF)};
    UploadString(name, std::string(bytes, sizeof bytes));
}

void TCustomWinHTTP::UploadBoolean(const std::string& name, bool value) {
    UploadInteger(name, value ? 1 : 0);
}

void TCustomWinHTTP::UploadPicture(const std::string& name, const QImage& picture,
                                   const std::string& fileName) {
    QBuffer png;
    png.open(QIODevice::ReadWrite);
    picture.save(&png, "PNG");
    UploadStream(name, &png, fileName);
}

bool TCustomWinHTTP::EndPrepareUpload() {
    if (!mUploadBody)
        return false;
    mUploadBody->WriteClosingSeparator();
    mPOSTMethod = pmMultipartFormData;
    return StartWorker(false);
}

bool TCustomWinHTTP::Upload(unsigned short fileCount) {
    if (!OnUploadFieldRequest || !BeginPrepareUpload())
        return false;
    try {
        QBuffer scratch;
        std::string fieldName, fileName;
        for (unsigned short index = 0; index < fileCount; ++index) {
            fieldName.clear();
            fileName.clear();
            scratch.close();
            scratch.setData(QByteArray());
            scratch.open(QIODevice::ReadWrite);
            OnUploadFieldRequest(this, index, scratch, fieldName, fileName);
            mUploadBody->WritePartHeader(fieldName, fileName);
            const QByteArray& bytes = scratch.data();
            mUploadBody->Write(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            mUploadBody->Write(kCrLf);
        }
    } catch (...) {
        EndPrepareUpload();
        throw;
    }
    EndPrepareUpload();
    return true;
}

bool TCustomWinHTTP::StartWorker(bool wait) {
    const bool waitThread = mThread->WaitThread;
    if (wait)
        mThread->WaitThread = true;
    const auto alive = AliveToken();
    const bool started = mThread->Execute();
    if (!alive.expired())
        mThread->WaitThread = waitThread;
    return started;
}

} // namespace quelmo
