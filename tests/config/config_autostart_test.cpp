// The autostart entry: desktop-entry quoting and the registry-shaped layer over the folders.
#include "config/paths.h"
#include "config/settings.h"
#include "registry/desktop_entry.h"
#include "registry/machine_registry.h"
#include "tests/config/config_test_util.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quelmo::test {
namespace {

namespace fs = std::filesystem;

TEST(DesktopEntry, ExecQuotingSurvivesEveryReservedCharacter) {
    EXPECT_EQ(ExecValueFor("/opt/quelmo/quelmo"), "\"/opt/quelmo/quelmo\"");
    EXPECT_EQ(ExecValueFor("/a b/100%/q"), "\"/a b/100%%/q\"");
    EXPECT_EQ(ExecValueFor("/x\\y"), "\"/x\\\\\\\\y\"");
    EXPECT_EQ(ExecValueFor("/\"$`"), "\"/\\\\\"\\\\$\\\\`\"");
    for (const std::string path :
         {"/opt/quelmo/quelmo", "/home/a b/My Apps/quelmo", "/w\"ei$rd/`cmd`/back\\slash/50%",
          "/tab\there/new\nline/quelmo", "/%%f/%u", "/ä/ö\xe9"})
        EXPECT_EQ(ProgramOfExec(ExecValueFor(path)), path) << path;
    EXPECT_EQ(ProgramOfExec("quelmo --hidden"), "quelmo");
    EXPECT_EQ(ProgramOfExec("  \"/a b/q\" %U"), "/a b/q");
    EXPECT_EQ(ProgramOfExec(""), "");
}

TEST(DesktopEntry, ParsesTheMainGroupOnly) {
    const DesktopEntryFields fields = ParseDesktopEntry("# comment\n[Desktop Entry]\nName=Q\n"
                                                        "Exec = \"/a b/q\"\nHidden=true\n"
                                                        "[Desktop Action x]\nExec=/other\n");
    EXPECT_TRUE(fields.hasExec);
    EXPECT_EQ(fields.exec, "\"/a b/q\"");
    EXPECT_TRUE(fields.hidden);
    EXPECT_FALSE(ParseDesktopEntry("[Other]\nExec=/x\n").hasExec);
    EXPECT_FALSE(ParseDesktopEntry("[Desktop Entry]\r\nExec=/x\r\nHidden=false\r\n").hidden);
}

class MachineRegistryTest : public ::testing::Test {
protected:
    AutostartSandbox sandbox;
    std::string UserFile() const {
        return sandbox.UserFolder() + "/io.github.quelmo.Quelmo.desktop";
    }
    std::string SystemFile() const {
        return sandbox.SystemFolder() + "/io.github.quelmo.Quelmo.desktop";
    }
    // The name earlier versions gave the entry.
    std::string OldUserFile() const { return sandbox.UserFolder() + "/quelmo.desktop"; }
    std::string OldSystemFile() const { return sandbox.SystemFolder() + "/quelmo.desktop"; }
};

TEST_F(MachineRegistryTest, FoldersComeFromTheEnvironment) {
    EXPECT_EQ(SystemAutostartFolder(), sandbox.SystemFolder());
    EXPECT_EQ(UserAutostartFolder(), sandbox.UserFolder());
}

TEST_F(MachineRegistryTest, UserFolderWhenTheSystemOneCannotBeWritten) {
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", "none"), "none") << "no folder: no key";
    ASSERT_TRUE(MachineRegWrite(kRunKey, "Quelmo", "\"/opt/my apps/quelmo\""));
    EXPECT_FALSE(fs::exists(SystemFile()));
    EXPECT_EQ(ReadBytes(UserFile()), "[Desktop Entry]\nType=Application\nName=Quelmo\n"
                                     "Exec=\"/opt/my apps/quelmo\"\nTerminal=false\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", "none"), "\"/opt/my apps/quelmo\"");
    EXPECT_EQ(MachineRegRead(kRunKey, "Other", "none"), "") << "a missing value is empty";
    MachineRegDelete(kRunKey, "Quelmo");
    EXPECT_FALSE(fs::exists(UserFile()));
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", "none"), "");
}

