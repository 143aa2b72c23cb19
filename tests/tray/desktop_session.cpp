// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/tray/desktop_session.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quelmo::test {

namespace {
std::optional<std::string> gMissing;
std::string gBusAddress;

// Starts `argv` with its standard output on a pipe and returns the first line it prints; the
// child dies with this process.
std::string SpawnAndReadLine(const std::vector<const char*>& argv, pid_t& pid) {
    int out[2];
    if (::pipe(out) != 0)
        return {};
    pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(out[1], STDOUT_FILENO);
        if (const int null = ::open("/dev/null", O_WRONLY); null >= 0)
            ::dup2(null, STDERR_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        std::vector<char*> args;
        for (const char* a : argv)
            args.push_back(const_cast<char*>(a));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string line;
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    ::close(out[0]);
    return line;
}

void Stop(pid_t pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}
} // namespace

DesktopSession::DesktopSession() {
    for (const char* tool : {"Xvfb", "dbus-daemon"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            gMissing = std::string(tool) + " is not installed (Debian packages xvfb, dbus-daemon)";
            return;
        }
    }
    // -displayfd picks a free display and prints its number.
    const std::string display = SpawnAndReadLine(
        {"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"}, mXvfb);
    gBusAddress =
        SpawnAndReadLine({"dbus-daemon", "--session", "--nofork", "--print-address=1"}, mBus);
    if (display.empty() || gBusAddress.empty()) {
        gMissing = "Xvfb or dbus-daemon did not start";
        return;
    }
    setenv("DISPLAY", (":" + display).c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", gBusAddress.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
}

DesktopSession::~DesktopSession() {
    Stop(mBus);
    Stop(mXvfb);
}

const std::optional<std::string>& DesktopSession::Missing() {
    return gMissing;
}
const std::string& DesktopSession::BusAddress() {
    return gBusAddress;
}

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

bool MockCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                       QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 10000).type() ==
           QDBusMessage::ReplyMessage;
}
} // namespace

SniWatcherMock::SniWatcherMock() : mProcess(std::make_unique<QProcess>()) {
    mProcess->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    mProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mProcess->setStandardOutputFile(QProcess::nullDevice());
    mProcess->start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
                     kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                     QStringLiteral("-l"), mDir.filePath(QStringLiteral("calls.log"))});
    if (!mProcess->waitForStarted(10000))
        return;
    QElapsedTimer waited;
    waited.start();
    auto* bus = QDBusConnection::sessionBus().interface();
    while (!bus->isServiceRegistered(kWatcher)) {
        if (waited.elapsed() > 30000 || mProcess->state() == QProcess::NotRunning)
            return;
        QThread::msleep(50);
    }
    mOk = MockCall(QStringLiteral("AddProperty"),
                   {kWatcher, QStringLiteral("IsStatusNotifierHostRegistered"),
                    QVariant::fromValue(QDBusVariant(true))}) &&
          MockCall(QStringLiteral("AddMethod"),
                   {kWatcher, QStringLiteral("RegisterStatusNotifierItem"), QStringLiteral("s"),
                    QString(), QString()});
}

SniWatcherMock::~SniWatcherMock() {
    mProcess->terminate();
    if (!mProcess->waitForFinished(5000)) {
        mProcess->kill();
        mProcess->waitForFinished(5000);
    }
}

std::vector<std::string> SniWatcherMock::Registered() const {
    std::vector<std::string> services;
    QFile log(mDir.filePath(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly))
        return services;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const qsizetype at = line.indexOf("RegisterStatusNotifierItem ");
        if (at >= 0)
            services.push_back(line.mid(at + 27).replace('"', "").trimmed().toStdString());
    }
    return services;
}

} // namespace quelmo::test
