// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the system bus is: DBUS_SYSTEM_BUS_ADDRESS, read each time (tests point it at a
// private bus), else the standard socket.

#include <QString>

#include <cstdlib>

namespace quelmo::platform {

inline QString SystemBusAddress() {
    if (const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS"); address && *address)
        return QString::fromLocal8Bit(address);
    return QStringLiteral("unix:path=/var/run/dbus/system_bus_socket");
}

} // namespace quelmo::platform
