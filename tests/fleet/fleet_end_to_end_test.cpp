// A fleet in miniature: the shipped nginx site on 127.0.0.1 over https with a certificate
// authority of the test's own, program copies in portable folders that follow its database and
// report to it (one of them trusting another authority), the report tool over its log as the
// shipped service runs it, and the page the site serves.
#include "tests/fleet/fleet_server.h"
#include "tests/power/logind_mock.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>

namespace quelmo::test {
namespace {

namespace fs = std::filesystem;

// A Monday whose first `offSlots` ten-minute slots are off.
std::string Database(int offSlots) {
    return "OffAction=0\nMon=" + std::string(offSlots, '0') + std::string(144 - offSlots, '1') +
           "\n";
}

// A copy of the program in a folder of its own, with a settings file beside it.
class ProgramCopy {
public:
    ProgramCopy(const std::string& folder, const std::string& settings, const std::string& device,
                const std::string& bus)
        : mFolder(folder) {
        fs::create_directories(folder + "/run");
        fs::permissions(folder + "/run", fs::perms::owner_all);
        fs::copy_file(QUELMO_PROGRAM, folder + "/quelmo");
        WriteBytes(folder + "/Quelmo.ini", settings);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(folder));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(folder + "/xdg-home"));
        environment.insert("XDG_CONFIG_DIRS", QString::fromStdString(folder + "/xdg-system"));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(folder + "/run"));
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", QString::fromStdString(bus));
        environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString(bus));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QUELMO_DEVICE_ID", QString::fromStdString(device));
        // A refresh minute of two seconds: a period of RefreshMinutes=1 is two seconds.
        environment.insert("QUELMO_REFRESH_MINUTE_SECONDS", "2");
        environment.remove("http_proxy");
        mProcess.setProcessEnvironment(environment);
        mProcess.setWorkingDirectory(QString::fromStdString(folder));
        mProcess.setProcessChannelMode(QProcess::ForwardedChannels);
        mProcess.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        mProcess.start(QString::fromStdString(folder + "/quelmo"), {});
        mProcess.waitForStarted(10000);
    }
    ~ProgramCopy() {
        if (mProcess.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(mProcess.processId()), SIGTERM);
            if (!mProcess.waitForFinished(15000))
                ::kill(static_cast<pid_t>(mProcess.processId()), SIGKILL);
            mProcess.waitForFinished(5000);
        }
    }
    // Still running: it has not ended since it started.
    bool Running() { return !mProcess.waitForFinished(0) && mProcess.state() == QProcess::Running; }
    std::string LocalCopy() const { return Read(mFolder + "/LocalCopy.db"); }

private:
    std::string mFolder;
    QProcess mProcess;
};

bool Holds(const std::string& copy, const std::string& database) {
    // The mirror is written with the program's own line ends.
    const std::string week = database.substr(database.find("Mon="), 4 + 144);
    return copy.find(week) != std::string::npos;
}

// The shipped service's commands, with the paths of the private prefix; each run by the shell
// as systemd would.
int RunServiceCommands(const FleetSite& site) {
    std::istringstream unit(Read(QUELMO_FLEET_SERVICE));
    int status = 0, commands = 0;
    for (std::string line; std::getline(unit, line);) {
        if (line.rfind("ExecStart=/bin/sh -c '", 0) != 0)
            continue;
        std::string command = line.substr(22, line.size() - 23);
        command = Replaced(command, "/usr/bin/quelmo-fleet-report", QUELMO_FLEET_REPORT);
        command = Replaced(command, "/var/lib/quelmo-fleet/", site.Root() + "/page/");
        command = Replaced(command, "/var/lib/prometheus/node-exporter", site.Root() + "/textfile");
        command = Replaced(command, "/var/log/nginx/", site.Root() + "/logs/");
        status |= RunProgram("/bin/sh", {"-c", QString::fromStdString(command)});
        ++commands;
    }
    return commands == 2 ? status : -1;
}

TEST(FleetSiteTest, ShippedSiteAndUnitsAreValid) {
    if (!fs::exists(FleetSite::kNginx))
        GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh installs it)";
    QTemporaryDir dir;
    const FleetCertificates certificates(dir.filePath("keys").toStdString());
    ASSERT_TRUE(certificates.Make());
    const FleetSite site(dir.filePath("nginx").toStdString(), certificates);
    std::string said;
    EXPECT_EQ(site.Check(&said), 0) << said;
    if (fs::exists("/usr/bin/systemd-analyze")) {
        // Unknown keys and bad values are only warned about: any word from it is a fault.
        EXPECT_EQ(RunProgram("/usr/bin/systemd-analyze",
                             {"verify", "--man=no", QUELMO_FLEET_SERVICE, QUELMO_FLEET_TIMER},
                             &said),
                  0);
        EXPECT_EQ(said, "");
    }
}

