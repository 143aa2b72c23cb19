#include "tests/support/process_output.h"

#include <QDeadlineTimer>

namespace quelmo::test {

QByteArray ReadUntil(QProcess& process, const QByteArray& wanted, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray lines;
    while (!deadline.hasExpired()) {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine();
            lines += line;
            if (line.contains(wanted))
                return lines;
        }
        if (!process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    return {};
}

} // namespace quelmo::test
