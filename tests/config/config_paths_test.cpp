// Stored-name rules and file utilities on a temporary program folder.
#include "config/file_dialog.h"
#include "config/file_utils.h"
#include "config/paths.h"
#include "platform/fs_mounts.h"
#include "tests/config/config_test_util.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quelmo::test {
namespace {

class PathsTest : public ::testing::Test {
protected:
    ProgramFolder folder;
    // The program's folder in stored form, and its parent.
    std::string S = ToBackslashes(folder.Path());
    std::string Parent = S.substr(0, S.find_last_of('\\', S.size() - 2) + 1);
    std::string LastElement = S.substr(Parent.size());

    void TearDown() override {
        platform::SetMountTableForTesting(std::nullopt);
        SetFileDialogForTesting(nullptr);
    }
};

TEST_F(PathsTest, ProgramPathsComeFromTheExecutable) {
    EXPECT_EQ(ExePath(), S + "quelmo");
    EXPECT_EQ(quelmo::ProgramFolder(), S);
    EXPECT_EQ(ProgramFolderName(), LastElement);
    EXPECT_EQ(ProgramFileOsPath(), folder.Path() + "quelmo");
    ASSERT_FALSE(ProgramDrive().empty());
    EXPECT_EQ(ProgramDrive().back(), '\\');
    EXPECT_EQ(S.rfind(ProgramDrive(), 0), 0u) << ProgramDrive();
}

TEST_F(PathsTest, RunningExecutableWhenNoTestPathIsSet) {
    SetProgramPathForTesting({});
    InitProgramPaths();
    EXPECT_NE(ExePath().find("config_paths_test"), std::string::npos) << ExePath();
    // No "Quelmo.ini" beside the test program: its files go to the user's folder.
    EXPECT_EQ(quelmo::ProgramFolder(), S + "xdg-home\\quelmo\\");
}

TEST_F(PathsTest, MakeAbsoluteResolvesAgainstTheProgramFolder) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"quelmo.db", S + "quelmo.db"},
        {".\\x.db", S + "x.db"},
        {"./x.db", S + "x.db"},
        {"..\\shared\\x.db", Parent + "shared\\x.db"},
        {"../shared/x.db", Parent + "shared\\x.db"},
        {"Sub\\X.DB", S + "Sub\\X.DB"}, // letter case stays
        {"\\Data/X.db", "\\Data\\X.db"},
        {"/Data/X.db", "\\Data\\X.db"},
        {"", S},
        {"..\\..\\..\\..\\..\\..\\..\\..\\x.db", "\\x.db"}, // never above the root
        {".\\.\\x.db", S + ".\\x.db"},                      // the dot prefix goes once
    };
    for (const auto& [name, expected] : rows)
        EXPECT_EQ(MakeAbsolute(name), expected) << name;
}

TEST_F(PathsTest, NamesOf256CharactersAreRefused) {
    const std::string n255(255, 'a');
    const std::string n256(256, 'a');
    EXPECT_EQ(MakeAbsolute(n255), S + n255);
    EXPECT_EQ(MakeAbsolute(n256), "");
    EXPECT_EQ(MakeAbsolute("\\" + std::string(255, 'b')), "");
    EXPECT_FALSE(FileExistsAt(n256));
    EXPECT_FALSE(FolderExistsAt(n256)); // not the program's folder, which "" would name
    EXPECT_EQ(OpenFileAt(std::string(200, 'd') + "\\" + std::string(60, 'e'), "wb"), nullptr);
    EXPECT_FALSE(FolderExistsAt(std::string(200, 'd'))) << "no folder made for a refused name";
}

