#pragma once
// The fleet's energy used and saved over the period as a bar chart, drawn as inline SVG: no
// script and nothing fetched, legible in print (dark and light bars with outlines, black
// text), with a title and a description for screen readers.

#include "fleet_report/device_energy.h"

#include <QLocale>
#include <QString>

#include <map>
#include <vector>

namespace quelmo::fleet {

struct ChartBar {
    std::int64_t firstDay = 0; // UTC days since 1970-01-01
    int days = 1;              // 1, or 7 for a week from Monday
    Counters energy;
};

// A bar per day from `firstDay` to `lastDay`, or per week (Monday to Sunday) when that is
// more than 90 days.
std::vector<ChartBar> ChartBars(const std::map<std::int64_t, Counters>& days, std::int64_t firstDay,
                                std::int64_t lastDay);

QDate DayDate(std::int64_t day);

// The <svg> element; the bars carry their period and figures as data attributes.
QString BarChartSvg(const std::vector<ChartBar>& bars, const QLocale& locale);

} // namespace quelmo::fleet
