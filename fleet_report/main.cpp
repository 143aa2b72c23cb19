// quelmo-fleet-report: the fleet's energy figures from the web server's report log.
#include "fleet_report/fleet_totals.h"
#include "fleet_report/report_output.h"
#include "platform/gzip/compressed_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <cstdio>
#include <limits>

namespace {

// A date (the start of that day) or a date and time, in UTC.
std::optional<std::int64_t> ParseSince(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeZone(QTimeZone::utc());
    return time.toSecsSinceEpoch();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelmo-fleet-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sums up the usage reports of a fleet of Quelmo PCs from web server logs "
                       "in the combined format (plain or gzip-compressed): one row per device, "
                       "then the fleet's totals."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Write CSV."));
    const QCommandLineOption since(
        QStringLiteral("since"),
        QStringLiteral("Only reports from DATE on (YYYY-MM-DD, or an ISO date and time; UTC)."),
        QStringLiteral("DATE"));
    parser.addOption(csv);
    parser.addOption(since);
    parser.addPositionalArgument(QStringLiteral("LOGFILE"), QStringLiteral("Logs to read."),
                                 QStringLiteral("LOGFILE…"));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        std::fprintf(stderr, "quelmo-fleet-report: no LOGFILE given (see --help)\n");
        return 2;
    }
    std::int64_t from = std::numeric_limits<std::int64_t>::min();
    if (parser.isSet(since)) {
        const std::optional<std::int64_t> parsed = ParseSince(parser.value(since));
        if (!parsed) {
            std::fprintf(stderr, "quelmo-fleet-report: --since: not a date: %s\n",
                         qPrintable(parser.value(since)));
            return 2;
        }
        from = *parsed;
    }

    quelmo::fleet::FleetTotals fleet;
    long long malformed = 0;
    int status = 0;
    for (const QString& file : files) {
        const std::optional<std::string> text =
            quelmo::platform::ReadMaybeCompressed(file.toStdString());
        if (!text) {
            std::fprintf(stderr, "quelmo-fleet-report: cannot read %s\n", qPrintable(file));
            status = 1;
            continue;
        }
        malformed += quelmo::fleet::AddLogText(*text, from, fleet);
    }
    if (parser.isSet(csv)) {
        std::fputs(quelmo::fleet::FormatCsv(fleet).c_str(), stdout);
        if (malformed)
            std::fprintf(stderr, "%lld malformed lines skipped\n", malformed);
    } else {
        std::fputs(quelmo::fleet::FormatTable(fleet, malformed).c_str(), stdout);
    }
    return status;
}
