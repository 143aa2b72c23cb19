// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions, cancellation and cookies of the HTTP client (libcurl).
#include "platform/internet_private.h"

#include <algorithm>

namespace quelmo::platform {

void InternetCancel::Cancel() {
    std::lock_guard lock(mLock);
    mCancelled.store(true, std::memory_order_release);
    for (void* multi : mWaits) // a session's handle: the library is loaded
        Curl().multi_wakeup(static_cast<CURLM*>(multi));
}

CookieJar::CookieJar() = default;

CookieJar::~CookieJar() {
    if (mShare)
        Curl().share_cleanup(static_cast<CURLSH*>(mShare));
}

void* CookieJar::Handle() {
    // Made with the first exchange that keeps cookies, not with the jar: the library is opened
    // only when the program first talks HTTP.
    std::call_once(mMade, [this] {
        const CurlLibrary* curl = LoadCurl();
        CURLSH* share = curl ? curl->share_init() : nullptr;
        if (!share)
            return;
        curl->share_setopt(share, CURLSHOPT_LOCKFUNC, &CookieJar::LockShare);
        curl->share_setopt(share, CURLSHOPT_UNLOCKFUNC, &CookieJar::UnlockShare);
        curl->share_setopt(share, CURLSHOPT_USERDATA, this);
        curl->share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        mShare = share;
    });
    return mShare;
}

void CookieJar::LockShare(void*, int data, int, void* jar) {
    static_cast<CookieJar*>(jar)->mLocks[static_cast<unsigned>(data) % 8].lock();
}

void CookieJar::UnlockShare(void*, int data, void* jar) {
    static_cast<CookieJar*>(jar)->mLocks[static_cast<unsigned>(data) % 8].unlock();
}

InternetSession::InternetSession(InternetSessionOptions options,
                                 std::shared_ptr<InternetCancel> cancel,
                                 std::shared_ptr<CookieJar> cookies)
    : mOptions(std::move(options)),
      mCancel(cancel ? std::move(cancel) : std::make_shared<InternetCancel>()),
      mCookies(std::move(cookies)) {
    const CurlLibrary* curl = LoadCurl();
    mMulti = curl ? curl->multi_init() : nullptr;
    if (!mMulti)
        return;
    std::lock_guard lock(mCancel->mLock);
    mCancel->mWaits.push_back(mMulti);
}

InternetSession::~InternetSession() {
    if (!mMulti)
        return;
    {
        std::lock_guard lock(mCancel->mLock);
        auto& waits = mCancel->mWaits;
        waits.erase(std::remove(waits.begin(), waits.end(), mMulti), waits.end());
    }
    // Closes the connections kept alive, which still report through this session.
    Curl().multi_cleanup(static_cast<CURLM*>(mMulti));
}

} // namespace quelmo::platform
