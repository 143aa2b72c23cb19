#include "tests/power/logind_mock.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>

namespace quelmo::test {

namespace {
constexpr const char* kPython = "/usr/bin/python3";
const QString kLogin1 = QStringLiteral("org.freedesktop.login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

// Children die with the test, even when it crashes.
std::unique_ptr<QProcess> MakeChild() {
    auto process = std::make_unique<QProcess>();
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    return process;
}

// A Python string literal of the text.
std::string PythonText(const std::string& text) {
    std::string literal = "'";
    for (const char c : text) {
        if (c == '\\' || c == '\'')
            literal += '\\';
        literal += c;
    }
    return literal + "'";
}

void Stop(std::unique_ptr<QProcess>& process) {
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(5000)) {
        process->kill();
        process->waitForFinished(5000);
    }
}
} // namespace

std::optional<std::string> LogindMock::MissingTools() {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return "dbus-daemon is not installed (Debian package dbus-daemon)";
    QProcess probe;
    probe.start(QString::fromLatin1(kPython),
                {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
    if (!probe.waitForFinished(20000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return "python-dbusmock is not installed (Debian package python3-dbusmock)";
    return std::nullopt;
}

LogindMock::LogindMock(Setup setup) : mSetup(setup) {
    static int serial = 0;
    mBus = MakeChild();
    mBus->start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    if (!mBus->waitForStarted(10000)) {
        mFailure = "dbus-daemon did not start";
        return;
    }
    QByteArray line;
    QElapsedTimer waited;
    waited.start();
    while (!line.contains('\n') && waited.elapsed() < 10000) {
        mBus->waitForReadyRead(200);
        line += mBus->readAllStandardOutput();
    }
    mAddress = line.trimmed().toStdString();
    if (mAddress.empty()) {
        mFailure = "dbus-daemon printed no address";
        return;
    }
    mControl = QStringLiteral("logind-mock-control-%1").arg(++serial);
    if (!QDBusConnection::connectToBus(QString::fromStdString(mAddress), mControl).isConnected()) {
        mFailure = "cannot connect to the private bus";
        return;
    }
    if (setup != Setup::BusOnly && !StartLogind())
        return;
    if (setup == Setup::Logind && !Reset())
        mFailure = "cannot add the shutdown methods to the mock";
}

LogindMock::~LogindMock() {
    if (!mControl.isEmpty())
        QDBusConnection::disconnectFromBus(mControl);
    Stop(mLogind);
    Stop(mBus);
}

bool LogindMock::StartLogind() {
    mLogind = MakeChild();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QString::fromStdString(mAddress));
    mLogind->setProcessEnvironment(environment);
    mLogind->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mLogind->setStandardOutputFile(QProcess::nullDevice());
    mLogind->start(QString::fromLatin1(kPython),
                   {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                    QStringLiteral("--template"), QStringLiteral("logind"), QStringLiteral("-l"),
                    mDir.filePath(QStringLiteral("calls.log"))});
    if (!mLogind->waitForStarted(10000)) {
        mFailure = "the logind mock did not start";
        return false;
    }
    QDBusConnection bus(mControl);
    QElapsedTimer waited;
    waited.start();
    while (!bus.interface()->isServiceRegistered(kLogin1)) {
        if (waited.elapsed() > 30000 || mLogind->state() == QProcess::NotRunning) {
            mFailure = "login1 did not appear on the bus";
            return false;
        }
        QThread::msleep(50);
    }
    // logind's property, which the template lacks.
    if (!MockCall(QStringLiteral("AddProperty"), {kManager, QStringLiteral("BlockInhibited"),
                                                  QVariant::fromValue(QDBusVariant(QString()))})) {
        mFailure = "cannot add BlockInhibited to the mock";
        return false;
    }
    return true;
}

bool LogindMock::MockCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogin1, QStringLiteral("/org/freedesktop/login1"),
                                       QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    return QDBusConnection(mControl).call(call, QDBus::Block, 10000).type() ==
           QDBusMessage::ReplyMessage;
}

bool LogindMock::AddMethod(const std::string& name, const std::string& inSignature,
                           const std::string& outSignature, const std::string& code) {
    return MockCall(QStringLiteral("AddMethod"),
                    {kManager, QString::fromStdString(name), QString::fromStdString(inSignature),
                     QString::fromStdString(outSignature), QString::fromStdString(code)});
}

bool LogindMock::Answer(const std::string& method, const std::string& text) {
    return AddMethod(method, "", "s", "ret = '" + text + "'");
}

bool LogindMock::Fail(const std::string& method, const std::string& inSignature,
                      const std::string& outSignature) {
    return AddMethod(method, inSignature, outSignature,
                     "raise dbus.exceptions.DBusException('refused by the test', "
                     "name='org.freedesktop.DBus.Error.AccessDenied')");
}

bool LogindMock::AuthorizeAfter(const std::string& method, const std::string& inSignature,
                                double seconds) {
    // The flag travels in the message header, which only dbus-python's dispatcher (a caller
    // of the mock's method) holds.
    const std::string code =
        "import sys\n"
        "frame = sys._getframe()\n"
        "while frame and not hasattr(frame.f_locals.get('message'), "
        "'get_allow_interactive_authorization'):\n"
        "    frame = frame.f_back\n"
        "if not frame or not frame.f_locals['message'].get_allow_interactive_authorization():\n"
        "    raise dbus.exceptions.DBusException('polkit needs to ask', "
        "name='org.freedesktop.DBus.Error.InteractiveAuthorizationRequired')\n"
        "time.sleep(" +
        std::to_string(seconds) + ")\n";
    return AddMethod(method, inSignature, "", code);
}

bool LogindMock::Refuse(const std::string& method, const std::string& errorName,
                        const std::string& message) {
    const std::string in = method == "ScheduleShutdown" ? "st" : "b";
    return AddMethod(method, in, "",
                     "raise dbus.exceptions.DBusException(" + PythonText(message) +
                         ", name=" + PythonText(errorName) + ")");
}

bool LogindMock::SetInhibitors(const std::vector<Lock>& locks,
                               std::optional<std::string> blockInhibited) {
    std::string listed, blocked;
    for (const Lock& lock : locks) {
        listed += "(" + PythonText(lock.what) + ", " + PythonText(lock.who) + ", " +
                  PythonText(lock.why) + ", " + PythonText(lock.mode) + ", " +
                  std::to_string(lock.uid) + ", " + std::to_string(lock.pid) + "), ";
        if (lock.mode != "block")
            continue;
        for (const QString& kind : QString::fromStdString(lock.what).split(QLatin1Char(':'))) {
            if (!QString::fromStdString(blocked).split(QLatin1Char(':')).contains(kind))
                blocked += (blocked.empty() ? "" : ":") + kind.toStdString();
        }
    }
    // The template keeps the locks taken through Inhibit in its module's `inhibitors`.
    const bool listing =
        AddMethod("ListInhibitors", "", "a(ssssuu)",
                  "ret = list(globals().get('inhibitors', [])) + [" + listed + "]");
    return listing && SetBlockInhibited(blockInhibited.value_or(blocked));
}

bool LogindMock::FailListInhibitors() {
    return AddMethod("ListInhibitors", "", "a(ssssuu)",
                     "raise dbus.exceptions.DBusException('cannot list', "
                     "name='org.freedesktop.DBus.Error.Failed')");
}

bool LogindMock::SetBlockInhibited(const std::string& kinds) {
    return MockCall(
        QStringLiteral("UpdateProperties"),
        {kManager, QVariantMap{{QStringLiteral("BlockInhibited"), QString::fromStdString(kinds)}}});
}

bool LogindMock::Reset() {
    bool ok = SetInhibitors({});
    for (const char* question : {"CanSuspend", "CanHibernate", "CanPowerOff"})
        ok = Answer(question, "yes") && ok;
    for (const char* action : {"Suspend", "Hibernate", "PowerOff"})
        ok = AddMethod(action, "b", "", "") && ok;
    if (mSetup == Setup::Logind) {
        ok = AddMethod("SetWallMessage", "sb", "", "") && ok;
        ok = AddMethod("ScheduleShutdown", "st", "", "") && ok;
        ok = AddMethod("CancelScheduledShutdown", "", "b", "ret = True") && ok;
    }
    ClearCalls();
    return ok;
}

std::vector<std::string> LogindMock::Inhibitors() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogin1, QStringLiteral("/org/freedesktop/login1"), kManager,
                                       QStringLiteral("ListInhibitors"));
    const QDBusMessage reply = QDBusConnection(mControl).call(call, QDBus::Block, 10000);
    std::vector<std::string> locks;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return locks;
    const auto list = qvariant_cast<QDBusArgument>(reply.arguments().front());
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        locks.push_back(QStringList{what, who, why, mode}.join(QLatin1Char(' ')).toStdString());
    }
    list.endArray();
    return locks;
}

