// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_attributes.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace quelmo::platform {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

XattrResult ErrnoResult() {
    switch (errno) {
    case ENODATA:
        return XattrResult::Missing;
    // EPERM: the user namespace only admits regular files and folders.
    case ENOTSUP:
    case EPERM:
        return XattrResult::Unsupported;
    default:
        return XattrResult::Failed;
    }
}

std::string UserName(const std::string& name) {
    return "user." + name;
}

} // namespace

std::optional<bool> LacksWritePermission(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return (st.st_mode & kWriteBits) == 0;
}

bool RemoveWritePermission(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return false;
    return ::chmod(path.c_str(), (st.st_mode & 07777) & ~kWriteBits) == 0;
}

XattrResult ReadUserAttribute(const std::string& path, const std::string& name,
                              std::string& value) {
    const std::string key = UserName(name);
    for (;;) {
        const ssize_t size = ::getxattr(path.c_str(), key.c_str(), nullptr, 0);
        if (size < 0)
            return ErrnoResult();
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const ssize_t read = ::getxattr(path.c_str(), key.c_str(), buffer.data(), buffer.size());
        if (read >= 0) {
            buffer.resize(static_cast<std::size_t>(read));
            value = std::move(buffer);
            return XattrResult::Ok;
        }
        if (errno != ERANGE) // ERANGE: it grew in between; ask again
            return ErrnoResult();
    }
}

XattrResult WriteUserAttribute(const std::string& path, const std::string& name,
                               const std::string& value) {
    const std::string key = UserName(name);
    if (::setxattr(path.c_str(), key.c_str(), value.data(), value.size(), 0) == 0)
        return XattrResult::Ok;
    return ErrnoResult();
}

XattrResult RemoveUserAttribute(const std::string& path, const std::string& name) {
    const std::string key = UserName(name);
    if (::removexattr(path.c_str(), key.c_str()) == 0)
        return XattrResult::Ok;
    return ErrnoResult();
}

} // namespace quelmo::platform
