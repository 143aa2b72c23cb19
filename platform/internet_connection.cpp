// SPDX-License-Identifier: GPL-3.0-or-later
// Servers of the HTTP client and the session's notices: free of the library, so that a stand-in
// for the layer's transfers shares them.
#include "platform/internet.h"

namespace quelmo::platform {

void InternetSession::Notify(int status, const std::string& info) const {
    if (mCallback)
        mCallback(status, info);
}

HttpConnection::HttpConnection(InternetSession& session, std::string host, unsigned port,
                               std::string user, std::string password)
    : mSession(session), mHost(std::move(host)), mPort(port), mUser(std::move(user)),
      mPassword(std::move(password)) {}

std::unique_ptr<HttpConnection> HttpConnection::Open(InternetSession& session, std::string host,
                                                     unsigned port, std::string user,
                                                     std::string password) {
    if (!session.Valid() || host.empty() || port == 0 || port > 65535)
        return nullptr;
    return std::unique_ptr<HttpConnection>(
        new HttpConnection(session, std::move(host), port, std::move(user), std::move(password)));
}

} // namespace quelmo::platform
