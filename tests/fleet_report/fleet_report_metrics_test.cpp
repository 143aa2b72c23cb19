// The report's metrics as Prometheus takes them: promtool checks the exposition, and a real
// node_exporter on 127.0.0.1, with only its textfile collector, serves them.
#include "tests/config/config_test_util.h"
#include "tests/fleet_report/report_log.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>
#include <filesystem>

namespace quelmo::fleet {
namespace {

constexpr const char* kPromtool = "/usr/bin/promtool";
constexpr const char* kNodeExporter = "/usr/bin/prometheus-node-exporter";
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kStart = 20430 * kDay; // 2025-12-08

class MetricsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {kPromtool, kNodeExporter})
            if (!std::filesystem::exists(tool))
                GTEST_SKIP() << tool << " is missing (scripts/install-deps.sh installs it)";
        std::string log;
        for (int day = 0; day < 10; ++day) {
            log +=
                test::Report(test::LogTime(kStart + day * kDay), 100 + day, day, "0000000A") + "\n";
            if (day < 2)
                log +=
                    test::Report(test::LogTime(kStart + day * kDay + 60), 7, 1, "00C0FFEE") + "\n";
        }
        // A line to skip: its device id would end the label's quotes.
        log += test::Report(test::LogTime(kStart), 1, 1, "0A\"}x 1") + "\n";
        quelmo::test::WriteBytes(dir.filePath("reports.log").toStdString(), log);
        QDir(dir.path()).mkpath("textfile");
        const test::Run made =
            test::RunReport({"--prometheus", "--until", "2025-12-17", "--output",
                             dir.filePath("textfile/quelmo.prom"), dir.filePath("reports.log")});
        ASSERT_EQ(made.code, 0) << made.err;
        metrics = quelmo::test::ReadBytes(dir.filePath("textfile/quelmo.prom").toStdString())
                      .value_or("");
    }
    QTemporaryDir dir;
    std::string metrics;
};

TEST_F(MetricsTest, PromtoolAcceptsThem) {
    QProcess promtool;
    promtool.setProcessChannelMode(QProcess::MergedChannels);
    promtool.start(kPromtool, {"check", "metrics"});
    promtool.write(QByteArray::fromStdString(metrics));
    promtool.closeWriteChannel();
    ASSERT_TRUE(promtool.waitForFinished(60000));
    EXPECT_EQ(promtool.exitCode(), 0) << promtool.readAll().toStdString() << metrics;
}

TEST_F(MetricsTest, NodeExporterServesThem) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    QProcess exporter;
    exporter.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    exporter.start(kNodeExporter, {"--web.listen-address=127.0.0.1:" + QString::number(port),
                                   "--collector.disable-defaults", "--collector.textfile",
                                   "--collector.textfile.directory=" + dir.filePath("textfile")});
    ASSERT_TRUE(exporter.waitForStarted(10000));
    httplib::Client client("127.0.0.1", port);
    const auto scrape = [&] {
        for (int i = 0; i < 200; ++i) {
            if (const auto answer = client.Get("/metrics"); answer && answer->status == 200)
                return answer->body;
            QThread::msleep(100);
        }
        return std::string();
    };
    const std::string served = scrape();
    for (const char* sample : {
             "quelmo_kwh_used_total{device=\"0000000A\"} 109",
             "quelmo_kwh_saved_total{device=\"0000000A\"} 9",
             "quelmo_kwh_used_total{device=\"00C0FFEE\"} 7",
             "quelmo_last_report_timestamp_seconds{device=\"00C0FFEE\"} 1.76523846e+09",
             "quelmo_devices 2",
             "quelmo_silent_devices 1",
             "node_textfile_scrape_error 0",
         })
        EXPECT_NE(served.find(sample), std::string::npos) << sample << "\n" << served;

    // The check can fail: a file the collector cannot read is told.
    quelmo::test::WriteBytes(dir.filePath("textfile/broken.prom").toStdString(), "x{ 1\n");
    EXPECT_NE(scrape().find("node_textfile_scrape_error 1"), std::string::npos);

    ::kill(static_cast<pid_t>(exporter.processId()), SIGTERM);
    EXPECT_TRUE(exporter.waitForFinished(10000));
}

} // namespace
} // namespace quelmo::fleet
