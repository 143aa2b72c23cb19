// SPDX-License-Identifier: GPL-3.0-or-later
// NetworkManager's switch for all networking, as the "offline by the user's choice" state.
#include "platform/internet.h"
#include "platform/system_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace quelmo::platform {

namespace {
// One call to NetworkManager on a private connection of its own, closed again after the call.
QDBusMessage CallNetworkManager(const QString& connection, QDBusMessage message, int timeoutMs) {
    QString name;
    QDBusMessage reply;
    {
        QDBusConnection bus = ConnectSystemBus(connection, {}, name);
        if (bus.isConnected())
            reply = bus.call(message, QDBus::Block, timeoutMs);
    }
    QDBusConnection::disconnectFromBus(name);
    return reply;
}

QDBusMessage ManagerCall(const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.NetworkManager"),
                                          QStringLiteral("/org/freedesktop/NetworkManager"),
                                          interface, method);
}
} // namespace

bool NetworkingDisabled() {
    QDBusMessage get =
        ManagerCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.NetworkManager") << QStringLiteral("NetworkingEnabled");
    const QDBusMessage reply =
        CallNetworkManager(QStringLiteral("quelmo-network-state"), get, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
    return value.typeId() == QMetaType::Bool && !value.toBool();
}

bool GoOnline() {
    // As long as the person may take to answer the authorization agent.
    constexpr int kAnswerWaitMs = 120000;
    QDBusMessage enable =
        ManagerCall(QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("Enable"));
    enable << true;
    enable.setInteractiveAuthorizationAllowed(true);
    return CallNetworkManager(QStringLiteral("quelmo-go-online"), enable, kAnswerWaitMs).type() ==
           QDBusMessage::ReplyMessage;
}

} // namespace quelmo::platform
