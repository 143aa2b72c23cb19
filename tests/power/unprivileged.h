#pragma once
// Running a program as the unprivileged user nobody (the tests run as root), through setpriv.

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <string>

namespace quelmo::test {

// setpriv's command line for nobody (uid and gid 65534, no other groups), keeping
// CAP_WAKE_ALARM as an ambient capability where `wakeCapability` says so; the program and its
// arguments follow.
QStringList AsNobody(bool wakeCapability);
// Why nobody cannot run `program` here (this process is not root, setpriv is missing, the
// program lies out of nobody's reach), or nothing.
std::optional<std::string> NobodyCannotRun(const QString& program);

struct Ran {
    int exitCode = -1; // −1: not started, crashed or hung
    QByteArray output; // standard output
};
// Runs the command (program first) with `environment` ("NAME=value") added to this process's.
Ran RunCommand(const QStringList& command, const QStringList& environment = {});

} // namespace quelmo::test
