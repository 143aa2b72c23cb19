// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine against libcurl on the same files, served by an nginx of our own on
// 127.0.0.1 (private prefix and configuration, a free port, stopped by its pid). Each
// iteration runs every contender once, so that all meet the same state of the machine; the
// figures are medians.
//   HTTPReadString of 100 MB: "ratio_to_libcurl" (libcurl in this process, its body discarded,
//     over ours) at least 0.95; "share_of_ceiling" (a plain socket read loop of the same bytes
//     over ours); "ratio_to_curl" against the curl program, whose start-up counts against it;
//     "peak_mb" (the growth of the peak resident size) within "peak_limit_mb" (2.2 × the body
//     + 40 MB);
//   TWinHTTP into OutputFileName: the same against libcurl writing the file, at least 0.95;
//   HTTPReadString of 1 KB: "median_ms" under 2 ("ratio_to_target" below 1).
#include "http/winhttp.h"
#include "platform/reference/transfer_reference.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t kBigBytes = 100u << 20;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

// Wall time of a program run to its end; negative when it failed.
double RunSeconds(const std::vector<std::string>& args) {
    const auto start = Clock::now();
    const pid_t pid = Spawn(args);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return Seconds(Clock::now() - start);
}

int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

// Peak resident size in kB since the last reset.
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
        if (key == "VmHWM:" && status >> value)
            return value;
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

class Nginx {
public:
    Nginx() {
        const QString root = mDir.path();
        QDir(root).mkpath("www");
        QDir(root).mkpath("tmp");
        WriteFile(root + "/www/big.bin", kBigBytes);
        WriteFile(root + "/www/small.txt", 1024);
        mPort = FreePort();
        const std::string r = root.toStdString();
        std::ofstream conf(r + "/nginx.conf");
        if (geteuid() == 0)
            conf << "user root;\n";
        conf << "daemon off;\nworker_processes 1;\npid " << r << "/nginx.pid;\n"
             << "error_log " << r << "/error.log;\nevents { worker_connections 64; }\n"
             << "http {\n access_log off;\n sendfile on;\n"
             << " client_body_temp_path " << r << "/tmp;\n proxy_temp_path " << r << "/tmp;\n"
             << " fastcgi_temp_path " << r << "/tmp;\n uwsgi_temp_path " << r << "/tmp;\n"
             << " scgi_temp_path " << r << "/tmp;\n"
             << " server { listen 127.0.0.1:" << mPort << "; root " << r << "/www; }\n}\n";
        conf.close();
        mPid = Spawn({"nginx", "-p", r, "-c", r + "/nginx.conf", "-e", r + "/error.log"});
        // Ready when it answers.
        for (int i = 0; i < 200 && !Ready(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ~Nginx() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
        }
    }
    bool Ready() const {
        return mPid > 0 &&
               RunSeconds({"curl", "-s", "-f", "-o", "/dev/null", Url("/small.txt")}) >= 0;
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(mPort) + path;
    }
    std::string Scratch(const char* name) const { return mDir.filePath(name).toStdString(); }
    int Port() const { return mPort; }

private:
    static void WriteFile(const QString& path, std::size_t size) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        std::string block(1 << 20, '\0');
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>(i * 7 % 251);
        for (std::size_t left = size; left > 0;) {
            const std::size_t n = std::min(left, block.size());
            file.write(block.data(), static_cast<qint64>(n));
            left -= n;
        }
    }
    QTemporaryDir mDir;
    int mPort = 0;
    pid_t mPid = -1;
};

Nginx& Server() {
    static Nginx server;
    return server;
}

double Median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return runs.empty() ? 0 : runs[runs.size() / 2];
}

// curl fetching the big file into `output`. An old copy is removed first, so that truncating
// it is not counted.
double CurlSeconds(const std::string& output) {
    if (output != "/dev/null")
        QFile::remove(QString::fromStdString(output));
    return RunSeconds({"curl", "-s", "-o", output, Server().Url("/big.bin")});
}

// The others' medians against ours.
struct Contenders {
    std::vector<double> curl, libcurl, ceiling, ours;
    bool failed = false;

