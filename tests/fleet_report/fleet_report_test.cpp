// The fleet's totals from combined-format logs: the parser, the sums and the program itself.
#include "fleet_report/fleet_totals.h"
#include "fleet_report/report_output.h"
#include "tests/config/config_test_util.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <sstream>

namespace quelmo::fleet {
namespace {

std::string Line(const std::string& time, const std::string& target, int status = 204) {
    return "10.0.0.7 - - [" + time + "] \"GET " + target + " HTTP/1.1\" " + std::to_string(status) +
           " 0 \"-\" \"Vormel component (quelmo.github.io)\"";
}
std::string Report(const std::string& time, int used, int saved, const std::string& device) {
    return Line(time, "/Quelmo/setup/QuelmoV.php?kwu=" + std::to_string(used) +
                          ",&kws=" + std::to_string(saved) + ",&did=" + device);
}

TEST(CombinedLogTest, KindsOfLines) {
    struct Row {
        const char* name;
        std::string line;
        LineKind kind;
    } rows[] = {
        {"a report", Report("08/Dec/2026:15:30:43 +0000", 12, 3, "0A1B2C3D"), LineKind::Report},
        {"another request", Line("08/Dec/2026:15:30:43 +0000", "/Quelmo.db", 304), LineKind::Other},
        {"a probe without a request",
         "10.0.0.9 - - [08/Dec/2026:15:30:43 +0000] \"-\" 400 0 \"-\" \"-\"", LineKind::Other},
        {"blank", "  \r", LineKind::Blank},
        {"not the format", "GET /Quelmo/setup/QuelmoV.php?kwu=1,&kws=0,&did=0A1B2C3D",
         LineKind::Malformed},
        {"a bad date", Report("31/Feb/2026:15:30:43 +0000", 1, 0, "0A1B2C3D"), LineKind::Malformed},
        {"a device id of seven digits", Report("08/Dec/2026:15:30:43 +0000", 1, 0, "0A1B2C3"),
         LineKind::Malformed},
        {"no device id",
         Line("08/Dec/2026:15:30:43 +0000", "/Quelmo/setup/QuelmoV.php?kwu=1,&kws=0,"),
         LineKind::Malformed},
        {"a negative count",
         Line("08/Dec/2026:15:30:43 +0000",
              "/Quelmo/setup/QuelmoV.php?kwu=-1,&kws=0,&did=0A1B2C3D"),
         LineKind::Malformed},
        {"cut short", Report("08/Dec/2026:15:30:43 +0000", 1, 0, "0A1B2C3D").substr(0, 60),
         LineKind::Malformed},
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
    EXPECT_EQ(AddLogText(newer, 0, all), 0);
    EXPECT_EQ(AddLogText(older, 0, all), 1);
    const DeviceRow& pc = all.Rows().at(0x0A1B2C3D);
    EXPECT_EQ(FormatUtc(pc.firstSeen), "2026-12-08 08:00:00");
    EXPECT_EQ(FormatUtc(pc.lastSeen), "2026-12-09 08:00:00");
    EXPECT_EQ(pc.kwhUsed, 14);
    EXPECT_EQ(pc.kwhSaved, 5);
    EXPECT_EQ(pc.reports, 2);
    const Totals t = all.Sum();
    EXPECT_EQ(t.devices, 2);
    EXPECT_EQ(t.kwhUsed, 21);
    EXPECT_EQ(t.kwhSaved, 6);
    EXPECT_EQ(t.reports, 3);

    FleetTotals since;
    AddLogText(older + newer, 1796803200 /* 2026-12-09 00:00 UTC */, since);
    EXPECT_EQ(since.Rows().at(0x0A1B2C3D).reports, 1);
    EXPECT_EQ(FormatUtc(since.Rows().at(0x0A1B2C3D).firstSeen), "2026-12-09 08:00:00");
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
    test::WriteBytes(plain, Report("09/Dec/2026:08:00:00 +0000", 14, 5, "0A1B2C3D") + "\n");
    test::WriteBytes(rotated, Report("08/Dec/2026:08:00:00 +0000", 12, 3, "0A1B2C3D") +
                                  "\nnot a log line\n" +
                                  Report("08/Dec/2026:09:00:00 +0000", 7, 1, "00C0FFEE") + "\n");
    ASSERT_EQ(QProcess::execute("gzip", {"-9", QString::fromStdString(rotated)}), 0);
    const auto run = [&](QStringList arguments) {
        QProcess process;
        process.start(QStringLiteral(QUELMO_FLEET_REPORT), arguments);
        process.waitForFinished(30000);
        return std::tuple(process.exitCode(), process.readAllStandardOutput().toStdString(),
                          process.readAllStandardError().toStdString());
    };
    const QStringList logs = {QString::fromStdString(plain),
                              QString::fromStdString(rotated + ".gz")};

    const auto [code, table, said] = run(logs);
    EXPECT_EQ(code, 0) << said;
    EXPECT_EQ(Words(table, "0A1B2C3D"), "0A1B2C3D 2026-12-08 08:00:00 2026-12-09 08:00:00 14 5 2");
    EXPECT_EQ(Words(table, "00C0FFEE"), "00C0FFEE 2026-12-08 09:00:00 2026-12-08 09:00:00 7 1 1");
    EXPECT_EQ(Words(table, "Total"), "Total 2 devices 21 6 3");
    EXPECT_NE(table.find("1 malformed lines skipped"), std::string::npos) << table;

    const auto [csvCode, csv, csvSaid] = run(QStringList{"--csv", "--since", "2026-12-09"} + logs);
    EXPECT_EQ(csvCode, 0);
    EXPECT_EQ(csv, "device,first_seen_utc,last_seen_utc,kwh_used,kwh_saved,reports\n"
                   "0A1B2C3D,2026-12-09 08:00:00,2026-12-09 08:00:00,14,5,1\n"
                   "total,,,14,5,1\n");
    EXPECT_EQ(csvSaid, "1 malformed lines skipped\n");

    const auto [missingCode, missingTable, missingSaid] = run(logs + QStringList{"/no/such.log"});
    EXPECT_EQ(missingCode, 1) << "a log that cannot be read is said, the others still count";
    EXPECT_NE(missingTable.find("00C0FFEE"), std::string::npos);
    EXPECT_EQ(std::get<0>(run({"--since", "yesterday", QString::fromStdString(plain)})), 2);
}

} // namespace
} // namespace quelmo::fleet
