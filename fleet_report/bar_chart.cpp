#include "fleet_report/bar_chart.h"

#include "fleet_report/html_text.h"
#include "power/texts.h"

#include <QDate>

#include <algorithm>
#include <cmath>

namespace quelmo::fleet {

namespace {

constexpr int kMaxDailyBars = 90;
// The drawing's own units, about a printed page's width in CSS pixels, so that its text keeps
// its size on paper; on screen it scales to the page's width.
constexpr double kWidth = 720, kHeight = 280;
constexpr double kLeft = 64, kRight = 12, kTop = 36, kBottom = 40;
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;
// The axis text is 13 px of the system's sans-serif (the page's style): a date's characters are
// at most about 8 px wide there, and two dates stand 16 px apart.
constexpr double kAxisCharWidth = 8, kAxisGap = 16;

// 1970-01-01 was a Thursday: the Monday on or before a day.
std::int64_t WeekStart(std::int64_t day) {
    std::int64_t weekday = (day + 3) % 7;
    if (weekday < 0)
        weekday += 7;
    return day - weekday;
}

// A step of 1, 2 or 5 times a power of ten that divides the axis into at most five parts.
long long AxisStep(long long highest) {
    long long step = 1;
    for (;;)
        for (const long long factor : {1, 2, 5}) {
            if (highest <= step * factor * 5)
                return step * factor;
            if (factor == 5)
                step *= 10;
        }
}

QString Coordinate(double value) {
    return QString::number(value, 'f', 2);
}

} // namespace

QDate DayDate(std::int64_t day) {
    return QDate(1970, 1, 1).addDays(day);
}

std::vector<ChartBar> ChartBars(const std::map<std::int64_t, Counters>& days, std::int64_t firstDay,
                                std::int64_t lastDay) {
    std::vector<ChartBar> bars;
    if (lastDay < firstDay)
        return bars;
    const bool weekly = lastDay - firstDay + 1 > kMaxDailyBars;
    const int width = weekly ? 7 : 1;
    for (std::int64_t day = weekly ? WeekStart(firstDay) : firstDay; day <= lastDay; day += width)
        bars.push_back({day, width, {}});
    for (auto it = days.lower_bound(bars.front().firstDay);
         it != days.end() && it->first <= lastDay; ++it)
        bars[static_cast<std::size_t>((it->first - bars.front().firstDay) / width)].energy +=
            it->second;
    return bars;
}

QString BarChartSvg(const std::vector<ChartBar>& bars, const QLocale& locale) {
    const bool weekly = !bars.empty() && bars.front().days > 1;
    long long highest = 0, used = 0, saved = 0;
    const ChartBar* peak = nullptr;
    for (const ChartBar& bar : bars) {
        highest = std::max({highest, bar.energy.used, bar.energy.saved});
        used += bar.energy.used;
        saved += bar.energy.saved;
        if (!peak || bar.energy.used > peak->energy.used)
            peak = &bar;
    }
    const long long step = AxisStep(std::max(highest, 1LL));
    const long long top = (std::max(highest, 1LL) + step - 1) / step * step;
    const auto date = [&](const ChartBar& bar) {
        return locale.toString(DayDate(bar.firstDay), QLocale::ShortFormat);
    };
    const auto name = [&](const ChartBar& bar) {
        return weekly ? Texts::tr("week of %1").arg(date(bar)) : date(bar);
    };
    const auto number = [&](long long value) { return locale.toString(value); };

    const QString title = weekly ? Texts::tr("Energy used and saved per week")
                                 : Texts::tr("Energy used and saved per day");
    QString description =
        bars.empty() ? QString()
                     : Texts::tr("From %1 to %2: %3 kWh used and %4 kWh saved in all.")
                           .arg(name(bars.front()), name(bars.back()), number(used), number(saved));
    if (peak && peak->energy.used > 0)
        description +=
            u' ' + Texts::tr("Most used: %1, %2 kWh.").arg(name(*peak), number(peak->energy.used));

    QString svg;
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" viewBox=\"0 0 "
                          "%1 %2\" role=\"img\" aria-labelledby=\"chart-title chart-desc\" "
                          "data-axis-top=\"%3\" data-plot-height=\"%4\">\n")
               .arg(kWidth)
               .arg(kHeight)
               .arg(top)
               .arg(kPlotHeight);
    svg +=
        QStringLiteral("<title id=\"chart-title\">%1</title>\n<desc id=\"chart-desc\">%2</desc>\n")
            .arg(Html(title), Html(description));
    // The axis: lines and figures every step, kWh above.
    for (long long value = 0; value <= top; value += step) {
        const double y = kTop + kPlotHeight - double(value) / double(top) * kPlotHeight;
        svg +=
            QStringLiteral("<line class=\"grid\" x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>"
                           "<text class=\"axis\" x=\"%4\" y=\"%5\" text-anchor=\"end\">%6</text>\n")
                .arg(Coordinate(kLeft), Coordinate(y), Coordinate(kLeft + kPlotWidth),
                     Coordinate(kLeft - 6), Coordinate(y + 4), Html(number(value)));
    }
    svg += QStringLiteral("<text class=\"axis\" x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>\n")
               .arg(Coordinate(kLeft - 6), Coordinate(kTop - 12), Html(Texts::tr("kWh")));
    // The legend, above the plot on the right: one key under the other, so that the words
    // of any language have room beside their key.
    const double legendX = kLeft + kPlotWidth - 200;
    svg += QStringLiteral("<rect class=\"used\" x=\"%1\" y=\"3\" width=\"12\" height=\"12\"/>"
                          "<text class=\"legend\" x=\"%2\" y=\"14\">%3</text>"
                          "<rect class=\"saved\" x=\"%1\" y=\"19\" width=\"12\" height=\"12\"/>"
                          "<text class=\"legend\" x=\"%2\" y=\"30\">%4</text>\n")
               .arg(Coordinate(legendX), Coordinate(legendX + 18), Html(Texts::tr("Energy used")),
                    Html(Texts::tr("Energy saved")));

