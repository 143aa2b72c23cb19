// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/xdg_folders.h"

#include "platform/user_folders.h"

#include <cstdlib>
#include <sstream>

namespace quelmo {

namespace {

// Without trailing separators, so that names joined to it stay in their plain form.
std::string Folder(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string AbsoluteEnv(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? Folder(value) : std::string();
}

} // namespace

std::string UserConfigFolder() {
    const std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
    if (!config.empty())
        return config;
    std::string home = AbsoluteEnv("HOME");
    if (home.empty())
        home = Folder(platform::HomeFolderOfUser());
    return home.empty() || home[0] != '/' ? std::string() : home + "/.config";
}

std::vector<std::string> SystemConfigFolders() {
    std::vector<std::string> folders;
    if (const char* value = std::getenv("XDG_CONFIG_DIRS")) {
        std::istringstream entries(value);
        for (std::string entry; std::getline(entries, entry, ':');)
            if (!entry.empty() && entry[0] == '/')
                folders.push_back(Folder(entry));
    }
    if (folders.empty())
        folders.emplace_back("/etc/xdg");
    return folders;
}

} // namespace quelmo
