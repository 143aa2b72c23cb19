// SPDX-License-Identifier: GPL-3.0-or-later
// The program unpacked from its package, started as a user would start it: it keeps its files
// in the user's folder, seeded from the machine-wide defaults, writes nothing beside itself and
// finds its help pages. The package is the one named by QUELMO_PACKAGE.
#include "config/files_folder.h"
#include "tests/config/config_test_util.h"
#include "tests/power/logind_mock.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <filesystem>
#include <map>

namespace quelmo::test {
namespace {

namespace fs = std::filesystem;

// Every path below the root with its size and time of change.
std::map<std::string, std::pair<std::intmax_t, fs::file_time_type>> Tree(const std::string& root) {
    std::map<std::string, std::pair<std::intmax_t, fs::file_time_type>> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto size = entry.is_regular_file() ? std::intmax_t(entry.file_size()) : -1;
        tree[entry.path().string()] = {size, entry.last_write_time()};
    }
    return tree;
}

TEST(PackageRunTest, TheInstalledProgramKeepsItsFilesInTheUsersFolder) {
    const char* package = std::getenv("QUELMO_PACKAGE");
    if (!package || !*package)
        GTEST_SKIP() << "QUELMO_PACKAGE names no package (scripts/test.sh builds one)";
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string root = base + "/root";
    ASSERT_EQ(QProcess::execute("dpkg-deb", {"-x", package, QString::fromStdString(root)}), 0);
    const std::string bin = root + "/usr/bin";
    ASSERT_TRUE(fs::exists(bin + "/quelmo"));

    // The help pages where the program looks for them.
    EXPECT_EQ(HelpFolderFor(bin), root + "/usr/share/quelmo/help");
    EXPECT_TRUE(fs::exists(HelpFolderFor(bin) + "/index.html"));

    // An administrator's defaults, and a user who starts the program for the first time.
    WriteBytes(base + "/xdg/quelmo/Quelmo.ini", "DbFile=Site.db\r\nOnPower=123\r\n");
    WriteBytes(base + "/xdg/quelmo/Site.db", "OffAction=1\r\n");
    fs::create_directories(base + "/home");
    fs::create_directories(base + "/work");
    fs::create_directory(base + "/run");
    fs::permissions(base + "/run", fs::perms::owner_all);
    const auto unpacked = Tree(root);

    LogindMock logind;
    ASSERT_TRUE(logind.Ok()) << logind.Failure();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_CONFIG_HOME");
    environment.insert("HOME", QString::fromStdString(base + "/home"));
    environment.insert("XDG_CONFIG_DIRS", QString::fromStdString(base + "/xdg"));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(base + "/run"));
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", QString::fromStdString(logind.Address()));
    environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString(logind.Address()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // The usage report of a release build names a host that must not be looked up: a closed
    // port on this machine answers for it.
    environment.insert("http_proxy", "http://127.0.0.1:9");
    environment.remove("no_proxy");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QString::fromStdString(base + "/work"));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    program.start(QString::fromStdString(bin + "/quelmo"), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // Once the running copy answers on the bus its start-up is over; a SIGTERM then ends it as a
    // log-out does, saving its settings.
    bool answered = false;
    for (int i = 0; i < 60 && !answered && program.state() == QProcess::Running; ++i) {
        QProcess status;
        status.setProcessEnvironment(environment);
        status.setWorkingDirectory(QString::fromStdString(base + "/work"));
        status.start(QString::fromStdString(bin + "/quelmo"), {"--status"});
        answered = status.waitForFinished(10000) && status.exitCode() == 0;
        if (!answered)
            program.waitForFinished(500);
    }
    const bool wasRunning = program.state() == QProcess::Running;
    EXPECT_TRUE(answered) << "the running copy never answered --status";
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(10000));
    EXPECT_TRUE(wasRunning) << "the program ended by itself";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const std::string folder = base + "/home/.config/quelmo";
    const std::optional<std::string> settings = ReadBytes(folder + "/Quelmo.ini");
    EXPECT_FALSE(logind.CallsOf("CanSuspend").empty()) << "start-up reached logind";

    ASSERT_TRUE(settings);
    EXPECT_NE(settings->find("WhUsed="), std::string::npos) << *settings;
    EXPECT_NE(settings->find("DbFile=Site.db\r\n"), std::string::npos) << *settings;
    EXPECT_NE(settings->find("OnPower=123\r\n"), std::string::npos) << *settings;
    EXPECT_EQ(ReadBytes(folder + "/Site.db"), "OffAction=1\r\n");
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(Tree(root), unpacked) << "nothing written beside the program";
    EXPECT_TRUE(fs::is_empty(base + "/work"));
}

} // namespace
} // namespace quelmo::test
