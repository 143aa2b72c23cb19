// SPDX-License-Identifier: GPL-3.0-or-later
// Registry values, read from what stands in for the registry on this system.
#include "http/winhttp_utils.h"
#include "power/ascii_case.h"
#include "registry/machine_registry.h"

#include <QMimeDatabase>

namespace quelmo {

namespace {

constexpr std::size_t kValueLimit = 1024; // bytes, the terminating zero included

// The shared MIME database, by file name only; nothing when it knows no type.
std::string MimeTypeOfExtension(const std::string& extension) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromUtf8("x" + extension),
                                                           QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name().toStdString() : std::string();
}

std::string ReadValue(const std::string& key, const std::string& name, unsigned root) {
    if (root == HKEY_CLASSES_ROOT && key.size() > 1 && key[0] == '.' &&
        AsciiLower(name) == "content type")
        return MimeTypeOfExtension(key);
    if (root == HKEY_LOCAL_MACHINE) {
        const std::string absent(1, '\0'); // no value of the stand-in holds a zero byte
        const std::string value = MachineRegRead(key, name, absent);
        return value == absent ? std::string() : value;
    }
    return {};
}

} // namespace

bool RegReadStr(const std::string& key, const std::string& name, unsigned root,
                std::string& value) {
    const std::string path = !key.empty() && key[0] == '\\' ? key.substr(1) : key;
    value = ReadValue(path, name, root);
    if (value.size() >= kValueLimit)
        value.clear();
    return !value.empty();
}

} // namespace quelmo
