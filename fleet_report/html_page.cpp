#include "fleet_report/html_page.h"

#include "fleet_report/bar_chart.h"
#include "fleet_report/html_text.h"
#include "power/texts.h"

#include <QDateTime>

#include <algorithm>

namespace quelmo::fleet {

namespace {

// System fonts only; the bars keep their colours in print, and the text is black there.
constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 1.5em auto; max-width: 70em; padding: 0 1em;
       color: #111; background: #fff; line-height: 1.4; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
h2 { font-size: 1.25em; margin-top: 1.6em; border-bottom: 1px solid #888; }
.period { color: #333; margin-top: 0; }
dl.totals { display: grid; grid-template-columns: max-content max-content; gap: 0.2em 1.5em; }
dl.totals dt { font-weight: bold; }
dl.totals dd { margin: 0; text-align: right; font-variant-numeric: tabular-nums; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #999; padding: 0.2em 0.6em; }
th { background: #e8e8e8; text-align: left; }
td.n { text-align: right; font-variant-numeric: tabular-nums; }
td.id { font-family: monospace; }
td.t { white-space: nowrap; }
svg.chart { width: 100%; max-width: 60em; height: auto; display: block; }
svg.chart text { font-family: sans-serif; font-size: 13px; fill: #000; }
svg.chart .grid { stroke: #ccc; stroke-width: 1; }
svg.chart .base { stroke: #000; stroke-width: 1; }
svg.chart .used { fill: #1f4e79; stroke: #000; stroke-width: 0.5; }
svg.chart .saved { fill: #a9d18e; stroke: #000; stroke-width: 0.5; }
figure { margin: 0; }
footer { margin-top: 2em; color: #444; font-size: 0.9em; }
@media print {
  body { margin: 0; max-width: none; color: #000; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  h2 { break-after: avoid; }
  table { font-size: 0.85em; }
  figure, tr { break-inside: avoid; }
  details { display: none; }
}
)";

class Page {
public:
    Page(const FleetFigures& fleet, const PageSettings& settings)
        : f(fleet), s(settings), l(settings.locale) {}
    std::string Text();

private:
    QString Kwh(long long value) const { return Texts::tr("%1 kWh").arg(l.toString(value)); }
    QString Time(std::int64_t utcSeconds) const {
        return l.toString(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC), QLocale::ShortFormat);
    }
    QString PeriodLine() const;
    void Totals();
    void Chart();
    void Devices();
    void Silent();
    void Cell(const QString& text, const char* cls = nullptr) {
        out += cls ? QStringLiteral("<td class=\"%1\">").arg(QLatin1String(cls))
                   : QStringLiteral("<td>");
        out += Html(text) + QStringLiteral("</td>");
    }
    void Headings(const QStringList& headings) {
        out += QStringLiteral("<thead><tr>");
        for (const QString& heading : headings)
            out += QStringLiteral("<th scope=\"col\">") + Html(heading) + QStringLiteral("</th>");
        out += QStringLiteral("</tr></thead>\n");
    }

    const FleetFigures& f;
    const PageSettings& s;
    const QLocale& l;
    QString out;
};

QString Page::PeriodLine() const {
    const bool since = f.period.since != Period{}.since;
    const bool until = f.period.until != Period{}.until;
    // The end shown is the last second that still belongs to the period.
    if (since && until)
        return Texts::tr("Period: %1 to %2 (UTC)")
            .arg(Time(f.period.since), Time(f.period.until - 1));
    if (since)
        return Texts::tr("Period: from %1 (UTC)").arg(Time(f.period.since));
    if (until)
        return Texts::tr("Period: up to %1 (UTC)").arg(Time(f.period.until - 1));
    return Texts::tr("Period: every report in the logs");
}

void Page::Totals() {
    const quelmo::fleet::Totals t = f.Sum();
    out += QStringLiteral("<h2>") + Html(Texts::tr("Totals")) + QStringLiteral("</h2>\n");
    out += QStringLiteral("<dl class=\"totals\">\n");
    const auto item = [&](const char* id, const QString& name, const QString& value) {
        out += QStringLiteral("<dt>%1</dt><dd id=\"%2\">%3</dd>\n")
                   .arg(Html(name), QLatin1String(id), Html(value));
    };
    item("period-used", Texts::tr("Used in the period"), Kwh(t.period.used));
    item("period-saved", Texts::tr("Saved in the period"), Kwh(t.period.saved));
    if (s.rates.moneyPerKwh)
        item("period-money",
             Texts::tr("Money saved in the period (at %1 per kWh)")
                 .arg(l.toString(*s.rates.moneyPerKwh)),
             l.toString(double(t.period.saved) * *s.rates.moneyPerKwh, 'f', 2));
    if (s.rates.co2KgPerKwh)
        item("period-co2",
             Texts::tr("CO₂ saved in the period (at %1 kg per kWh)")
                 .arg(l.toString(*s.rates.co2KgPerKwh)),
             Texts::tr("%1 kg").arg(
                 l.toString(double(t.period.saved) * *s.rates.co2KgPerKwh, 'f', 1)));
    item("lifetime-used", Texts::tr("Used, lifetime"), Kwh(t.kwhUsed));
    item("lifetime-saved", Texts::tr("Saved, lifetime"), Kwh(t.kwhSaved));
    item("devices", Texts::tr("Devices that reported"), l.toString(t.devices));
    item("reports", Texts::tr("Reports"), l.toString(t.reports));
    if (s.malformed)
        item("malformed", Texts::tr("Malformed log lines skipped"), l.toString(s.malformed));
    out += QStringLiteral("</dl>\n");
}

void Page::Chart() {
    std::int64_t first = 0, last = 0;
    bool any = false;
    for (const auto& [id, row] : f.devices)
        if (row.reports) {
            first = any ? std::min(first, row.firstSeen) : row.firstSeen;
            last = any ? std::max(last, row.lastSeen) : row.lastSeen;
            any = true;
        }
    const std::vector<ChartBar> bars =
        any ? ChartBars(f.days, UtcDay(first), UtcDay(std::max(last, s.end - 1)))
            : std::vector<ChartBar>();
    const bool weekly = !bars.empty() && bars.front().days > 1;
    out += QStringLiteral("<h2>") +
           Html(weekly ? Texts::tr("Energy per week") : Texts::tr("Energy per day")) +
           QStringLiteral("</h2>\n");
    if (bars.empty()) {
        out += QStringLiteral("<p>") + Html(Texts::tr("No reports in this period.")) +
               QStringLiteral("</p>\n");
        return;
    }
    out += QStringLiteral("<figure>\n") + BarChartSvg(bars, l);
    // The figures behind the bars, for those who cannot see them and for copying.
    out += QStringLiteral("<details><summary>") + Html(Texts::tr("The chart's figures")) +
           QStringLiteral("</summary>\n<table class=\"chart-figures\">\n");
    Headings({weekly ? Texts::tr("Week from") : Texts::tr("Day"), Texts::tr("Used (kWh)"),
              Texts::tr("Saved (kWh)")});
    out += QStringLiteral("<tbody>\n");
    for (const ChartBar& bar : bars) {
        out += QStringLiteral("<tr>");
        Cell(l.toString(DayDate(bar.firstDay), QLocale::ShortFormat));
        Cell(l.toString(bar.energy.used), "n");
        Cell(l.toString(bar.energy.saved), "n");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody></table></details>\n</figure>\n");
}

void Page::Devices() {
    out += QStringLiteral("<h2>") + Html(Texts::tr("Devices")) + QStringLiteral("</h2>\n");
    out += QStringLiteral("<table class=\"devices\">\n");
    Headings({Texts::tr("Device"), Texts::tr("First report (UTC)"), Texts::tr("Last report (UTC)"),
              Texts::tr("Used, lifetime (kWh)"), Texts::tr("Saved, lifetime (kWh)"),
              Texts::tr("Used in the period (kWh)"), Texts::tr("Saved in the period (kWh)"),
              Texts::tr("Reports")});
    out += QStringLiteral("<tbody>\n");
    for (const auto& [id, row] : f.devices) {
        if (!row.reports)
            continue;
        out += QStringLiteral("<tr>");
        Cell(QString::asprintf("%08X", id), "id");
        Cell(Time(row.firstSeen), "t");
        Cell(Time(row.lastSeen), "t");
        Cell(l.toString(row.kwhUsed), "n");
        Cell(l.toString(row.kwhSaved), "n");
        Cell(l.toString(row.period.used), "n");
        Cell(l.toString(row.period.saved), "n");
        Cell(l.toString(row.reports), "n");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody></table>\n");
}

void Page::Silent() {
    const std::vector<std::uint32_t> silent = SilentDevices(f, s.end, s.silentDays);
    out += QStringLiteral("<h2 id=\"silent\">") + Html(Texts::tr("Silent devices")) +
           QStringLiteral("</h2>\n<p>");
    out += Html(
        Texts::tr("Silent after: %n days without a report before %1 (UTC).", nullptr, s.silentDays)
            .arg(Time(s.end)));
    out += u' ';
    out += Html(silent.empty() ? Texts::tr("Every device reported in that time.")
                               : Texts::tr("These did not, the most recently heard first."));
    out += QStringLiteral("</p>\n");
    if (silent.empty())
        return;
    out += QStringLiteral("<table class=\"silent\">\n");
    Headings({Texts::tr("Device"), Texts::tr("Last report (UTC)"), Texts::tr("Days silent")});
    out += QStringLiteral("<tbody>\n");
    for (const std::uint32_t id : silent) {
        const DeviceRow& row = f.devices.at(id);
        out += QStringLiteral("<tr>");
        Cell(QString::asprintf("%08X", id), "id");
        Cell(Time(row.lastReport), "t");
        Cell(l.toString((s.end - row.lastReport) / 86400), "n");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody></table>\n");
}

std::string Page::Text() {
    const QString title = Texts::tr("Quelmo fleet report");
    out += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, "
                          "initial-scale=1\">\n<title>%2</title>\n<style>")
               .arg(Html(s.language), Html(title));
    out += QLatin1String(kStyle);
    out += QStringLiteral("</style>\n</head>\n<body>\n<h1>") + Html(title) +
           QStringLiteral("</h1>\n<p class=\"period\">") + Html(PeriodLine()) +
           QStringLiteral("</p>\n");
    Totals();
    Chart();
    Devices();
    Silent();
    out += QStringLiteral("<footer>") +
           Html(Texts::tr("Made by quelmo-fleet-report on %1 (UTC).").arg(Time(s.madeAt))) +
           QStringLiteral("</footer>\n</body>\n</html>\n");
    return out.toStdString();
}

} // namespace

std::string HtmlPage(const FleetFigures& fleet, const PageSettings& settings) {
    return Page(fleet, settings).Text();
}

} // namespace quelmo::fleet
