#pragma once
// The program's own location and the rules between stored names and full paths.
//
// Names are handled in stored form: backslash separators, an absolute path beginning with a
// backslash (the root "/"). A forward slash in any input counts as a backslash. Letter case
// is kept everywhere: the file system's names are case-sensitive. OsPath gives the form the
// operating system takes.

#include <cstdint>
#include <string>

class QWidget;

namespace quelmo {

// Where the program and its files are, worked out once at start-up (InitProgramPaths) from the
// running executable, or from the path a test has set.
// ExePath: the running program's full path. ProgramFolder: the folder of its files with a
// trailing backslash: the program's own folder, or the user's for an installed program
// (config/files_folder.h). ProgramDrive: the mount point of the file system holding it, with a
// trailing backslash, empty when that is a network file system. ProgramFolderName: the last
// element of ProgramFolder, with a trailing backslash.
const std::string& ExePath();
const std::string& ProgramFolder();
const std::string& ProgramDrive();
const std::string& ProgramFolderName();

void InitProgramPaths();
// An empty path returns to the running executable.
void SetProgramPathForTesting(std::string exePath);
// ExePath as the operating system names it (a backslash in it stays a backslash).
const std::string& ProgramFileOsPath();

// Stored names and full paths are at most this long; MakeAbsolute refuses longer input.
inline constexpr std::size_t kMaxPathLength = 255;

std::string ToBackslashes(std::string path);
// The same path with "/" separators, for the operating system.
std::string OsPath(std::string path);

// A stored name resolved against ProgramFolder ("." and ".." prefixes taken off); absolute
// names are returned unchanged. Empty for names of 256 characters or more.
std::string MakeAbsolute(const std::string& name);
// A full path relative to ProgramFolder when it lies on the program's file system, else
// unchanged.
std::string MakeRelative(const std::string& path);
// The shorter of the relative and absolute forms: what settings store.
std::string ShortPath(const std::string& path);

// The file system of a full path is the program's (never when ProgramDrive is empty).
bool OnProgramDrive(const std::string& fullPath);

// The text after the last separator.
std::string FileNameOf(const std::string& path);
// The path without its file name and the separator before it; empty without a separator.
std::string FolderOf(const std::string& path);
// Ends in ".zip" in any letter case.
bool IsZipName(const std::string& name);
// ".db", ".db.zip" …, lower-case; empty when the name's tail holds no dot.
std::string ExtensionOf(const std::string& name);

// The open-file dialog; the chosen full name, or the current one resolved when cancelled.
std::string BrowseForFile(QWidget* owner, const std::string& fallbackFolder,
                          const std::string& currentName, const std::string& filter,
                          const std::string& defaultExtension);

// Volume serial of the drive root; here the file system id, FFFFFFFF on failure.
std::uint32_t VolumeSerial(const std::string& root);

} // namespace quelmo
