// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file's permissions and user extended attributes say about it. Nothing here throws.

#include <optional>
#include <string>

namespace quelmo::platform {

// True when no write permission bit (owner, group or other) is set; nothing when the file's
// status cannot be read.
std::optional<bool> LacksWritePermission(const std::string& path);
// Clears every write permission bit.
bool RemoveWritePermission(const std::string& path);

enum class XattrResult {
    Ok,
    Missing,     // the file has no such attribute
    Unsupported, // the file system, or this kind of file, keeps no user attributes
    Failed,      // anything else: a missing file, no permission
};

// A user extended attribute ("user." + name) of a file, following symbolic links.
XattrResult ReadUserAttribute(const std::string& path, const std::string& name, std::string& value);
XattrResult WriteUserAttribute(const std::string& path, const std::string& name,
                               const std::string& value);
XattrResult RemoveUserAttribute(const std::string& path, const std::string& name);

} // namespace quelmo::platform
