#pragma once
// The program's own location, stored-name rules and small file utilities.

#include <cstdint>
#include <string>

class QWidget;

namespace quelmo {

extern std::string ExePath, ProgramFolder, ProgramDrive, ProgramFolderName;

// Works the four names out from the running executable, or from the path a test has set.
void InitProgramPaths();
void SetProgramPathForTesting(std::string exePath);

// The shorter of the relative and absolute forms of a path (stored-name form).
std::string ShortPath(const std::string& path);

// The open-file dialog; the chosen full name, or the current one resolved when cancelled.
std::string BrowseForFile(QWidget* owner, const std::string& fallbackFolder,
                          const std::string& currentName, const std::string& filter,
                          const std::string& defaultExtension);

// Volume serial of the drive root; here the root file system's id, FFFFFFFF on failure.
std::uint32_t VolumeSerial(const std::string& root);

} // namespace quelmo
