// PLACEHOLDER: thin versions until the paths land.
#include "config/paths.h"

namespace quelmo {

std::string ExePath, ProgramFolder, ProgramDrive, ProgramFolderName;

namespace {
std::string gTestExePath;
}

void SetProgramPathForTesting(std::string exePath) {
    gTestExePath = std::move(exePath);
}
void InitProgramPaths() {
    ExePath = gTestExePath;
}
std::string ShortPath(const std::string& path) {
    return path;
}
std::string BrowseForFile(QWidget*, const std::string&, const std::string& currentName,
                          const std::string&, const std::string&) {
    return currentName;
}
std::uint32_t VolumeSerial(const std::string&) {
    return 0xFFFFFFFFu;
}

} // namespace quelmo