TEST_F(PathsTest, MakeRelativeOnTheProgramsFileSystem) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {S + "x.db", "x.db"},
        {Parent + "other\\x.db", "..\\other\\x.db"},
        {S + "Sub\\X.DB", "Sub\\X.DB"},
        {folder.Path() + "Sub/X.DB", "Sub\\X.DB"},
        // A subfolder named like the program's folder keeps its name.
        {S + LastElement + "x.db", LastElement + "x.db"},
        {"", ""},
        {"relative\\x.db", "relative\\x.db"},
    };
    for (const auto& [path, expected] : rows)
        EXPECT_EQ(MakeRelative(path), expected) << path;
    // Back again.
    EXPECT_EQ(MakeAbsolute(MakeRelative(S + LastElement + "x.db")), S + LastElement + "x.db");
    EXPECT_EQ(MakeAbsolute(MakeRelative(Parent + "other\\x.db")), Parent + "other\\x.db");
}

TEST_F(PathsTest, NamesOnAnotherFileSystemStayAbsolute) {
    auto other = FolderOnOtherFileSystem(folder.Path());
    if (!other)
        GTEST_SKIP() << "no second file system here";
    const std::string name = ToBackslashes(other->path().toStdString()) + "\\Shared.db";
    EXPECT_FALSE(OnProgramDrive(name));
    EXPECT_EQ(MakeRelative(name), name);
    EXPECT_EQ(ShortPath(other->path().toStdString() + "/Shared.db"), name);
    EXPECT_EQ(MakeRelative("\\proc\\self\\x"), "\\proc\\self\\x");
    EXPECT_TRUE(OnProgramDrive(S + "x.db"));
    EXPECT_TRUE(OnProgramDrive(S + "not\\there\\yet.db"));
}

TEST_F(PathsTest, ShortPathTakesTheShorterForm) {
    EXPECT_EQ(ShortPath(folder.Path() + "Sub/X.DB"), "Sub\\X.DB");
    EXPECT_EQ(ShortPath(S + "x.db"), "x.db");
    EXPECT_EQ(ShortPath("x.db"), "x.db");
    EXPECT_EQ(ShortPath(""), "");
    // From a folder two levels down, the root's file is shorter as an absolute name.
    EXPECT_EQ(ShortPath("/x.db"), "\\x.db");
    EXPECT_EQ(ShortPath(Parent + "o\\x.db"), "..\\o\\x.db");
    // Too long to resolve: kept rather than emptied.
    const std::string longName(300, 'n');
    EXPECT_EQ(ShortPath(longName), longName);
}

struct MountRow {
    const char* name;
    const char* type;
    bool network;
};

class NetworkProgramFolderTest : public PathsTest,
                                 public ::testing::WithParamInterface<MountRow> {};

