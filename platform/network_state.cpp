// SPDX-License-Identifier: GPL-3.0-or-later
// NetworkManager's switch for all networking, as the "offline by the user's choice" state.
#include "platform/internet.h"
#include "platform/system_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace quelmo::platform {

bool NetworkingDisabled() {
    QString name;
    bool disabled = false;
    {
        QDBusConnection bus = ConnectSystemBus(QStringLiteral("quelmo-network-state"), {}, name);
        if (bus.isConnected()) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.NetworkManager"),
                QStringLiteral("/org/freedesktop/NetworkManager"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            get << QStringLiteral("org.freedesktop.NetworkManager")
                << QStringLiteral("NetworkingEnabled");
            const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
                disabled = value.typeId() == QMetaType::Bool && !value.toBool();
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return disabled;
}

bool GoOnline() {
    // As long as the person may take to answer the authorization agent.
    constexpr int kAnswerWaitMs = 120000;
    QString name;
    bool done = false;
    {
        QDBusConnection bus = ConnectSystemBus(QStringLiteral("quelmo-go-online"), {}, name);
        if (bus.isConnected()) {
            QDBusMessage enable = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.NetworkManager"),
                QStringLiteral("/org/freedesktop/NetworkManager"),
                QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("Enable"));
            enable << true;
            enable.setInteractiveAuthorizationAllowed(true);
            done =
                bus.call(enable, QDBus::Block, kAnswerWaitMs).type() == QDBusMessage::ReplyMessage;
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return done;
}

} // namespace quelmo::platform
