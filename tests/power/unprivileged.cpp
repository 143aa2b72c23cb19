#include "tests/power/unprivileged.h"

#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace quelmo::test {

QStringList AsNobody(bool wakeCapability) {
    QStringList command{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                        QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
    if (wakeCapability)
        command << QStringLiteral("--inh-caps=+wake_alarm")
                << QStringLiteral("--ambient-caps=+wake_alarm");
    return command;
}

std::optional<std::string> NobodyCannotRun(const QString& program) {
    if (::geteuid() != 0)
        return "the tests do not run as root";
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return "setpriv is not installed (Debian package util-linux)";
    if (RunCommand(AsNobody(false) << QStringLiteral("test") << QStringLiteral("-x") << program)
            .exitCode != 0)
        return "nobody cannot reach " + program.toStdString();
    return std::nullopt;
}

Ran RunCommand(const QStringList& command, const QStringList& environment) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment) {
        const qsizetype equals = variable.indexOf(QLatin1Char('='));
        variables.insert(variable.left(equals), variable.mid(equals + 1));
    }
    process.setProcessEnvironment(variables);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.front(), command.mid(1));
    Ran ran;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return ran;
    }
    ran.output = process.readAllStandardOutput();
    if (process.exitStatus() == QProcess::NormalExit)
        ran.exitCode = process.exitCode();
    return ran;
}

} // namespace quelmo::test
