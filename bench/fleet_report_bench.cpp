// quelmo-fleet-report over a log of many usage reports (1 M lines by default,
// QUELMO_BENCH_LINES sets it), plain and gzip-compressed, making the page and the metrics;
// beside it in the same run mawk summing the same two fields of the same file (from gzip -dc
// for the compressed one). Each figure is the best of the iterations, lines per second, with
// "ratio_to_mawk" (ours / mawk's, target at least 1) and the report's peak memory.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::size_t Lines() {
    const char* text = std::getenv("QUELMO_BENCH_LINES");
    const long value = text ? std::atol(text) : 0;
    return value > 0 ? static_cast<std::size_t>(value) : 1000000;
}

// Seconds and peak memory (KB) of a program run to its end, its output thrown away; a
// negative time when it failed.
struct Ran {
    double seconds = -1;
    long peakKb = 0;
};
Ran Spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {seconds, usage.ru_maxrss};
}

// A thousand PCs reporting in turn, a few seconds apart, over as many days as that takes.
class Logs {
public:
    Logs() {
        const std::string plain = Plain();
        std::ofstream out(plain);
        std::mt19937 random(7);
        std::vector<std::pair<long long, long long>> counts(1000);
        std::vector<unsigned> ids(1000);
        for (std::size_t pc = 0; pc < ids.size(); ++pc) {
            ids[pc] = random();
            counts[pc] = {random() % 5000, random() % 2000};
        }
        std::time_t second = 1764547200; // 2025-12-01 00:00 UTC
        char line[400], time[40];
        for (std::size_t i = 0; i < Lines(); ++i) {
            second += 2 + (i % 3 == 0);
            const std::size_t pc = i % ids.size();
            auto& [used, saved] = counts[pc];
            used += 1;
            saved += (i / ids.size()) % 2;
            std::tm utc{};
            gmtime_r(&second, &utc);
            std::strftime(time, sizeof time, "%d/%b/%Y:%H:%M:%S +0000", &utc);
            std::snprintf(
                line, sizeof line,
                "10.1.%zu.%zu - - [%s] \"GET /Quelmo/setup/QuelmoV.php?kwu=%lld,&kws=%lld,"
                "&did=%08X HTTP/1.1\" 204 0 \"-\" \"Vormel component (quelmo.github.io)\"\n",
                pc / 250, pc % 250, time, used, saved, ids[pc]);
            out << line;
        }
        out.close();
        mReady = Spawn({"gzip", "-6", "-k", plain}).seconds >= 0;
    }
    bool Ready() const { return mReady; }
    std::string Plain() const { return mDir.path().toStdString() + "/reports.log"; }
    std::string Compressed() const { return Plain() + ".gz"; }

private:
    QTemporaryDir mDir;
    bool mReady = false;
};

const Logs& TheLogs() {
    static const Logs logs;
    return logs;
}

void BM_FleetReport(benchmark::State& state, const char* format, bool compressed) {
    if (!TheLogs().Ready())
        return state.SkipWithError("the compressed log could not be made (gzip)");
    const std::string file = compressed ? TheLogs().Compressed() : TheLogs().Plain();
    const std::string sum = "{u+=$2; s+=$4} END {print u, s}";
    const std::vector<std::string> peer =
        compressed
            ? std::vector<std::string>{"sh", "-c",
                                       "gzip -dc '" + file + "' | mawk -F'[=,]' '" + sum + "'"}
            : std::vector<std::string>{"mawk", "-F[=,]", sum, file};
    double ours = 1e9, mawk = 1e9;
    long peakKb = 0;
    for (auto _ : state) {
        const Ran report = Spawn({QUELMO_FLEET_REPORT, format, "--until", "2030-01-01", file});
        const Ran awk = Spawn(peer);
        if (report.seconds < 0)
            return state.SkipWithError("quelmo-fleet-report failed");
        if (awk.seconds < 0)
            return state.SkipWithError("mawk failed (Debian: mawk)");
        ours = std::min(ours, report.seconds);
        mawk = std::min(mawk, awk.seconds);
        peakKb = std::max(peakKb, report.peakKb);
        state.SetIterationTime(report.seconds);
    }
    const double lines = static_cast<double>(Lines());
    state.counters["lines_per_s"] = lines / ours;
    state.counters["mawk_lines_per_s"] = lines / mawk;
    state.counters["ratio_to_mawk"] = mawk / ours;
    state.counters["peak_mb"] = static_cast<double>(peakKb) / 1024;
}

#define FLEET_REPORT_BENCH(name, format, compressed)                                               \
    BENCHMARK_CAPTURE(BM_FleetReport, name, format, compressed)                                    \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(5)
FLEET_REPORT_BENCH(html_plain, "--html", false);
FLEET_REPORT_BENCH(html_gzip, "--html", true);
FLEET_REPORT_BENCH(prometheus_plain, "--prometheus", false);
FLEET_REPORT_BENCH(prometheus_gzip, "--prometheus", true);

} // namespace

BENCHMARK_MAIN();
