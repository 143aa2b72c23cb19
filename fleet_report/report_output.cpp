#include "fleet_report/report_output.h"

#include "power/texts.h"

#include <QDateTime>

#include <cstdio>
#include <vector>

namespace quelmo::fleet {

namespace {

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// Columns padded by characters, not bytes, so that translated headings line up.
class TextTable {
public:
    void Row(std::vector<QString> cells) { mRows.push_back(std::move(cells)); }
    // The first `left` columns are aligned to the left, the others to the right.
    std::string Text(std::size_t left) const {
        std::vector<qsizetype> widths;
        for (const auto& row : mRows)
            for (std::size_t i = 0; i < row.size(); ++i) {
                widths.resize(std::max(widths.size(), row.size()));
                widths[i] = std::max(widths[i], row[i].size());
            }
        QString text;
        for (const auto& row : mRows) {
            QString line;
            for (std::size_t i = 0; i < row.size(); ++i) {
                if (i)
                    line += QStringLiteral("  ");
                line +=
                    i < left ? row[i].leftJustified(widths[i]) : row[i].rightJustified(widths[i]);
            }
            while (line.endsWith(u' '))
                line.chop(1);
            text += line + u'\n';
        }
        return text.toStdString();
    }

private:
    std::vector<std::vector<QString>> mRows;
};

QString Number(long long value) {
    return QString::number(value);
}

// The columns of money and CO2 saved that the rates ask for.
void AddWorth(std::vector<QString>& cells, const SavingRates& rates, long long kwhSaved) {
    if (rates.moneyPerKwh)
        cells.push_back(QString::number(double(kwhSaved) * *rates.moneyPerKwh, 'f', 2));
    if (rates.co2KgPerKwh)
        cells.push_back(QString::number(double(kwhSaved) * *rates.co2KgPerKwh, 'f', 2));
}

// The texts live in functions that return QString: lupdate loses the context of a
// Texts::tr inside one that returns std::string.
std::vector<QString> Headings(const SavingRates& rates) {
    std::vector<QString> headings = {Texts::tr("Device"),          Texts::tr("First seen (UTC)"),
                                     Texts::tr("Last seen (UTC)"), Texts::tr("kWh used"),
                                     Texts::tr("kWh saved"),       Texts::tr("Period kWh used"),
                                     Texts::tr("Period kWh saved")};
    if (rates.moneyPerKwh)
        headings.push_back(Texts::tr("Money saved"));
    if (rates.co2KgPerKwh)
        headings.push_back(Texts::tr("kg CO₂ saved"));
    headings.push_back(Texts::tr("Reports"));
    return headings;
}
QString TotalLabel() {
    return Texts::tr("Total");
}
QString DevicesLabel(long long devices) {
    return Texts::tr("%n devices", nullptr, int(devices));
}
QString MalformedLine(long long lines) {
    return Texts::tr("%n malformed lines skipped", nullptr, int(lines));
}

} // namespace

std::string FormatUtc(std::int64_t utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

std::string FormatTable(const FleetFigures& fleet, const SavingRates& rates, long long malformed) {
    TextTable table;
    table.Row(Headings(rates));
    for (const auto& [device, row] : fleet.devices) {
        if (!row.reports)
            continue;
        std::vector<QString> cells = {QString::asprintf("%08X", device),
                                      QString::fromStdString(FormatUtc(row.firstSeen)),
                                      QString::fromStdString(FormatUtc(row.lastSeen)),
                                      Number(row.kwhUsed),
                                      Number(row.kwhSaved),
                                      Number(row.period.used),
                                      Number(row.period.saved)};
        AddWorth(cells, rates, row.period.saved);
        cells.push_back(Number(row.reports));
        table.Row(cells);
    }
    const Totals t = fleet.Sum();
    std::vector<QString> total = {
        TotalLabel(),          DevicesLabel(t.devices), QString(),
        Number(t.kwhUsed),     Number(t.kwhSaved),      Number(t.period.used),
        Number(t.period.saved)};
    AddWorth(total, rates, t.period.saved);
    total.push_back(Number(t.reports));
    table.Row(total);
    std::string text = table.Text(3);
    if (malformed)
        text += MalformedLine(malformed).toStdString() + "\n";
    return text;
}

std::string FormatCsv(const FleetFigures& fleet, const SavingRates& rates) {
    // New columns go last, so that a sheet that reads the first ones by position still can.
    std::string text = "device,first_seen_utc,last_seen_utc,kwh_used,kwh_saved,reports,"
                       "period_kwh_used,period_kwh_saved";
    if (rates.moneyPerKwh)
        text += ",period_money_saved";
    if (rates.co2KgPerKwh)
        text += ",period_kg_co2_saved";
    text += '\n';
    const auto worth = [&](long long saved) {
        std::string cells;
        if (rates.moneyPerKwh)
            cells += Format(",%.2f", double(saved) * *rates.moneyPerKwh);
        if (rates.co2KgPerKwh)
            cells += Format(",%.2f", double(saved) * *rates.co2KgPerKwh);
        return cells + "\n";
    };
    for (const auto& [device, row] : fleet.devices)
        if (row.reports)
            text +=
                Format("%08X,%s,%s,%lld,%lld,%lld,%lld,%lld", device,
                       FormatUtc(row.firstSeen).c_str(), FormatUtc(row.lastSeen).c_str(),
                       row.kwhUsed, row.kwhSaved, row.reports, row.period.used, row.period.saved) +
                worth(row.period.saved);
    const Totals t = fleet.Sum();
    text += Format("total,,,%lld,%lld,%lld,%lld,%lld", t.kwhUsed, t.kwhSaved, t.reports,
                   t.period.used, t.period.saved) +
            worth(t.period.saved);
    return text;
}

} // namespace quelmo::fleet