bool LogindMock::EmitPrepareForSleep(bool suspending) {
    return MockCall(QStringLiteral("EmitSignal"), {kManager, QStringLiteral("PrepareForSleep"),
                                                   QStringLiteral("b"), QVariantList{suspending}});
}

std::vector<std::string> LogindMock::Calls() const {
    QFile log(mDir.filePath(QStringLiteral("calls.log")));
    std::vector<std::string> calls;
    if (!log.open(QIODevice::ReadOnly))
        return calls;
    const QByteArray text = log.readAll();
    for (const QByteArray& line : text.mid(static_cast<qsizetype>(mLogMark)).split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        if (blank > 0)
            calls.push_back(line.mid(blank + 1).toStdString());
    }
    return calls;
}

std::vector<std::string> LogindMock::CallsOf(const std::string& method) const {
    std::vector<std::string> calls;
    for (const std::string& call : Calls()) {
        // A method that raised logs a second line, which is not a second call.
        if ((call == method || call.rfind(method + " ", 0) == 0) &&
            call.rfind(method + " raised: ", 0) != 0)
            calls.push_back(call);
    }
    return calls;
}

void LogindMock::ClearCalls() {
    QFile log(mDir.filePath(QStringLiteral("calls.log")));
    mLogMark = log.exists() ? static_cast<std::size_t>(log.size()) : 0;
}

} // namespace quelmo::test