TEST_F(MachineRegistryTest, SystemFolderWhenWritableAndTheUsersEntryWins) {
    fs::create_directories(sandbox.SystemFolder());
    WriteBytes(UserFile(), "[Desktop Entry]\nExec=/stale/quelmo\n");
    ASSERT_TRUE(MachineRegWrite(kRunKey, "Quelmo", "/usr/bin/quelmo"));
    EXPECT_TRUE(fs::exists(SystemFile()));
    EXPECT_FALSE(fs::exists(UserFile())) << "it would hide the new entry";
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"/usr/bin/quelmo\"");
    WriteBytes(UserFile(), "[Desktop Entry]\nExec=/home/quelmo\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"/home/quelmo\"");
    WriteBytes(UserFile(), "[Desktop Entry]\nExec=/home/quelmo\nHidden=true\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", "none"), "") << "hidden counts as absent";
    MachineRegDelete(kRunKey, "Quelmo");
    EXPECT_FALSE(fs::exists(SystemFile()));
    EXPECT_FALSE(fs::exists(UserFile()));
}

TEST_F(MachineRegistryTest, OnlyTheRunKeyAndPlainNames) {
    fs::create_directories(sandbox.SystemFolder());
    EXPECT_FALSE(MachineRegWrite("Software\\Other", "Quelmo", "/x"));
    EXPECT_EQ(MachineRegRead("Software\\Other", "Quelmo", "d"), "d");
    EXPECT_TRUE(MachineRegWrite("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RUN", "Q", "/x"));
    for (const std::string name : {"../evil", "a/b", "", "..", "x\\y"}) {
        EXPECT_FALSE(MachineRegWrite(kRunKey, name, "/x")) << name;
        EXPECT_EQ(MachineRegRead(kRunKey, name, "d"), "d") << name;
    }
    EXPECT_FALSE(fs::exists(sandbox.Root() + "/system/evil.desktop"));
}

TEST_F(MachineRegistryTest, AnEntryUnderTheEarlierNameCountsUntilItIsReplaced) {
    fs::create_directories(sandbox.SystemFolder());
    WriteBytes(OldSystemFile(), "[Desktop Entry]\nExec=/usr/bin/quelmo\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"/usr/bin/quelmo\"");
    WriteBytes(SystemFile(), "[Desktop Entry]\nExec=/opt/quelmo\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"/opt/quelmo\"") << "the current name wins";
    WriteBytes(UserFile(), "[Desktop Entry]\nHidden=true\n");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"/usr/bin/quelmo\"")
        << "the earlier entry still starts the program";
    // Writing leaves one entry, so that the program is not started twice.
    ASSERT_TRUE(MachineRegWrite(kRunKey, "Quelmo", "/usr/bin/quelmo"));
    EXPECT_FALSE(fs::exists(OldSystemFile()));
    EXPECT_TRUE(fs::exists(SystemFile()));
    WriteBytes(OldUserFile(), "[Desktop Entry]\nExec=/usr/bin/quelmo\n");
    MachineRegDelete(kRunKey, "Quelmo");
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", "none"), "");
    EXPECT_FALSE(fs::exists(OldUserFile()));
    EXPECT_FALSE(fs::exists(SystemFile()));
}

TEST_F(MachineRegistryTest, AutoStartOfTheProgram) {
    ProgramFolder folder; // the program is <folder>/quelmo
    // The folder brings desktop folders of its own; this test looks at the sandbox's.
    setenv("XDG_CONFIG_HOME", (sandbox.Root() + "/home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (sandbox.Root() + "/system").c_str(), 1);
    EXPECT_FALSE(AutoStartIsSet());
    SetAutoStart(true);
    EXPECT_TRUE(AutoStartIsSet());
    EXPECT_EQ(MachineRegRead(kRunKey, "Quelmo", ""), "\"" + folder.Path() + "quelmo\"");
    // An entry for another program does not count.
    WriteBytes(UserFile(), "[Desktop Entry]\nExec=/usr/bin/other\n");
    EXPECT_FALSE(AutoStartIsSet());
    SetAutoStart(false);
    EXPECT_FALSE(AutoStartIsSet());
    EXPECT_FALSE(fs::exists(UserFile()));
}

} // namespace
} // namespace quelmo::test
