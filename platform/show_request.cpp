// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/show_request.h"

#include "platform/instance_lock.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace quelmo::platform {

namespace {
const QByteArray kRequest = "show\n";
constexpr int kTimeoutMs = 1000;

QString SocketPath(const std::string& lockName) {
    return QString::fromStdString(RuntimeFilePath(lockName + ".show"));
}
} // namespace

ShowRequestListener::ShowRequestListener(const std::string& lockName, std::function<void()> onShow)
    : mServer(std::make_unique<QLocalServer>()), mOnShow(std::move(onShow)) {
    const QString path = SocketPath(lockName);
    // Whoever holds the lock owns the socket: one left by a copy that died is stale.
    QLocalServer::removeServer(path);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!mServer->listen(path))
        return;
    QObject::connect(mServer.get(), &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = mServer->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().startsWith(kRequest))
                    return;
                socket->write("ok\n");
                socket->flush();
                if (mOnShow)
                    mOnShow();
            });
        }
    });
}

ShowRequestListener::~ShowRequestListener() {
    mServer->close(); // removes the socket file
}

bool ShowRequestListener::Listening() const {
    return mServer->isListening();
}

bool RequestShow(const std::string& lockName) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath(lockName));
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kTimeoutMs) || !socket.waitForReadyRead(kTimeoutMs))
        return false;
    return socket.readAll().startsWith("ok");
}

} // namespace quelmo::platform
