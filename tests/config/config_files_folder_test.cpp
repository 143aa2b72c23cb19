// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its files: beside itself as a portable copy, else in the user's
// configuration folder, seeded once from the machine-wide defaults. And where its help is.
#include "config/files_folder.h"
#include "config/paths.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace quelmo::test {
namespace {

namespace fs = std::filesystem;

struct FolderRow {
    const char* name;
    bool portable;         // "Quelmo.ini" (OnPower=111) beside the program
    bool machineDefaults;  // quelmo/ of a system folder: "Quelmo.ini" (OnPower=222) and a .db
    bool userFolderExists; // the user's folder holds a "Quelmo.ini" (OnPower=333) already
    bool homeUnwritable;   // XDG_CONFIG_HOME names a file, so nothing can be made in it
    const char* folder;    // the program's folder for the files, below the test's root
    std::vector<std::string> filesAtStart;
    double onPower;
    const char* config;
    bool saved; // SaveSettings can write "Quelmo.ini" there
};

void PrintTo(const FolderRow& row, std::ostream* out) {
    *out << row.name;
}

// Everything below the root that is neither `folder`, inside it, nor a folder on the way to
// it, with its size (-1 for a folder).
std::map<std::string, std::intmax_t> Outside(const std::string& root, const std::string& folder) {
    std::map<std::string, std::intmax_t> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string path = entry.path().string();
        if ((path + "/").rfind(folder + "/", 0) == 0 || (folder + "/").rfind(path + "/", 0) == 0)
            continue;
        tree[path] = entry.is_directory() ? -1 : static_cast<std::intmax_t>(entry.file_size());
    }
    return tree;
}

class FilesFolderTest : public ::testing::TestWithParam<FolderRow> {
protected:
    QTemporaryDir dir;
    ScopedEnvironment environment;
    void TearDown() override { SetProgramPathForTesting({}); }
};

TEST_P(FilesFolderTest, WhereTheFilesLiveAndWhatTheFirstStartFindsThere) {
    const FolderRow& row = GetParam();
    const std::string root = dir.path().toStdString();
    const std::string folder = root + "/" + row.folder;
    fs::create_directories(root + "/prefix/bin");
    fs::create_directories(root + "/home");
    // Only the second system folder has a settings file, so the first one's database is
    // not taken.
    WriteBytes(root + "/sys1/quelmo/Other.db", "Password=other\r\n");
    if (row.machineDefaults) {
        WriteBytes(root + "/sys2/quelmo/Quelmo.ini", "DbFile=Shared.db\r\nOnPower=222\r\n");
        WriteBytes(root + "/sys2/quelmo/Shared.db", "Password=shared\r\n");
        WriteBytes(root + "/sys2/quelmo/notes.txt", "not a database");
    }
    environment.Set("HOME", root + "/home");
    environment.Set("XDG_CONFIG_HOME", row.homeUnwritable ? root + "/home/file" : "");
    environment.Set("XDG_CONFIG_DIRS", "relative:" + root + "/sys1:" + root + "/sys2");
    if (row.homeUnwritable)
        WriteBytes(root + "/home/file", "");
    if (row.portable)
        WriteBytes(root + "/prefix/bin/Quelmo.ini", "OnPower=111\r\n");
    if (row.userFolderExists)
        WriteBytes(root + "/home/.config/quelmo/Quelmo.ini", "OnPower=333\r\n");
    const auto outsideBefore = Outside(root, folder);

    SetProgramPathForTesting(root + "/prefix/bin/quelmo");
    InitProgramPaths();
    EXPECT_EQ(ExePath(), ToBackslashes(root) + "\\prefix\\bin\\quelmo");
    EXPECT_EQ(quelmo::ProgramFolder(), ToBackslashes(folder) + "\\");
    EXPECT_EQ(ProgramFolderName(), ToBackslashes(FileNameOf(folder)) + "\\");
    // The drive is the file system of the folder for the files, so names in it stay short.
    EXPECT_FALSE(ProgramDrive().empty());
    EXPECT_EQ(ShortPath(ToBackslashes(folder) + "\\x.db"), "x.db");

    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, row.filesAtStart);

    FakeHost host;
    LoadSettings(host);
    EXPECT_EQ(host.stored.OnPower, row.onPower);
    EXPECT_EQ(host.config, row.config);
    host.stored.OnPower = 444;
    SaveSettings(host);
    const auto saved = ReadBytes(folder + "/Quelmo.ini");
    EXPECT_EQ(saved && saved->find("OnPower=444\r\n") != std::string::npos, row.saved);
    EXPECT_EQ(Outside(root, folder), outsideBefore) << "nothing written anywhere else";
}

INSTANTIATE_TEST_SUITE_P(Rule, FilesFolderTest,
                         ::testing::Values(FolderRow{"PortableCopy",
                                                     true,
                                                     true,
                                                     false,
                                                     false,
                                                     "prefix/bin",
                                                     {"Quelmo.ini"},
                                                     111,
                                                     "Default.db",
                                                     true},
                                           FolderRow{"InstalledWithNoFilesYet",
                                                     false,
                                                     false,
                                                     false,
                                                     false,
                                                     "home/.config/quelmo",
                                                     {},
                                                     80,
                                                     "Default.db",
                                                     true},
                                           FolderRow{"InstalledWithMachineDefaults",
                                                     false,
                                                     true,
                                                     false,
                                                     false,
                                                     "home/.config/quelmo",
                                                     {"Quelmo.ini", "Shared.db"},
                                                     222,
                                                     "Shared.db",
                                                     true},
                                           FolderRow{"UserFolderExistsAndIsNotSeededAgain",
                                                     false,
                                                     true,
                                                     true,
                                                     false,
                                                     "home/.config/quelmo",
                                                     {"Quelmo.ini"},
                                                     333,
                                                     "Default.db",
                                                     true},
                                           FolderRow{"UnwritableConfigHomeGivesTheDefaults",
                                                     false,
                                                     true,
                                                     false,
                                                     true,
                                                     "home/file/quelmo",
                                                     {},
                                                     80,
                                                     "Default.db",
                                                     false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpFolderTest, BesideTheProgramElseTheInstalledDataFolder) {
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    const std::string bin = root + "/usr/bin";
    fs::create_directories(bin);
    EXPECT_EQ(HelpFolderFor(bin), bin + "/help") << "neither: the old place";
    fs::create_directories(root + "/usr/share/quelmo/help");
    EXPECT_EQ(HelpFolderFor(bin), root + "/usr/share/quelmo/help");
    fs::create_directories(bin + "/help");
    EXPECT_EQ(HelpFolderFor(bin), bin + "/help") << "a copy with its pages beside it";
}

} // namespace
} // namespace quelmo::test
