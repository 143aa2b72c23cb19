// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private desktop for the tray tests: an X server (Xvfb) and a session bus, started before
// the application object so that Qt's xcb platform and session bus use them; and a
// StatusNotifierWatcher stand-in (python-dbusmock) that tests start and stop on that bus.

#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quelmo::test {

class DesktopSession {
public:
    // Starts both and sets DISPLAY, DBUS_SESSION_BUS_ADDRESS and QT_QPA_PLATFORM=xcb.
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Why the session could not be started, or nothing.
    static const std::optional<std::string>& Missing();
    static const std::string& BusAddress();

private:
    pid_t mXvfb = -1, mBus = -1;
};

class SniWatcherMock {
public:
    // Serves org.kde.StatusNotifierWatcher with a host registered; false from Ok() when it
    // could not be started.
    SniWatcherMock();
    ~SniWatcherMock();
    bool Ok() const { return mOk; }
    // The services that called RegisterStatusNotifierItem, in order.
    std::vector<std::string> Registered() const;

private:
    QTemporaryDir mDir;
    std::unique_ptr<QProcess> mProcess;
    bool mOk = false;
};

} // namespace quelmo::test
