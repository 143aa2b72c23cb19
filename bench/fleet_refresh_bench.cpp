// What a fleet's checks of its configuration database cost the server: simulated PCs (one
// process, libcurl's multi interface) against the shipped nginx site on 127.0.0.1, over https
// as shipped (each check a new connection with its handshake).
// QUELMO_BENCH_PCS sets the fleet's size (5000), QUELMO_BENCH_PERIOD_MS the refresh period the
// spread is measured over (10000, a real hour compressed): the figure is given as a fraction of
// the period, valid for any period as long as the server keeps up with pcs / period requests a
// second (at N = 60 a real fleet of 5000 asks 1.4 times a second).
#include "platform/swarm/conditional_get_swarm.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using quelmo::platform::ConditionalGetSwarm;

std::size_t EnvSize(const char* name, std::size_t fallback) {
    const char* text = std::getenv(name);
    const long value = text ? std::atol(text) : 0;
    return value > 0 ? static_cast<std::size_t>(value) : fallback;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

// A database of the usual size: seven days of 144 slots.
std::string Database(int version) {
    std::string text = "Password=\nDelayAction=0\nOffAction=" + std::to_string(version % 2) + "\n";
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
        text += std::string(day) + "=" + std::string(144, '1') + "\n";
    return text;
}

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Runs a program to its end, its output thrown away; whether it succeeded.
bool Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return !failed && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The shipped site in a private prefix, nginx in the foreground, over https as shipped: a
// certificate authority of its own signs the server's certificate.
class FleetServer {
public:
    FleetServer() {
        const std::string r = mDir.path().toStdString();
        QDir(mDir.path()).mkpath("srv");
        QDir(mDir.path()).mkpath("logs");
        QDir(mDir.path()).mkpath("tmp");
        mPort = FreePort();
        if (!Run({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                  "/CN=bench-ca", "-keyout", r + "/ca.key", "-out", Authority()}) ||
            !Run({"openssl", "req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1",
                  "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", r + "/server.key", "-out",
                  r + "/server.csr"}) ||
            !Run({"openssl", "x509", "-req", "-in", r + "/server.csr", "-CA", Authority(), "-CAkey",
                  r + "/ca.key", "-CAcreateserial", "-days", "2", "-copy_extensions", "copy",
                  "-out", r + "/server.pem"}))
            return;
        std::ifstream in(QUELMO_FLEET_SITE);
        std::stringstream site;
        site << in.rdbuf();
        std::string text =
            Replaced(site.str(), "listen 443 ssl;",
                     "listen 127.0.0.1:" + std::to_string(mPort) + " ssl backlog=4096;");
        text = Replaced(text, "listen 80;", "listen 127.0.0.1:" + std::to_string(FreePort()) + ";");
        text = Replaced(text, "/etc/ssl/certs/quelmo-fleet.pem", r + "/server.pem");
        text = Replaced(text, "/etc/ssl/private/quelmo-fleet.key", r + "/server.key");
        text = Replaced(Replaced(text, "/srv/quelmo", r + "/srv"), "/var/log/nginx/", r + "/logs/");
        std::ofstream(r + "/site.conf") << text;
        std::ofstream(r + "/nginx.conf")
            << "daemon off;\nmaster_process off;\npid " << r << "/nginx.pid;\nerror_log " << r
            << "/logs/error.log;\nevents { worker_connections 4096; }\nhttp {\n"
            << " client_body_temp_path " << r << "/tmp;\n proxy_temp_path " << r << "/tmp;\n"
            << " fastcgi_temp_path " << r << "/tmp;\n uwsgi_temp_path " << r << "/tmp;\n"
            << " scgi_temp_path " << r << "/tmp;\n include " << r << "/site.conf;\n}\n";
        Publish(0);
        const std::string conf = r + "/nginx.conf";
        std::vector<std::string> args = {"nginx", "-p", r, "-c", conf, "-e", r + "/logs/error.log"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&mPid, "nginx", nullptr, nullptr, argv.data(), environ) != 0)
            mPid = -1;
        for (int i = 0; i < 200 && !Ready(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ~FleetServer() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
        }
    }
    bool Ready() {
        if (mPid <= 0)
            return false;
        ConditionalGetSwarm one(Url(), 1, 1, Authority());
        one.Ask(0);
        while (one.Pending())
            one.Run(50);
        return one.Pc(0).bodies == 1;
    }
    // A new version moved into place, with a time of change of its own for Last-Modified.
    void Publish(int version) {
        const std::string srv = mDir.path().toStdString() + "/srv/";
        std::ofstream(srv + "Quelmo.db.new") << Database(version);
        std::rename((srv + "Quelmo.db.new").c_str(), (srv + "Quelmo.db").c_str());
        // Versions of one size published within a second would share nginx's validators.
        std::filesystem::last_write_time(srv + "Quelmo.db",
                                         std::filesystem::file_time_type::clock::now() +
                                             std::chrono::minutes(version));
    }
    std::string Url() const { return "https://127.0.0.1:" + std::to_string(mPort) + "/Quelmo.db"; }
    std::string Authority() const { return mDir.path().toStdString() + "/ca.pem"; }

private:
    QTemporaryDir mDir;
    int mPort = 0;
    pid_t mPid = -1;
};

// Every PC asks once; returns when all have their answer.
void Round(ConditionalGetSwarm& swarm, std::size_t pcs) {
    for (std::size_t pc = 0; pc < pcs; ++pc)
        swarm.Ask(pc);
    while (swarm.Pending())
        swarm.Run(20);
}

// A fleet whose PCs all hold the current database: each check is answered 304.
void BM_UnchangedChecks(benchmark::State& state) {
    const std::size_t pcs = EnvSize("QUELMO_BENCH_PCS", 5000);
    FleetServer server;
    if (!server.Ready()) {
        state.SkipWithError("nginx did not start");
        return;
    }
    ConditionalGetSwarm swarm(server.Url(), pcs, 64, server.Authority());
    Round(swarm, pcs);
    double seconds = 0;
    std::size_t requests = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        Round(swarm, pcs);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        requests += pcs;
    }
    std::size_t unchanged = 0, failures = 0;
    for (std::size_t pc = 0; pc < pcs; ++pc) {
        unchanged += static_cast<std::size_t>(swarm.Pc(pc).notModified);
        failures += static_cast<std::size_t>(swarm.Pc(pc).failures);
    }
    state.counters["pcs"] = static_cast<double>(pcs);
    state.counters["requests_per_s"] = static_cast<double>(requests) / seconds;
    state.counters["answered_304"] = static_cast<double>(unchanged);
    state.counters["failures"] = static_cast<double>(failures);
    state.SetLabel("each check a new connection, 64 at a time");
}