TEST(FleetEndToEndTest, PcsFollowTheServerOverHttpsAndReportToIt) {
    if (!fs::exists(FleetSite::kNginx))
        GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh installs it)";
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const FleetCertificates certificates(base + "/keys");
    ASSERT_TRUE(certificates.Make());
    FleetSite site(base + "/nginx", certificates);
    site.Publish(Database(6));
    ASSERT_TRUE(site.Start()) << Read(base + "/nginx/logs/error.log");
    LogindMock logind;
    ASSERT_TRUE(logind.Ok()) << logind.Failure();

    const auto settings = [&](const char* authority) {
        return "DbFile=" + site.HttpsBase() + "/Quelmo.db\nReportHost=" + site.HttpsBase() +
               "\nCAFile=" + certificates.File(authority) + "\nRefreshMinutes=1\nOnPower=999\n";
    };
    std::vector<std::unique_ptr<ProgramCopy>> pcs;
    for (const char* device : {"0000000A", "0000000B"})
        pcs.push_back(std::make_unique<ProgramCopy>(base + "/pc" + device, settings("fleet-ca.pem"),
                                                    device, logind.Address()));
    // A PC given another authority, with a copy from before.
    WriteBytes(base + "/pc0000000C/LocalCopy.db", Database(3));
    auto stranger = std::make_unique<ProgramCopy>(base + "/pc0000000C", settings("other-ca.pem"),
                                                  "0000000C", logind.Address());
    const auto all = [&](const std::function<bool(ProgramCopy&)>& test) {
        for (auto& pc : pcs)
            if (!test(*pc))
                return false;
        return true;
    };

    ASSERT_GE(
        WaitFor(60,
                [&] { return all([](auto& pc) { return Holds(pc.LocalCopy(), Database(6)); }); }),
        0)
        << "both load the served database";
    // A 304 once each copy has asked with the validators of what it holds.
    EXPECT_GE(WaitFor(30, [&] { return site.AccessLog().find("\" 304 ") != std::string::npos; }), 0)
        << site.AccessLog();

    site.Publish(Database(12));
    const double followed = WaitFor(
        30, [&] { return all([](auto& pc) { return Holds(pc.LocalCopy(), Database(12)); }); });
    ASSERT_GE(followed, 0) << "both follow the changed file";
    std::printf("both copies followed the change after %.1f s\n", followed);
    // One period is two seconds; a tick is one, and a loaded machine is slow.
    EXPECT_LT(followed, 2 + 1 + 5.0);
    EXPECT_TRUE(all([](auto& pc) { return pc.Running(); }));

    // The reports: the first goes out on the seventh tick.
    ASSERT_GE(WaitFor(30,
                      [&] {
                          const std::string log = Read(site.ReportLog());
                          return log.find("did=0000000A") != std::string::npos &&
                                 log.find("did=0000000B") != std::string::npos;
                      }),
              0)
        << Read(site.ReportLog());
    EXPECT_TRUE(Holds(stranger->LocalCopy(), Database(3))) << "it keeps its last good copy";
    EXPECT_TRUE(stranger->Running());
    pcs.clear();
    stranger.reset();
    EXPECT_EQ(Read(site.ReportLog()).find("did=0000000C"), std::string::npos)
        << "nor does its report reach anybody";

    QProcess report;
    report.start(QUELMO_FLEET_REPORT, {QString::fromStdString(site.ReportLog())});
    ASSERT_TRUE(report.waitForFinished(30000));
    const std::string table = report.readAllStandardOutput().toStdString();
    EXPECT_EQ(report.exitCode(), 0);
    EXPECT_TRUE(std::regex_search(table, std::regex("\n0000000A  .* 1\n"))) << table;
    EXPECT_TRUE(std::regex_search(table, std::regex("\n0000000B  .* 1\n"))) << table;
    EXPECT_TRUE(std::regex_search(table, std::regex("\nTotal +2 devices +0 +0 +0 +0 +2\n")))
        << table;
    std::printf("%s", table.c_str());

    // The page and the figures as the shipped service writes them, and the page as the site
    // serves it: over https to the server itself, to no other address, and plain http only
    // redirects.
    fs::create_directories(base + "/nginx/textfile");
    ASSERT_EQ(RunServiceCommands(site), 0);
    EXPECT_NE(Read(base + "/nginx/textfile/quelmo.prom").find("quelmo_devices 2"),
              std::string::npos);
    httplib::SSLClient client("127.0.0.1", site.Port());
    client.set_ca_cert_path(certificates.File("fleet-ca.pem").c_str());
    client.enable_server_certificate_verification(true);
    const auto page = client.Get("/quelmo/");
    ASSERT_TRUE(page) << httplib::to_string(page.error());
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("0000000A"), std::string::npos);
    httplib::SSLClient elsewhere("127.0.0.1", site.Port());
    elsewhere.enable_server_certificate_verification(false);
    elsewhere.set_interface("127.0.0.2");
    const auto refused = elsewhere.Get("/quelmo/");
    ASSERT_TRUE(refused) << httplib::to_string(refused.error());
    EXPECT_EQ(refused->status, 403) << "from 127.0.0.2";
    httplib::Client plain("127.0.0.1", site.PlainPort());
    const auto redirect = plain.Get("/Quelmo.db");
    ASSERT_TRUE(redirect);
    EXPECT_EQ(redirect->status, 301);
    EXPECT_EQ(redirect->get_header_value("Location"), "https://fleet.school.example/Quelmo.db");
}

} // namespace
} // namespace quelmo::test
