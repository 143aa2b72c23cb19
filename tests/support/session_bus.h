#pragma once
// A private session bus (dbus-daemon) for the whole test program, started before the
// application object so that Qt's session bus is this one, and stopped by its pid at the end.
// Also python-dbusmock services on it.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quelmo::test {

class PrivateSessionBus {
public:
    // Starts the daemon and sets DBUS_SESSION_BUS_ADDRESS.
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Why there is no bus, or nothing.
    static const std::optional<std::string>& Missing();
    static const std::string& Address();

private:
    pid_t mPid = -1;
};

// python-dbusmock serving a template on the private session bus; every call lands in a log.
class DbusMockService {
public:
    DbusMockService(const QString& templateName, const QString& busName);
    ~DbusMockService();
    bool Ok() const { return mOk; }
    // The calls logged so far, without time stamps ("Notify \"Quelmo!\" 0 …").
    std::vector<std::string> Calls(const std::string& method) const;

private:
    QTemporaryDir mDir;
    std::unique_ptr<QProcess> mProcess;
    bool mOk = false;
};

} // namespace quelmo::test
