// Reading a helper program's standard output line by line.
#pragma once

#include <QByteArray>
#include <QProcess>

namespace quelmo::test {

// Reads the process's output until a line holds `wanted` or `timeoutMs` passes; the lines read,
// so that a notice printed first (the time of day may bring one) is not taken for the answer.
// Empty when `wanted` never came.
QByteArray ReadUntil(QProcess& process, const QByteArray& wanted, int timeoutMs);

} // namespace quelmo::test
