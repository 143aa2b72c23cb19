// Stored-name rules. The program's folder is a mount-point-relative notion here: a name is
// stored relative only while it lies on the program's own file system, so that the stored
// form survives moving or sharing the folder.
#include "config/paths.h"
#include "config/files_folder.h"
#include "power/ascii_case.h"

#include "platform/fs_mounts.h"
#include "platform/fs_volume.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace quelmo {

namespace {

struct ProgramPaths {
    std::string exePath, folder, drive, folderName, fileOsPath;
};
ProgramPaths gPaths;
std::string gTestExePath;

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Mount point of the file system holding a full path, in stored form with a trailing
// backslash; empty for a network file system or when the mount table cannot be read.
std::string DriveOf(const std::string& fullPath) {
    const platform::MountEntry mount = platform::MountOf(OsPath(fullPath));
    if (mount.mountPoint.empty() || platform::IsNetworkFileSystem(mount.type))
        return {};
    std::string drive = ToBackslashes(mount.mountPoint);
    if (drive.back() != '\\')
        drive += '\\';
    return drive;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find('\\', start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

void SetProgramPathForTesting(std::string exePath) {
    gTestExePath = std::move(exePath);
}

const std::string& ProgramFileOsPath() {
    return gPaths.fileOsPath;
}
const std::string& ExePath() {
    return gPaths.exePath;
}
const std::string& ProgramFolder() {
    return gPaths.folder;
}
const std::string& ProgramDrive() {
    return gPaths.drive;
}
const std::string& ProgramFolderName() {
    return gPaths.folderName;
}

void InitProgramPaths() {
    std::string exe = gTestExePath.empty() ? platform::ExecutablePath() : gTestExePath;
    if (exe.empty()) {
        // No /proc: the working folder is the best guess at where the program's files are.
        std::error_code error;
        exe = (std::filesystem::current_path(error) / "quelmo").string();
    }
    ProgramPaths paths;
    paths.fileOsPath = exe;
    paths.exePath = ToBackslashes(exe);
    // The folder of the program's files: beside it, or the user's own for an installed copy.
    const auto slash = exe.find_last_of('/');
    const std::string folder = ToBackslashes(
        FilesFolderFor(slash == std::string::npos ? std::string() : exe.substr(0, slash)));
    paths.drive = DriveOf(folder.empty() ? std::string("\\") : folder);
    const auto nameStart = folder.find_last_of('\\');
    paths.folderName =
        (nameStart == std::string::npos ? folder : folder.substr(nameStart + 1)) + '\\';
    paths.folder = folder + '\\';
    gPaths = std::move(paths);
}

std::string ToBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string OsPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string MakeAbsolute(const std::string& name) {
    if (name.size() > kMaxPathLength)
        return {};
    std::string rest = ToBackslashes(name);
    if (!rest.empty() && rest[0] == '\\')
        return rest;
    std::string base = ProgramFolder();
    if (!base.empty() && base.back() == '\\')
        base.pop_back();
    if (StartsWith(rest, ".\\"))
        rest.erase(0, 2);
    while (StartsWith(rest, "..\\")) {
        rest.erase(0, 3);
        const auto cut = base.find_last_of('\\');
        if (cut != std::string::npos)
            base.erase(cut);
    }
    return base + '\\' + rest;
}

bool OnProgramDrive(const std::string& fullPath) {
    return !ProgramDrive().empty() && !fullPath.empty() && fullPath[0] == '\\' &&
           DriveOf(fullPath) == ProgramDrive();
}

std::string MakeRelative(const std::string& path) {
    const std::string full = ToBackslashes(path);
    if (!OnProgramDrive(full))
        return full;
    std::string folderText = ProgramFolder().substr(1);
    if (!folderText.empty() && folderText.back() == '\\')
        folderText.pop_back();
    const std::vector<std::string> folder =
        folderText.empty() ? std::vector<std::string>{} : Split(folderText);
    const std::vector<std::string> target = Split(full.substr(1));
    std::size_t common = 0;
    while (common < folder.size() && common + 1 < target.size() && folder[common] == target[common])
        ++common;
    std::string relative;
    for (std::size_t i = common; i < folder.size(); ++i)
        relative += "..\\";
    for (std::size_t i = common; i < target.size(); ++i) {
        relative += target[i];
        if (i + 1 < target.size())
            relative += '\\';
    }
    // A subfolder named like the program's folder stays in the name: taking that element off,
    // as the stored form once did, would name another file.
    return relative;
}

std::string ShortPath(const std::string& path) {
    if (path.empty())
        return {};
    const std::string rel = MakeRelative(ToBackslashes(path));
    const std::string abs = MakeAbsolute(rel);
    // A name too long to resolve keeps its relative form rather than becoming empty.
    if (!abs.empty() && abs.size() < rel.size())
        return abs;
    return rel.empty() ? abs : rel;
}

std::string FileNameOf(const std::string& path) {
    const std::string p = ToBackslashes(path);
    const auto slash = p.find_last_of('\\');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return {};
    // The root keeps its separator: it is the folder of "\x.db".
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool IsZipName(const std::string& name) {
    if (name.size() < 4)
        return false;
    return AsciiLower(name.substr(name.size() - 4)) == ".zip";
}

std::string ExtensionOf(const std::string& name) {
    const std::size_t length = name.size();
    const std::size_t span = IsZipName(name) ? 8 : 4;
    if (length <= 4 || length <= span)
        return {};
    for (std::size_t i = length - span - 1; i < length - 1; ++i) {
        if (name[i] == '.')
            return AsciiLower(name.substr(i));
    }
    return {};
}

std::uint32_t VolumeSerial(const std::string& root) {
    const std::string folder = root.empty() ? std::string("/") : OsPath(root);
    return platform::FileSystemId(folder).value_or(0xFFFFFFFFu);
}

} // namespace quelmo
