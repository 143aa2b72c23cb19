#pragma once
// The shipped nginx site on 127.0.0.1 in a private prefix, with a certificate authority and a
// server certificate the test makes itself, as the README tells an administrator to.

#include "tests/config/config_test_util.h"

#include <httplib.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>
#include <filesystem>
#include <functional>

namespace quelmo::test {

inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to), at += to.size();
    return text;
}

inline int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Waits up to `seconds` for `done`, looking every 100 ms; the seconds it took, or -1.
inline double WaitFor(double seconds, const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000) {
        if (done())
            return timer.elapsed() / 1000.0;
        QThread::msleep(100);
    }
    return done() ? timer.elapsed() / 1000.0 : -1;
}

inline std::string Read(const std::string& path) {
    return ReadBytes(path).value_or("");
}

// The exit code of a program run to its end, its output kept in `output`.
inline int RunProgram(const QString& program, const QStringList& arguments,
                      std::string* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = process.readAll().toStdString();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// fleet-ca: the authority the PCs trust; other-ca: one they do not; server.pem and server.key:
// the site's certificate, signed by fleet-ca, for the site's name and 127.0.0.1.
struct FleetCertificates {
    explicit FleetCertificates(const std::string& folder) : dir(folder) {}
    bool Make() const {
        std::filesystem::create_directories(dir);
        const auto run = [](const QStringList& arguments) {
            return RunProgram("openssl", arguments) == 0;
        };
        const auto authority = [&](const QString& name) {
            return run({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                        "/CN=" + name, "-keyout", Path(name + ".key"), "-out",
                        Path(name + ".pem")});
        };
        return authority("fleet-ca") && authority("other-ca") &&
               run({"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=fleet.school.example",
                    "-addext", "subjectAltName=DNS:fleet.school.example,IP:127.0.0.1", "-keyout",
                    Path("server.key"), "-out", Path("server.csr")}) &&
               run({"x509", "-req", "-in", Path("server.csr"), "-CA", Path("fleet-ca.pem"),
                    "-CAkey", Path("fleet-ca.key"), "-CAcreateserial", "-days", "2",
                    "-copy_extensions", "copy", "-out", Path("server.pem")});
    }
    QString Path(const QString& name) const { return QString::fromStdString(dir + "/") + name; }
    std::string File(const char* name) const { return dir + "/" + name; }
    std::string dir;
};

// nginx as a foreground process of its own, with the shipped site moved into a private prefix:
// plain http and https on ports of their own, the test's certificate, and the page's folder.
class FleetSite {
public:
    FleetSite(const std::string& root, const FleetCertificates& certificates)
        : mRoot(root), mPort(FreePort()), mPlainPort(FreePort()) {
        for (const char* folder : {"/srv", "/logs", "/page", "/tmp"})
            std::filesystem::create_directories(root + folder);
        std::string site = Read(QUELMO_FLEET_SITE);
        site = Replaced(site, "listen 80;", "listen 127.0.0.1:" + std::to_string(mPlainPort) + ";");
        site = Replaced(site, "listen 443 ssl;",
                        "listen 127.0.0.1:" + std::to_string(mPort) + " ssl;");
        site = Replaced(site, "/etc/ssl/certs/quelmo-fleet.pem", certificates.File("server.pem"));
        site = Replaced(site, "/etc/ssl/private/quelmo-fleet.key", certificates.File("server.key"));
        site = Replaced(site, "/srv/quelmo", root + "/srv");
        site = Replaced(site, "/var/log/nginx/", root + "/logs/");
        site = Replaced(site, "/var/lib/quelmo-fleet/", root + "/page/");
        WriteBytes(root + "/site.conf", site);
        WriteBytes(root + "/nginx.conf",
                   "daemon off;\nmaster_process off;\npid " + root + "/nginx.pid;\nerror_log " +
                       root + "/logs/error.log;\nevents { worker_connections 256; }\nhttp {\n" +
                       "  client_body_temp_path " + root + "/tmp;\n  proxy_temp_path " + root +
                       "/tmp;\n  fastcgi_temp_path " + root + "/tmp;\n  uwsgi_temp_path " + root +
                       "/tmp;\n  scgi_temp_path " + root + "/tmp;\n  include " + root +
                       "/site.conf;\n}\n");
    }
    ~FleetSite() {
        if (mProcess.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(mProcess.processId()), SIGTERM);
            mProcess.waitForFinished(10000);
        }
    }
    // nginx -t: the configuration as nginx reads it, without starting.
    int Check(std::string* said) const {
        return RunProgram(kNginx,
                          {"-t", "-p", QString::fromStdString(mRoot), "-c",
                           QString::fromStdString(mRoot + "/nginx.conf")},
                          said);
    }
    bool Start() {
        mProcess.setProcessChannelMode(QProcess::ForwardedChannels);
        mProcess.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        mProcess.start(kNginx, {"-p", QString::fromStdString(mRoot), "-c",
                                QString::fromStdString(mRoot + "/nginx.conf")});
        if (!mProcess.waitForStarted(10000))
            return false;
        httplib::Client client("127.0.0.1", mPlainPort);
        return WaitFor(20, [&] { return static_cast<bool>(client.Get("/Quelmo.db")); }) >= 0;
    }
    // A new version of the database, moved into place as an administrator would.
    void Publish(const std::string& bytes) {
        WriteBytes(mRoot + "/srv/Quelmo.db.new", bytes);
        std::filesystem::rename(mRoot + "/srv/Quelmo.db.new", mRoot + "/srv/Quelmo.db");
        // Versions of one size published within a second would share nginx's validators.
        std::filesystem::last_write_time(mRoot + "/srv/Quelmo.db",
                                         std::filesystem::file_time_type::clock::now() +
                                             std::chrono::minutes(++mVersion));
    }
    std::string HttpsBase() const { return "https://127.0.0.1:" + std::to_string(mPort); }
    int Port() const { return mPort; }
    int PlainPort() const { return mPlainPort; }
    std::string Root() const { return mRoot; }
    std::string AccessLog() const { return Read(mRoot + "/logs/quelmo-access.log"); }
    std::string ReportLog() const { return mRoot + "/logs/quelmo-reports.log"; }
    static constexpr const char* kNginx = "/usr/sbin/nginx";

private:
    std::string mRoot;
    int mPort, mPlainPort;
    int mVersion = 0;
    QProcess mProcess;
};

} // namespace quelmo::test
