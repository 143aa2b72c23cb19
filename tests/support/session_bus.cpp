#include "tests/support/session_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
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
std::string gAddress;
} // namespace

PrivateSessionBus::PrivateSessionBus() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
        gMissing = "dbus-daemon is not installed (Debian package dbus-daemon)";
        return;
    }
    int out[2];
    if (::pipe(out) != 0)
        return;
    mPid = ::fork();
    if (mPid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--print-address=1",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        gAddress += c;
    ::close(out[0]);
    if (gAddress.empty()) {
        gMissing = "dbus-daemon did not start";
        return;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", gAddress.c_str(), 1);
}

PrivateSessionBus::~PrivateSessionBus() {
    if (mPid <= 0)
        return;
    ::kill(mPid, SIGTERM);
    ::waitpid(mPid, nullptr, 0);
}

const std::optional<std::string>& PrivateSessionBus::Missing() {
    return gMissing;
}

const std::string& PrivateSessionBus::Address() {
    return gAddress;
}

DbusMockService::DbusMockService(const QString& templateName, const QString& busName)
    : mProcess(std::make_unique<QProcess>()) {
    mProcess->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    mProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mProcess->setStandardOutputFile(QProcess::nullDevice());
    mProcess->start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
                     QStringLiteral("--template"), templateName, QStringLiteral("-l"),
                     mDir.filePath(QStringLiteral("calls.log"))});
    if (!mProcess->waitForStarted(10000))
        return;
    QElapsedTimer waited;
    waited.start();
    auto* bus = QDBusConnection::sessionBus().interface();
    while (!bus->isServiceRegistered(busName)) {
        if (waited.elapsed() > 30000 || mProcess->state() == QProcess::NotRunning)
            return;
        QThread::msleep(50);
    }
    mOk = true;
}

DbusMockService::~DbusMockService() {
    mProcess->terminate();
    if (!mProcess->waitForFinished(5000)) {
        mProcess->kill();
        mProcess->waitForFinished(5000);
    }
}

std::vector<std::string> DbusMockService::Calls(const std::string& method) const {
    std::vector<std::string> calls;
    QFile log(mDir.filePath(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly))
        return calls;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray call = blank > 0 ? line.mid(blank + 1) : QByteArray();
        if (call.startsWith(QByteArray::fromStdString(method + " ")) ||
            call == QByteArray::fromStdString(method))
            calls.push_back(call.toStdString());
    }
    return calls;
}

} // namespace quelmo::test
