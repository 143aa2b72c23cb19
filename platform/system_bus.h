// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the system bus is: DBUS_SYSTEM_BUS_ADDRESS, read each time (tests point it at a
// private bus), else the standard socket.

#include <QDBusConnection>
#include <QString>

#include <atomic>
#include <cstdlib>
#include <string>

namespace quelmo::platform {

inline QString SystemBusAddress() {
    if (const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS"); address && *address)
        return QString::fromLocal8Bit(address);
    return QStringLiteral("unix:path=/var/run/dbus/system_bus_socket");
}

// A connection of our own (not QDBusConnection::systemBus(), which libdbus sets up once per
// process), so that the address in force at this moment is the one used. `name` receives the
// connection's fresh name, for disconnectFromBus; an empty `address` means the system bus.
inline QDBusConnection ConnectSystemBus(const QString& prefix, const std::string& address,
                                        QString& name) {
    static std::atomic<int> serial{0};
    name = QStringLiteral("%1-%2").arg(prefix).arg(++serial);
    return QDBusConnection::connectToBus(
        address.empty() ? SystemBusAddress() : QString::fromStdString(address), name);
}

} // namespace quelmo::platform