void BM_BytesPerPcPerDayAtSixtyMinutes(benchmark::State& state) {
    FleetServer server;
    if (!server.Ready()) {
        state.SkipWithError("nginx did not start");
        return;
    }
    ConditionalGetSwarm swarm(server.Url(), 1, 1, server.Authority());
    Round(swarm, 1); // the first check fetches the database
    const std::size_t firstBytes = swarm.Pc(0).bytesUp + swarm.Pc(0).bytesDown;
    std::size_t checks = 0;
    for (auto _ : state) {
        Round(swarm, 1);
        ++checks;
    }
    const double perCheck =
        static_cast<double>(swarm.Pc(0).bytesUp + swarm.Pc(0).bytesDown - firstBytes) /
        static_cast<double>(checks);
    // N = 60: 24 checks a day; a day on which the database changes adds one whole answer.
    state.counters["bytes_per_check_304"] = perCheck;
    state.counters["bytes_per_pc_day"] = 24 * perCheck;
    state.counters["bytes_per_pc_day_with_a_change"] =
        23 * perCheck + static_cast<double>(firstBytes);
}

// The database changes; each PC's next check falls at its own offset within the period.
void BM_ChangeReaches99Percent(benchmark::State& state) {
    const std::size_t pcs = EnvSize("QUELMO_BENCH_PCS", 5000);
    const std::size_t periodMs = EnvSize("QUELMO_BENCH_PERIOD_MS", 10000);
    FleetServer server;
    if (!server.Ready()) {
        state.SkipWithError("nginx did not start");
        return;
    }
    ConditionalGetSwarm swarm(server.Url(), pcs, 256, server.Authority());
    Round(swarm, pcs);
    std::mt19937 random(1);
    std::vector<std::size_t> offsets(pcs);
    for (std::size_t& offset : offsets)
        offset = random() % periodMs; // a device id's offset within the period
    int version = 0;
    double seconds = 0;
    for (auto _ : state) {
        server.Publish(++version);
        const int wanted = version + 1; // bodies: the first round's and one per change
        const auto start = Clock::now();
        std::vector<bool> asked(pcs, false);
        std::size_t reached = 0;
        const std::size_t target = (pcs * 99 + 99) / 100;
        while (reached < target) {
            if (Clock::now() - start > std::chrono::milliseconds(20 * periodMs)) {
                state.SkipWithError("the change did not reach 99 % within 20 periods");
                break;
            }
            const auto elapsedMs = static_cast<std::size_t>(
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start)
                    .count());
            for (std::size_t pc = 0; pc < pcs; ++pc)
                if (!asked[pc] && offsets[pc] <= elapsedMs) {
                    asked[pc] = true;
                    swarm.Ask(pc);
                }
            for (const std::size_t pc : swarm.Run(2))
                if (swarm.Pc(pc).bodies == wanted)
                    ++reached;
        }
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        while (swarm.Pending())
            swarm.Run(20);
    }
    const double fraction = seconds * 1000.0 / static_cast<double>(periodMs);
    state.counters["seconds_to_99_percent"] = seconds;
    state.counters["fraction_of_period"] = fraction;
    state.counters["minutes_at_N60"] = fraction * 60;
}

BENCHMARK(BM_UnchangedChecks)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BytesPerPcPerDayAtSixtyMinutes)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeReaches99Percent)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
