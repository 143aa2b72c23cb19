// The fleet's totals from combined-format logs: the parser, the sums and the program itself.
#include "fleet_report/fleet_totals.h"
#include "fleet_report/html_text.h"
#include "fleet_report/prometheus_metrics.h"
#include "fleet_report/report_output.h"
#include "tests/config/config_test_util.h"
#include "tests/fleet_report/report_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <sstream>

namespace quelmo::fleet {
namespace {

using test::Line;
using test::Report;
using test::RunReport;

TEST(CombinedLogTest, KindsOfLines) {
    const std::string at = "08/Dec/2026:15:30:43 +0000";
    const std::string path = "/Quelmo/setup/QuelmoV.php";
    struct Row {
        const char* name;
        std::string line;
        LineKind kind;
    } rows[] = {
        {"a report", Report(at, 12, 3, "0A1B2C3D"), LineKind::Report},
        {"another request", Line(at, "/Quelmo.db", 304), LineKind::Other},
        {"a probe without a request",
         "10.0.0.9 - - [08/Dec/2026:15:30:43 +0000] \"-\" 400 0 \"-\" \"-\"", LineKind::Other},
        {"blank", "  \r", LineKind::Blank},
        {"not the format", "GET /Quelmo/setup/QuelmoV.php?kwu=1,&kws=0,&did=0A1B2C3D",
         LineKind::Malformed},
        {"a bad date", Report("31/Feb/2026:15:30:43 +0000", 1, 0, "0A1B2C3D"), LineKind::Malformed},
        {"a device id of seven digits", Report(at, 1, 0, "0A1B2C3"), LineKind::Malformed},
        {"a device id of nine digits", Report(at, 1, 0, "0A1B2C3D4"), LineKind::Malformed},
        {"a device id with markup", Report(at, 1, 0, "<b>\"x</b>"), LineKind::Malformed},
        {"a device id with a prefix", Report(at, 1, 0, "0x1B2C3D"), LineKind::Malformed},
        {"no device id", Line(at, path + "?kwu=1,&kws=0,"), LineKind::Malformed},
        {"a negative count", Line(at, path + "?kwu=-1,&kws=0,&did=0A1B2C3D"), LineKind::Malformed},
        {"a fraction", Line(at, path + "?kwu=1.5,&kws=0,&did=0A1B2C3D"), LineKind::Malformed},
        {"an exponent", Line(at, path + "?kwu=1e3,&kws=0,&did=0A1B2C3D"), LineKind::Malformed},
        {"a plus sign", Line(at, path + "?kwu=+1,&kws=0,&did=0A1B2C3D"), LineKind::Malformed},
        {"too large a count", Line(at, path + "?kwu=99999999999999999999,&kws=0,&did=0A1B2C3D"),
         LineKind::Malformed},
        {"a count twice", Line(at, path + "?kwu=1,&kws=0,&kwu=2,&did=0A1B2C3D"),
         LineKind::Malformed},
        {"cut short", Report(at, 1, 0, "0A1B2C3D").substr(0, 60), LineKind::Malformed},
        {"a user agent with markup",
         Line(at, path + "?kwu=1,&kws=0,&did=0A1B2C3D", 204, "<i>\\\"x"), LineKind::Report},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseCombinedLine(row.line).kind, row.kind) << row.name;
    const ParsedLine parsed =
        ParseCombinedLine(Report("08/Dec/2026:16:30:43 +0100", 12, 3, "0a1b2c3d"));
    EXPECT_EQ(FormatUtc(parsed.report.utcSeconds), "2026-12-08 15:30:43") << "the zone's offset";
    EXPECT_EQ(parsed.report.device, 0x0A1B2C3Du);
    EXPECT_EQ(parsed.report.kwhUsed, 12);
    EXPECT_EQ(parsed.report.kwhSaved, 3);
}

TEST(FleetTotalsTest, LatestCountersWhateverTheOrderAndSince) {
    // The newer log first, as "report.log report.log.1.gz" gives them.
    const std::string newer = Report("09/Dec/2026:08:00:00 +0000", 14, 5, "0A1B2C3D") + "\n" +
                              Report("09/Dec/2026:09:00:00 +0000", 7, 1, "00C0FFEE") + "\n";
    const std::string older =
        Report("08/Dec/2026:08:00:00 +0000", 12, 3, "0A1B2C3D") + "\n" + "garbage\n";
    FleetTotals all;
    EXPECT_EQ(AddLogText(newer, all), 0);
    EXPECT_EQ(AddLogText(older, all), 1);
    const FleetFigures figures = all.Figures();
    const DeviceRow& pc = figures.devices.at(0x0A1B2C3D);
    EXPECT_EQ(FormatUtc(pc.firstSeen), "2026-12-08 08:00:00");
    EXPECT_EQ(FormatUtc(pc.lastSeen), "2026-12-09 08:00:00");
    EXPECT_EQ(pc.kwhUsed, 14);
    EXPECT_EQ(pc.kwhSaved, 5);
    EXPECT_EQ(pc.reports, 2);
    EXPECT_EQ(pc.period.used, 2) << "the rise from the first report";
    const Totals t = figures.Sum();
    EXPECT_EQ(t.devices, 2);
    EXPECT_EQ(t.kwhUsed, 21);
    EXPECT_EQ(t.kwhSaved, 6);
    EXPECT_EQ(t.reports, 3);

    FleetTotals since({1796803200 /* 2026-12-09 00:00 UTC */});
    AddLogText(older + newer, since);
    const FleetFigures sinceFigures = since.Figures();
    const DeviceRow& recent = sinceFigures.devices.at(0x0A1B2C3D);
    EXPECT_EQ(recent.reports, 1);
    EXPECT_EQ(FormatUtc(recent.firstSeen), "2026-12-09 08:00:00");
    EXPECT_EQ(recent.period.used, 2) << "measured from the report before the period";
    EXPECT_EQ(recent.period.saved, 2);
    EXPECT_EQ(sinceFigures.Sum().devices, 2);
}

// However a log is cut into pieces, it reads as one.
TEST(LogReaderTest, PiecesAndLongLines) {
    std::string log;
    for (int i = 0; i < 50; ++i)
        log += Report(test::LogTime(1796803200 + i * 600), 10 + i, i / 2, "0A1B2C3D") + "\n";
    log += std::string(100 * 1024, 'x') + "\n" + "garbage\n";
    log += Report(test::LogTime(1796803200 + 50 * 600), 60, 25, "0A1B2C3D"); // no line end
    for (const std::size_t size : {std::size_t(1), std::size_t(7), std::size_t(4096), log.size()}) {
        FleetTotals fleet;
        LogReader reader(fleet);
        for (std::size_t at = 0; at < log.size(); at += size)
            reader.Feed(std::string_view(log).substr(at, size));
        reader.End();
        EXPECT_EQ(reader.Malformed(), 2) << "pieces of " << size;
        const FleetFigures figures = fleet.Figures();
        const DeviceRow& pc = figures.devices.at(0x0A1B2C3D);
        EXPECT_EQ(pc.reports, 51) << "pieces of " << size;
        EXPECT_EQ(pc.period.used, 50) << "pieces of " << size;
    }
}

TEST(EscapingTest, MarkupAndLabels) {
    EXPECT_EQ(Html("<a href=\"x\">'&'</a>").toStdString(),
              "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
    EXPECT_EQ(LabelValue("a\\b\"c\nd"), "a\\\\b\\\"c\\nd");
}

// The words of the table's line that starts with `first`, single-spaced.
std::string Words(const std::string& table, const std::string& first) {
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(first, 0) != 0)
            continue;
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word)
            joined += (joined.empty() ? "" : " ") + word;
        return joined;
    }
    return "(no line " + first + ")";
}