TEST_P(NetworkProgramFolderTest, ProgramDriveFollowsTheFileSystemType) {
    const MountRow row = GetParam();
    // The program's folder as a mount point of its own, of the row's type.
    std::string real = folder.Path();
    char resolved[4096];
    ASSERT_NE(realpath(real.c_str(), resolved), nullptr);
    platform::SetMountTableForTesting("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                      "2 1 0:9 / " +
                                      std::string(resolved) + " rw - " + row.type +
                                      " server:/export rw\n");
    InitProgramPaths();
    if (row.network) {
        EXPECT_EQ(ProgramDrive(), "");
        EXPECT_EQ(MakeRelative(S + "x.db"), S + "x.db");
        EXPECT_EQ(ShortPath(S + "x.db"), S + "x.db");
        EXPECT_FALSE(OnProgramDrive(S + "x.db"));
    } else {
        EXPECT_EQ(ProgramDrive(), ToBackslashes(resolved) + "\\");
        EXPECT_EQ(MakeRelative(S + "x.db"), "x.db");
        // The parent lies on the root file system now: another drive.
        EXPECT_EQ(MakeRelative(Parent + "x.db"), Parent + "x.db");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, NetworkProgramFolderTest,
    ::testing::Values(MountRow{"nfs", "nfs", true}, MountRow{"nfs4", "nfs4", true},
                      MountRow{"cifs", "cifs", true}, MountRow{"smb3", "smb3", true},
                      MountRow{"sshfs", "fuse.sshfs", true}, MountRow{"ext4", "ext4", false},
                      MountRow{"tmpfs", "tmpfs", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MountTable, EscapedAndStackedMountPoints) {
    platform::SetMountTableForTesting("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                      "7 1 0:5 / /srv/my\\040disk rw - xfs /dev/sdb rw\n"
                                      "8 1 0:6 / /srv/stack rw - ext4 /dev/sdc rw\n"
                                      "9 8 0:7 / /srv/stack rw - nfs4 host:/e rw\n");
    EXPECT_EQ(platform::MountOf("/srv/my disk/a/b").mountPoint, "/srv/my disk");
    EXPECT_EQ(platform::MountOf("/srv/my diskette").mountPoint, "/");
    EXPECT_EQ(platform::MountOf("/srv/stack/x").type, "nfs4");
    EXPECT_EQ(platform::MountOf("relative").mountPoint, "");
    platform::SetMountTableForTesting(std::nullopt);
}

TEST_F(PathsTest, OpenFileAtCreatesFoldersOnlyForWriting) {
    EXPECT_EQ(OpenFileAt("new2\\x.db", "rb"), nullptr);
    EXPECT_FALSE(FolderExistsAt("new2"));
    {
        FileStream out = OpenFileAt("new\\sub\\x.db", "wt");
        ASSERT_NE(out, nullptr);
        std::fputs("a\n", out.get());
    }
    EXPECT_TRUE(FolderExistsAt("new"));
    EXPECT_TRUE(FolderExistsAt("new\\sub"));
    EXPECT_TRUE(FileExistsAt("new/sub/x.db"));
    EXPECT_FALSE(FileExistsAt("new\\sub"));
    EXPECT_FALSE(FolderExistsAt("new\\sub\\x.db"));
    {
        FileStream out = OpenFileAt("new\\sub\\x.db", "a");
        ASSERT_NE(out, nullptr);
        std::fputs("b\n", out.get());
    }
    // Streams do not translate line ends.
    EXPECT_EQ(ReadWholeFile("new\\sub\\x.db"), "a\nb\n");
    {
        FileStream out = OpenFileAt("app\\end.txt", "ab");
        ASSERT_NE(out, nullptr);
    }
    EXPECT_TRUE(FileExistsAt("app\\end.txt"));
    EXPECT_EQ(OpenFileAt("new", "rb"), nullptr) << "a folder is not a file";
}

TEST_F(PathsTest, WholeFileReadWriteAndCopy) {
    EXPECT_EQ(ReadWholeFile("missing.db"), "");
    EXPECT_EQ(CopyFileContents("missing.db", "target.db"), -1);
    WriteBytes(folder.Path() + "empty.db", "");
    EXPECT_EQ(CopyFileContents("empty.db", "target.db"), 0);
    EXPECT_FALSE(FileExistsAt("target.db"));

    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    EXPECT_TRUE(WriteWholeFile(bytes, "dir\\all.bin", "wb"));
    EXPECT_EQ(ReadWholeFile("dir\\all.bin"), bytes);
    EXPECT_EQ(CopyFileContents("dir\\all.bin", "copy\\all.bin"), 256);
    EXPECT_EQ(ReadBytes(folder.Path() + "copy/all.bin"), bytes);
    EXPECT_FALSE(FileExistsAt("copy\\all.bin.tmp"));

    EXPECT_TRUE(WriteWholeFile("a\nb\r\n", "text.db", "wt"));
    EXPECT_EQ(ReadWholeFile("text.db"), "a\r\nb\r\r\n");
    EXPECT_TRUE(WriteWholeFile("c\n", "text.db", "at"));
    EXPECT_EQ(ReadWholeFile("text.db"), "a\r\nb\r\r\nc\r\n");
    EXPECT_TRUE(WriteWholeFile("new", "text.db", "wb"));
    EXPECT_EQ(ReadWholeFile("text.db"), "new");
    EXPECT_FALSE(WriteWholeFile("", "text.db", "wb"));
    EXPECT_EQ(ReadWholeFile("text.db"), "new");

    // A file where a folder would have to be: nothing can be written beneath it.
    EXPECT_FALSE(WriteWholeFile("x", "text.db\\inner.db", "wb"));
    EXPECT_EQ(CopyFileContents("text.db", "text.db\\inner.db"), -1);
}

TEST_F(PathsTest, DeleteFileForcedRemovesReadOnlyFiles) {
    WriteBytes(folder.Path() + "ro.db", "x");
    ::chmod((folder.Path() + "ro.db").c_str(), 0444);
    DeleteFileForced("ro.db");
    EXPECT_FALSE(FileExistsAt("ro.db"));
    DeleteFileForced("ro.db"); // silent when missing
}

TEST(NameParts, FileNameFolderAndExtension) {
    EXPECT_EQ(FileNameOf("\\a\\b\\Quelmo.DB"), "Quelmo.DB");
    EXPECT_EQ(FileNameOf("a/b/c.db"), "c.db");
    EXPECT_EQ(FileNameOf("plain"), "plain");
    EXPECT_EQ(FileNameOf(""), "");
    EXPECT_EQ(FolderOf("\\a\\B\\c.db"), "\\a\\B");
    EXPECT_EQ(FolderOf("a/b/c.db"), "a/b");
    EXPECT_EQ(FolderOf("\\c.db"), "\\");
    EXPECT_EQ(FolderOf("c.db"), "");

    EXPECT_TRUE(IsZipName("backup.db.ZIP"));
    EXPECT_FALSE(IsZipName("zip"));
    const std::vector<std::pair<std::string, std::string>> extensions = {
        {"quelmo.db", ".db"},
        {"Quelmo.DB", ".db"},
        {"backup.db.zip", ".db.zip"},
        {"x.db", ""},
        {"readme", ""},
        {"a.json", ".json"},
        {"settings.ini", ".ini"},
        {"abcd.", ""},
        {"ab.zip", ""},
        {"long.name.config", ""},
        {"x.c", ""},
        {"abc.c", ".c"},
    };
    for (const auto& [name, expected] : extensions)
        EXPECT_EQ(ExtensionOf(name), expected) << name;
}

TEST(VolumeSerialTest, RootAndFailure) {
    const std::uint32_t root = VolumeSerial("/");
    EXPECT_NE(root, 0xFFFFFFFFu);
    EXPECT_EQ(VolumeSerial("\\"), root);
    EXPECT_EQ(VolumeSerial("/no/such/folder/here"), 0xFFFFFFFFu);
}

TEST_F(PathsTest, BrowseForFileAsksTheDialogAndResolves) {
    std::vector<FileDialogRequest> requests;
    std::optional<std::string> answer = folder.Path() + "Picked/Other.DB";
    SetFileDialogForTesting([&](const FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
    });
    EXPECT_EQ(BrowseForFile(nullptr, quelmo::ProgramFolder(), "sub/Current.db",
                            "Config Files (*.db)|*.DB", "db"),
              S + "Picked\\Other.DB");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nameFilter, "Config Files (*.DB *.db)");
    EXPECT_EQ(requests[0].defaultSuffix, "db");
    EXPECT_EQ(requests[0].fileName, "Current.db");
    EXPECT_EQ(requests[0].folder, folder.Path() + "sub");

    answer.reset();
    EXPECT_EQ(BrowseForFile(nullptr, quelmo::ProgramFolder(), "sub/Current.db",
                            "Config Files (*.db)|*.DB", "db"),
              S + "sub\\Current.db");
    EXPECT_EQ(BrowseForFile(nullptr, "..\\fallback", "", "x|*.x", "x"), S);
    EXPECT_EQ(requests.back().folder, OsPath(Parent) + "fallback");
    EXPECT_EQ(requests.back().fileName, "");
}

TEST(QtNameFilterTest, PairsAndLetterCase) {
    EXPECT_EQ(QtNameFilter("Config Files (*.db)|*.DB"), "Config Files (*.DB *.db)");
    EXPECT_EQ(QtNameFilter("Text|*.txt;*.Log|All|*"),
              "Text (*.txt *.TXT *.Log *.log *.LOG);;All (*)");
    EXPECT_EQ(QtNameFilter(""), "");
}

} // namespace
} // namespace quelmo::test