    const double slot = bars.empty() ? kPlotWidth : kPlotWidth / double(bars.size());
    const double barWidth = std::max(slot * 0.4, 0.5);
    // A date under every so many bars, as far apart as the longest is wide: the locale's
    // short format ranges from "1/5/26" to "01.11.2026".
    qsizetype longest = 0;
    for (const ChartBar& bar : bars)
        longest = std::max(longest, date(bar).size());
    const double dateWidth = double(longest) * kAxisCharWidth;
    const auto labelEvery = static_cast<std::size_t>(std::ceil((dateWidth + kAxisGap) / slot));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const ChartBar& bar = bars[i];
        const double x = kLeft + slot * double(i) + slot * 0.1;
        const QString tip = Texts::tr("%1: %2 kWh used, %3 kWh saved")
                                .arg(name(bar), number(bar.energy.used), number(bar.energy.saved));
        svg += QStringLiteral(
                   "<g class=\"bar\" data-first-day=\"%1\" data-days=\"%2\"><title>%3</title>")
                   .arg(DayDate(bar.firstDay).toString(Qt::ISODate))
                   .arg(bar.days)
                   .arg(Html(tip));
        int index = 0;
        for (const auto& [kind, value] :
             {std::pair{"used", bar.energy.used}, std::pair{"saved", bar.energy.saved}}) {
            const double height = double(value) / double(top) * kPlotHeight;
            svg += QStringLiteral("<rect class=\"%1\" x=\"%2\" y=\"%3\" width=\"%4\" "
                                  "height=\"%5\" data-kwh=\"%6\"/>")
                       .arg(QLatin1String(kind), Coordinate(x + barWidth * index),
                            Coordinate(kTop + kPlotHeight - height), Coordinate(barWidth),
                            Coordinate(height))
                       .arg(value);
            ++index;
        }
        svg += QStringLiteral("</g>\n");
        if (i % labelEvery == 0)
            svg += QStringLiteral("<text class=\"axis\" x=\"%1\" y=\"%2\" "
                                  "text-anchor=\"middle\">%3</text>\n")
                       .arg(Coordinate(
                                std::clamp(x + barWidth, dateWidth / 2, kWidth - dateWidth / 2)),
                            Coordinate(kTop + kPlotHeight + 18), Html(date(bar)));
    }
    svg +=
        QStringLiteral("<line class=\"base\" x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>\n")
            .arg(Coordinate(kLeft), Coordinate(kTop + kPlotHeight), Coordinate(kLeft + kPlotWidth));
    svg += QStringLiteral("</svg>\n");
    return svg;
}

} // namespace quelmo::fleet
