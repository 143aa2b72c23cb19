// quelmo-fleet-report: the fleet's energy figures from the web server's report log.
#include "fleet_report/fleet_totals.h"
#include "fleet_report/html_page.h"
#include "fleet_report/output_file.h"
#include "fleet_report/prometheus_metrics.h"
#include "fleet_report/report_language.h"
#include "fleet_report/report_output.h"
#include "platform/gzip/compressed_file.h"
#include "power/texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <cstdio>

namespace {

using quelmo::Texts;

// A date (the start of that day) or a date and time, in UTC. A date as the period's end
// includes that whole day.
std::optional<std::int64_t> ParseTime(const QString& text, bool end) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return QDateTime(end ? date.addDays(1) : date, QTime(0, 0), QTimeZone::utc())
            .toSecsSinceEpoch();
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeZone(QTimeZone::utc());
    return time.toSecsSinceEpoch() + (end ? 1 : 0);
}

// A rate: a decimal number of at least 0, with a point.
std::optional<double> ParseRate(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0 && value < 1e9 ? std::optional<double>(value) : std::nullopt;
}

void Say(const QString& text) {
    std::fprintf(stderr, "quelmo-fleet-report: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelmo-fleet-report"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELMO_VERSION));
    const QString language = quelmo::fleet::InstallReportTranslation(app);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Texts::tr("Sums up the usage reports of a fleet of Quelmo PCs from web server logs in "
                  "the combined format (plain or gzip-compressed): one row per device, then the "
                  "fleet's totals."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption csv(QStringLiteral("csv"), Texts::tr("Write CSV."));
    const QCommandLineOption html(QStringLiteral("html"),
                                  Texts::tr("Write a self-contained HTML page."));
    const QCommandLineOption prometheus(
        QStringLiteral("prometheus"),
        Texts::tr("Write metrics for node_exporter's textfile collector."));
    const QCommandLineOption since(
        QStringLiteral("since"),
        Texts::tr("The period from DATE on (YYYY-MM-DD, or an ISO date and time; UTC)."),
        QStringLiteral("DATE"));
    const QCommandLineOption until(
        QStringLiteral("until"),
        Texts::tr("The period up to DATE, that day included (YYYY-MM-DD, or an ISO date and "
                  "time; UTC)."),
        QStringLiteral("DATE"));
    const QCommandLineOption price(QStringLiteral("price"),
                                   Texts::tr("Money per kWh, to value the energy saved."),
                                   QStringLiteral("MONEY"));
    const QCommandLineOption co2(QStringLiteral("co2"),
                                 Texts::tr("kg of CO₂ per kWh, for the CO₂ saved."),
                                 QStringLiteral("KG"));
    const QCommandLineOption silentDays(
        QStringLiteral("silent-days"),
        Texts::tr("A device is silent after DAYS days without a report (default 7)."),
        QStringLiteral("DAYS"), QStringLiteral("7"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        Texts::tr("Write to FILE through a temporary file that is then renamed."),
        QStringLiteral("FILE"));
    parser.addOptions({csv, html, prometheus, since, until, price, co2, silentDays, output});
    parser.addPositionalArgument(QStringLiteral("LOGFILE"), Texts::tr("Logs to read."),
                                 QStringLiteral("LOGFILE…"));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        Say(Texts::tr("no LOGFILE given (see --help)"));
        return 2;
    }
    if (int(parser.isSet(csv)) + int(parser.isSet(html)) + int(parser.isSet(prometheus)) > 1) {
        Say(Texts::tr("--csv, --html and --prometheus exclude each other"));
        return 2;
    }
    quelmo::fleet::Period period;
    for (const auto& [option, slot, end] :
         {std::tuple{&since, &period.since, false}, std::tuple{&until, &period.until, true}}) {
        if (!parser.isSet(*option))
            continue;
        const std::optional<std::int64_t> parsed = ParseTime(parser.value(*option), end);
        if (!parsed) {
            Say(Texts::tr("--%1: not a date: %2")
                    .arg(option->names().first(), parser.value(*option)));
            return 2;
        }
        *slot = *parsed;
    }
    quelmo::fleet::SavingRates rates;
    for (const auto& [option, slot] :
         {std::pair{&price, &rates.moneyPerKwh}, std::pair{&co2, &rates.co2KgPerKwh}}) {
        if (!parser.isSet(*option))
            continue;
        *slot = ParseRate(parser.value(*option));
        if (!*slot) {
            Say(Texts::tr("--%1: not a number of 0 or more: %2")
                    .arg(option->names().first(), parser.value(*option)));
            return 2;
        }
    }
    bool daysOk = false;
    const int days = parser.value(silentDays).toInt(&daysOk);
    if (!daysOk || days < 0 || days > 36500) {
        Say(Texts::tr("--silent-days: not a number of days: %1").arg(parser.value(silentDays)));
        return 2;
    }

    quelmo::fleet::FleetTotals fleet(period);
    long long malformed = 0;
    int status = 0;
    for (const QString& file : files) {
        quelmo::fleet::LogReader reader(fleet);
        const bool read = quelmo::platform::ReadMaybeCompressed(
            file.toStdString(), [&](std::string_view piece) { reader.Feed(piece); });
        reader.End();
        malformed += reader.Malformed();
        if (!read) {
            Say(Texts::tr("cannot read %1").arg(file));
            status = 1;
        }
    }
    const quelmo::fleet::FleetFigures figures = fleet.Figures();
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    // Silence is measured from the period's end; an open period ends now.
    const std::int64_t end = parser.isSet(until) ? period.until : now;
    std::string text;
    if (parser.isSet(csv)) {
        text = quelmo::fleet::FormatCsv(figures, rates);
    } else if (parser.isSet(html)) {
        quelmo::fleet::PageSettings page;
        page.rates = rates;
        page.silentDays = days;
        page.end = end;
        page.madeAt = now;
        page.malformed = malformed;
        page.language = language;
        text = quelmo::fleet::HtmlPage(figures, page);
    } else if (parser.isSet(prometheus)) {
        text = quelmo::fleet::PrometheusMetrics(figures, end, days);
    } else {
        text = quelmo::fleet::FormatTable(figures, rates, malformed);
        malformed = 0; // the table says it
    }
    if (malformed)
        std::fprintf(stderr, "%s\n",
                     qPrintable(Texts::tr("%n malformed lines skipped", nullptr, int(malformed))));
    if (parser.isSet(output)) {
        if (!quelmo::fleet::WriteFileAtomically(parser.value(output), text)) {
            Say(Texts::tr("cannot write %1").arg(parser.value(output)));
            return 1;
        }
    } else {
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return status;
}
