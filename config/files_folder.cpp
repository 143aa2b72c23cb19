// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/files_folder.h"

#include "config/file_utils.h"
#include "config/paths.h"
#include "platform/fs_files.h"
#include "platform/user_folders.h"
#include "power/ascii_case.h"
#include "registry/xdg_folders.h"

#include <filesystem>
#include <vector>

#ifndef QUELMO_DATA_FROM_BIN
#define QUELMO_DATA_FROM_BIN "../share/quelmo"
#endif

namespace quelmo {

namespace {

const char* const kSettingsFile = "Quelmo.ini";

// Creates the folders of `path` on the way, each readable by its owner only as the desktop's
// configuration folders should be; true only when the last one was created by this call.
bool CreatedFolder(const std::string& path) {
    for (std::size_t i = path.find('/', 1); i != std::string::npos; i = path.find('/', i + 1))
        if (!platform::IsFolder(path.substr(0, i)))
            platform::CreatePrivateFolder(path.substr(0, i));
    return platform::CreatePrivateFolder(path);
}

// The first system configuration folder that holds quelmo/Quelmo.ini, or empty.
std::string MachineDefaultsFolder() {
    for (const std::string& folder : SystemConfigFolders()) {
        const std::string candidate = folder + "/quelmo";
        if (platform::IsRegularFile(candidate + "/" + kSettingsFile))
            return candidate;
    }
    return {};
}

void CopyInto(const std::string& from, const std::string& to, const std::string& name) {
    CopyFileContents(ToBackslashes(from + "/" + name), ToBackslashes(to + "/" + name));
}

// The settings file comes last: the databases it may name are in place before it is.
void Seed(const std::string& folder) {
    const std::string defaults = MachineDefaultsFolder();
    if (defaults.empty())
        return;
    std::error_code error;
    std::vector<std::string> databases;
    for (const auto& entry : std::filesystem::directory_iterator(defaults, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 3 && AsciiLower(name).ends_with(".db") &&
            platform::IsRegularFile(defaults + "/" + name))
            databases.push_back(name);
    }
    for (const std::string& name : databases)
        CopyInto(defaults, folder, name);
    CopyInto(defaults, folder, kSettingsFile);
}

} // namespace

std::string FilesFolderFor(const std::string& exeFolder) {
    if (platform::IsRegularFile(exeFolder + "/" + kSettingsFile))
        return exeFolder;
    const std::string config = UserConfigFolder();
    // Without any home folder there is no other place than the program's own.
    if (config.empty())
        return exeFolder;
    const std::string folder = config + "/quelmo";
    if (!platform::IsFolder(folder) && CreatedFolder(folder))
        Seed(folder);
    return folder;
}

std::string HelpFolderFor(const std::string& exeFolder) {
    const std::string beside = exeFolder + "/help";
    const std::string installed = exeFolder + "/" QUELMO_DATA_FROM_BIN "/help";
    if (!platform::IsFolder(beside) && platform::IsFolder(installed))
        return std::filesystem::path(installed).lexically_normal().string();
    return beside;
}

} // namespace quelmo
