#include "fleet_report/output_file.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace quelmo::fleet {

bool WriteFileAtomically(const QString& path, const std::string& bytes) {
    const QFileInfo target(path);
    // A leading dot keeps the temporary file out of globs such as node_exporter's "*.prom".
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.flush())
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(file.fileName().toStdString(), path.toStdString(), error);
    if (error)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace quelmo::fleet