// The installed program over a plain and a rotated, compressed log.
TEST(FleetReportProgramTest, PlainAndCompressedLogs) {
    QTemporaryDir dir;
    const std::string plain = dir.path().toStdString() + "/reports.log";
    const std::string rotated = dir.path().toStdString() + "/reports.log.1";
    quelmo::test::WriteBytes(plain, Report("09/Dec/2026:08:00:00 +0000", 14, 5, "0A1B2C3D") + "\n");
    quelmo::test::WriteBytes(
        rotated, Report("08/Dec/2026:08:00:00 +0000", 12, 3, "0A1B2C3D") + "\nnot a log line\n" +
                     Report("08/Dec/2026:09:00:00 +0000", 7, 1, "00C0FFEE") + "\n");
    ASSERT_EQ(QProcess::execute("gzip", {"-9", QString::fromStdString(rotated)}), 0);
    const QStringList logs = {QString::fromStdString(plain),
                              QString::fromStdString(rotated + ".gz")};

    const auto [code, table, said] = RunReport(logs);
    EXPECT_EQ(code, 0) << said;
    EXPECT_EQ(Words(table, "0A1B2C3D"),
              "0A1B2C3D 2026-12-08 08:00:00 2026-12-09 08:00:00 14 5 2 2 2");
    EXPECT_EQ(Words(table, "00C0FFEE"),
              "00C0FFEE 2026-12-08 09:00:00 2026-12-08 09:00:00 7 1 0 0 1");
    EXPECT_EQ(Words(table, "Total"), "Total 2 devices 21 6 2 2 3");
    EXPECT_NE(table.find("1 malformed lines skipped"), std::string::npos) << table;

    const auto [csvCode, csv, csvSaid] = RunReport(
        QStringList{"--csv", "--since", "2026-12-09", "--price", "0.25", "--co2", "0.4"} + logs);
    EXPECT_EQ(csvCode, 0);
    EXPECT_EQ(csv, "device,first_seen_utc,last_seen_utc,kwh_used,kwh_saved,reports,"
                   "period_kwh_used,period_kwh_saved,period_money_saved,period_kg_co2_saved\n"
                   "0A1B2C3D,2026-12-09 08:00:00,2026-12-09 08:00:00,14,5,1,2,2,0.50,0.80\n"
                   "total,,,14,5,1,2,2,0.50,0.80\n");
    EXPECT_EQ(csvSaid, "1 malformed lines skipped\n");

    const auto [untilCode, untilCsv, untilSaid] =
        RunReport(QStringList{"--csv", "--until", "2026-12-08"} + logs);
    EXPECT_EQ(untilCode, 0);
    EXPECT_NE(untilCsv.find("\n0A1B2C3D,2026-12-08 08:00:00,2026-12-08 08:00:00,12,3,1,0,0\n"),
              std::string::npos)
        << "a date as the end includes its day only\n"
        << untilCsv;

    const auto [missingCode, missingTable, missingSaid] =
        RunReport(logs + QStringList{"/no/such.log"});
    EXPECT_EQ(missingCode, 1) << "a log that cannot be read is said, the others still count";
    EXPECT_NE(missingTable.find("00C0FFEE"), std::string::npos);

    struct Wrong {
        const char* name;
        QStringList arguments;
    } wrongs[] = {
        {"a word for a date", {"--since", "yesterday"}},
        {"a bad end", {"--until", "2026-13-01"}},
        {"a negative price", {"--price", "-1"}},
        {"a price with a comma", {"--price", "0,3"}},
        {"days that are no number", {"--silent-days", "a week"}},
        {"two formats", {"--csv", "--html"}},
    };
    for (const Wrong& wrong : wrongs)
        EXPECT_EQ(RunReport(wrong.arguments + logs).code, 2) << wrong.name;
}

