#pragma once
// The fleet's figures as one self-contained HTML page: totals, the chart of energy per day,
// the devices and the devices that fell silent. Nothing in it is fetched from anywhere, and
// every text in it is escaped, whatever log line or translation it came from.

#include "fleet_report/fleet_totals.h"
#include "fleet_report/report_output.h"

#include <QLocale>
#include <QString>

#include <string>

namespace quelmo::fleet {

struct PageSettings {
    SavingRates rates;
    int silentDays = 7;
    // The period's end that silence is measured from, and the page's time of making (UTC
    // seconds).
    std::int64_t end = 0, madeAt = 0;
    long long malformed = 0;
    QLocale locale;
    QString language = QStringLiteral("en"); // of the translation in use
};

std::string HtmlPage(const FleetFigures& fleet, const PageSettings& settings);

} // namespace quelmo::fleet