    // One run of each but ours, into `file` or discarding the body.
    void RunOthers(const std::string& file) {
        curl.push_back(CurlSeconds(file.empty() ? "/dev/null" : file));
        if (!file.empty())
            QFile::remove(QString::fromStdString(file));
        const auto lib = quelmo::platform::reference::LibcurlFetch(Server().Url("/big.bin"), file);
        libcurl.push_back(lib.seconds);
        const auto plain = quelmo::platform::reference::SocketRead(Server().Port(), "/big.bin");
        ceiling.push_back(plain.seconds);
        failed = failed || lib.bytes != kBigBytes || plain.bytes < kBigBytes;
    }

    void Report(benchmark::State& state) const {
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBigBytes));
        const double mine = Median(ours);
        state.counters["ours_ms"] = mine * 1000;
        state.counters["libcurl_ms"] = Median(libcurl) * 1000;
        state.counters["ceiling_ms"] = Median(ceiling) * 1000;
        state.counters["curl_program_ms"] = Median(curl) * 1000;
        state.counters["ratio_to_libcurl"] = Median(libcurl) / mine;
        state.counters["share_of_ceiling"] = Median(ceiling) / mine;
        state.counters["ratio_to_curl"] = Median(curl) / mine;
    }
};

void BM_HTTPReadString100MB(benchmark::State& state) {
    if (!Server().Ready())
        return state.SkipWithError("nginx did not start (Debian: nginx-light)");
    Contenders runs;
    double peakMb = 0;
    for (auto _ : state) {
        runs.RunOthers({});
        ResetPeak();
        const long base = PeakKb();
        const auto start = Clock::now();
        const std::string body = quelmo::HTTPReadString(Server().Url("/big.bin"), 900);
        const double s = Seconds(Clock::now() - start);
        runs.ours.push_back(s);
        state.SetIterationTime(s);
        peakMb = std::max(peakMb, (PeakKb() - base) / 1024.0);
        if (body.size() != kBigBytes || runs.failed)
            return state.SkipWithError("a body did not arrive whole");
    }
    runs.Report(state);
    state.counters["peak_mb"] = peakMb;
    state.counters["peak_limit_mb"] = 2.2 * kBigBytes / (1 << 20) + 40;
}
BENCHMARK(BM_HTTPReadString100MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_WinHTTPToOutputFile(benchmark::State& state) {
    if (!Server().Ready())
        return state.SkipWithError("nginx did not start (Debian: nginx-light)");
    const std::string target = Server().Scratch("ours.bin");
    Contenders runs;
    for (auto _ : state) {
        runs.RunOthers(Server().Scratch("curl.bin"));
        QFile::remove(QString::fromStdString(target));
        quelmo::TWinHTTP http;
        http.URL = Server().Url("/big.bin");
        http.OutputFileName = target;
        bool done = false;
        http.OnDone = [&](quelmo::TComponent*, const std::string&, std::uint32_t size, QIODevice*) {
            done = size == kBigBytes;
        };
        const auto start = Clock::now();
        http.Read(true);
        const double s = Seconds(Clock::now() - start);
        runs.ours.push_back(s);
        state.SetIterationTime(s);
        if (!done || runs.failed)
            return state.SkipWithError("a file did not arrive whole");
    }
    runs.Report(state);
}
BENCHMARK(BM_WinHTTPToOutputFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_HTTPReadString1KB(benchmark::State& state) {
    if (!Server().Ready())
        return state.SkipWithError("nginx did not start (Debian: nginx-light)");
    std::vector<double> runs;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::string body = quelmo::HTTPReadString(Server().Url("/small.txt"), 900);
        const double s = Seconds(Clock::now() - start);
        state.SetIterationTime(s);
        runs.push_back(s);
        if (body.size() != 1024)
            return state.SkipWithError("the body did not arrive whole");
    }
    const double median = Median(runs) * 1000;
    state.counters["median_ms"] = median;
    state.counters["ratio_to_target"] = median / 2.0;
}
BENCHMARK(BM_HTTPReadString1KB)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
