#pragma once
// A report written where a web server or node_exporter reads it: into a temporary file
// beside it, then renamed over it, so that no reader ever finds it half written.

#include <QString>

#include <string>

namespace quelmo::fleet {

// Readable by all (0644, whatever the umask): a web server and a collector running as other
// users read it. False when it could not be written; the old file is then left as it was.
bool WriteFileAtomically(const QString& path, const std::string& bytes);

} // namespace quelmo::fleet
