// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace quelmo::platform {

std::string HomeFolderOfUser() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

bool CreatePrivateFolder(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0700) == 0;
}

} // namespace quelmo::platform
