// A fleet in miniature: the shipped nginx site on 127.0.0.1, two program copies in portable
// folders that follow its database and report to it, and the report tool over its log.
#include "tests/config/config_test_util.h"
#include "tests/power/logind_mock.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>

namespace quelmo::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNginx = "/usr/sbin/nginx";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to), at += to.size();
    return text;
}

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Waits up to `seconds` for `done`, looking every 100 ms; the seconds it took, or -1.
double WaitFor(double seconds, const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000) {
        if (done())
            return timer.elapsed() / 1000.0;
        QThread::msleep(100);
    }
    return done() ? timer.elapsed() / 1000.0 : -1;
}

std::string Read(const std::string& path) {
    return ReadBytes(path).value_or("");
}

// A Monday whose first `offSlots` ten-minute slots are off.
std::string Database(int offSlots) {
    return "OffAction=0\nMon=" + std::string(offSlots, '0') + std::string(144 - offSlots, '1') +
           "\n";
}

// nginx as a foreground process of its own, with the shipped site moved into a private prefix.
class Nginx {
public:
    explicit Nginx(const std::string& root) : mRoot(root), mPort(FreePort()) {
        fs::create_directories(root + "/srv");
        fs::create_directories(root + "/logs");
        std::string site = Read(QUELMO_FLEET_SITE);
        site = Replaced(site, "listen 80;", "listen 127.0.0.1:" + std::to_string(mPort) + ";");
        site = Replaced(site, "/srv/quelmo", root + "/srv");
        site = Replaced(site, "/var/log/nginx/", root + "/logs/");
        WriteBytes(root + "/site.conf", site);
        WriteBytes(root + "/nginx.conf",
                   "daemon off;\nmaster_process off;\npid " + root + "/nginx.pid;\nerror_log " +
                       root + "/logs/error.log;\nevents { worker_connections 256; }\nhttp {\n" +
                       "  client_body_temp_path " + root + "/tmp;\n  proxy_temp_path " + root +
                       "/tmp;\n  fastcgi_temp_path " + root + "/tmp;\n  uwsgi_temp_path " + root +
                       "/tmp;\n  scgi_temp_path " + root + "/tmp;\n  include " + root +
                       "/site.conf;\n}\n");
    }
    ~Nginx() {
        if (mProcess.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(mProcess.processId()), SIGTERM);
            mProcess.waitForFinished(10000);
        }
    }
    bool Start() {
        mProcess.setProcessChannelMode(QProcess::ForwardedChannels);
        mProcess.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        mProcess.start(kNginx, {"-p", QString::fromStdString(mRoot), "-c",
                                QString::fromStdString(mRoot + "/nginx.conf")});
        if (!mProcess.waitForStarted(10000))
            return false;
        httplib::Client client("127.0.0.1", mPort);
        return WaitFor(20, [&] { return static_cast<bool>(client.Get("/Quelmo.db")); }) >= 0;
    }
    // A new version of the database, moved into place as an administrator would.
    void Publish(const std::string& bytes) {
        WriteBytes(mRoot + "/srv/Quelmo.db.new", bytes);
        fs::rename(mRoot + "/srv/Quelmo.db.new", mRoot + "/srv/Quelmo.db");
        // Versions of one size published within a second would share nginx's validators.
        fs::last_write_time(mRoot + "/srv/Quelmo.db",
                            fs::file_time_type::clock::now() + std::chrono::minutes(++mVersion));
    }
    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(mPort); }
    std::string AccessLog() const { return Read(mRoot + "/logs/quelmo-access.log"); }
    std::string ReportLog() const { return mRoot + "/logs/quelmo-reports.log"; }

private:
    std::string mRoot;
    int mPort;
    int mVersion = 0;
    QProcess mProcess;
};

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

TEST(FleetEndToEndTest, TwoPcsFollowTheServerAndReportToIt) {
    if (!fs::exists(kNginx))
        GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh installs it)";
    if (auto missing = LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    Nginx nginx(base + "/nginx");
    nginx.Publish(Database(6));
    ASSERT_TRUE(nginx.Start()) << Read(base + "/nginx/logs/error.log");
    LogindMock logind;
    ASSERT_TRUE(logind.Ok()) << logind.Failure();

    const std::string settings = "DbFile=http://" + nginx.HostAndPort() +
                                 "/Quelmo.db\nReportHost=" + nginx.HostAndPort() +
                                 "\nRefreshMinutes=1\nOnPower=999\n";
    std::vector<std::unique_ptr<ProgramCopy>> pcs;
    pcs.push_back(
        std::make_unique<ProgramCopy>(base + "/pc1", settings, "0000000A", logind.Address()));
    pcs.push_back(
        std::make_unique<ProgramCopy>(base + "/pc2", settings, "0000000B", logind.Address()));
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
    EXPECT_GE(WaitFor(30, [&] { return nginx.AccessLog().find("\" 304 ") != std::string::npos; }),
              0)
        << nginx.AccessLog();

    nginx.Publish(Database(12));
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
                          const std::string log = Read(nginx.ReportLog());
                          return log.find("did=0000000A") != std::string::npos &&
                                 log.find("did=0000000B") != std::string::npos;
                      }),
              0)
        << Read(nginx.ReportLog());
    pcs.clear();

    QProcess report;
    report.start(QUELMO_FLEET_REPORT, {QString::fromStdString(nginx.ReportLog())});
    ASSERT_TRUE(report.waitForFinished(30000));
    const std::string table = report.readAllStandardOutput().toStdString();
    EXPECT_EQ(report.exitCode(), 0);
    EXPECT_TRUE(std::regex_search(table, std::regex("\n0000000A  .* 1\n"))) << table;
    EXPECT_TRUE(std::regex_search(table, std::regex("\n0000000B  .* 1\n"))) << table;
    EXPECT_TRUE(std::regex_search(table, std::regex("\nTotal +2 devices +0 +0 +2\n"))) << table;
    std::printf("%s", table.c_str());
}

} // namespace
} // namespace quelmo::test