// Nothing of a hostile log line reaches the page or the metrics, and the file they are
// written to is replaced whole.
TEST(FleetReportProgramTest, HostileLinesAndOutputFiles) {
    QTemporaryDir dir;
    const std::string log = dir.path().toStdString() + "/reports.log";
    const std::string at = "08/Dec/2026:08:00:00 +0000";
    const std::string path = "/Quelmo/setup/QuelmoV.php?kwu=3,&kws=1,&did=";
    quelmo::test::WriteBytes(
        log, Report(at, 14, 5, "0A1B2C3D") + "\n" +
                 Line(at, path + "0A1B2C3D", 204, "<script>alert(1)</script>\\\"><img src=x>") +
                 "\n" + Line(at, path + "\"><script>alert(2)</script>") + "\n" +
                 Line(at, path + "0A1B\n2C3D\"<x y=\"") + "\n" + Line(at, path + "<b>1234</b>") +
                 "\n");
    for (const char* format : {"--html", "--prometheus"}) {
        const std::string out = dir.path().toStdString() + "/out";
        const auto [code, text, said] = RunReport(
            {format, "--output", QString::fromStdString(out), QString::fromStdString(log)});
        EXPECT_EQ(code, 0) << said;
        EXPECT_TRUE(text.empty()) << "written to the file instead";
        EXPECT_EQ(said, "4 malformed lines skipped\n") << format;
        const std::string written = quelmo::test::ReadBytes(out).value_or("");
        for (const char* unwanted : {"<script", "<img", "<b>", "alert", "<x"})
            EXPECT_EQ(written.find(unwanted), std::string::npos) << format << ": " << unwanted;
        EXPECT_NE(written.find("0A1B2C3D"), std::string::npos) << format;
        namespace fs = std::filesystem;
        EXPECT_EQ(fs::status(out).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                     fs::perms::group_read | fs::perms::others_read)
            << "readable by a web server";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
            << "no temporary file left";
        std::filesystem::remove(out);
    }
    EXPECT_EQ(
        RunReport({"--html", "--output", "/no/such/folder/page.html", QString::fromStdString(log)})
            .code,
        1);
}

} // namespace
} // namespace quelmo::fleet
