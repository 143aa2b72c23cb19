// The report's page in a real browser: headless Chromium renders it from a generated log, and
// the totals, the chart's bars, the silent devices and the rendered picture are checked.
#include "tests/config/config_test_util.h"
#include "tests/fleet_report/report_log.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDate>
#include <QImage>
#include <QTemporaryDir>

#include <filesystem>
#include <map>
#include <regex>

namespace quelmo::fleet {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";
constexpr std::int64_t kDay = 86400, kHour = 3600;
constexpr std::int64_t kDay0 = 20430 * kDay; // 2025-12-08

// Four PCs over days 0 to 7; the period is days 1 to 7:
// A reports four times a day, each time 2 kWh used and 1 saved more;
// B twice a day, 3 kWh used more, and is reinstalled on day 5 (its count starts at 4);
// C once a day on days 0 to 2, 5 kWh more each time, then falls silent;
// D on day 0 only, before the period.
std::string GeneratedLog() {
    std::map<std::int64_t, std::string> lines; // by time: one log, as nginx writes it
    long long a = 1000, b = 200, c = 10;
    for (std::int64_t day = 0; day <= 7; ++day) {
        for (const int hour : {0, 6, 12, 18}) {
            const std::int64_t at = kDay0 + day * kDay + hour * kHour + 1800;
            lines[at] = test::Report(test::LogTime(at), a, (a - 1000) / 2 + 50, "0000000A");
            a += 2;
        }
        for (const int hour : {9, 21}) {
            const std::int64_t at = kDay0 + day * kDay + hour * kHour;
            if (day == 5 && hour == 9)
                b = 4;
            lines[at] = test::Report(test::LogTime(at), b, 0, "0000000B");
            b += 3;
        }
        if (day <= 2) {
            const std::int64_t at = kDay0 + day * kDay + 10 * kHour;
            lines[at] = test::Report(test::LogTime(at), c, 1, "0000000C");
            c += 5;
        }
    }
    lines[kDay0 + 11 * kHour] = test::Report(test::LogTime(kDay0 + 11 * kHour), 70, 7, "0000000D");
    std::string log;
    for (const auto& [at, line] : lines)
        log += line + "\n";
    return log;
}

// The period's used and saved kWh per day, 2025-12-09 to 2025-12-15.
const std::vector<std::pair<long long, long long>> kPerDay = {
    {8 + 6 + 5, 4}, {8 + 6 + 5, 4}, {8 + 6, 4}, {8 + 6, 4}, {8 + 4 + 3, 4}, {8 + 6, 4}, {8 + 6, 4}};

struct Chromium {
    QTemporaryDir profile;
    std::string Run(const QStringList& arguments, int* code = nullptr) {
        QProcess process;
        process.setProcessChannelMode(QProcess::SeparateChannels);
        // Its certificate store and caches go into the profile, not the user's home.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", profile.path());
        process.setProcessEnvironment(environment);
        process.start(kChromium,
                      QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                                  "--no-first-run", "--disable-background-networking",
                                  "--disable-component-update", "--disable-sync",
                                  "--user-data-dir=" + profile.path()} +
                          arguments);
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished(10000);
        }
        if (code)
            *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAllStandardOutput().toStdString();
    }
};

std::string Text(const std::string& dom, const std::string& id) {
    std::smatch match;
    if (!std::regex_search(dom, match, std::regex("<dd id=\"" + id + "\">([^<]*)</dd>")))
        return "(no " + id + ")";
    return match[1];
}

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kChromium))
            GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it)";
        log = dir.filePath("reports.log").toStdString();
        quelmo::test::WriteBytes(log, GeneratedLog());
    }
    // The page made in `language` for the period, as Chromium's DOM after loading it; a
    // script appended to it may leave what it measured there.
    std::string Dom(const QString& language, const QString& page,
                    const QString& since = "2025-12-09", const QString& until = "2025-12-15",
                    const std::string& script = {}) {
        const test::Run made =
            test::RunReport({"--html", "--since", since, "--until", until, "--silent-days", "3",
                             "--price", "0.25", "--output", page, QString::fromStdString(log)},
                            language);
        EXPECT_EQ(made.code, 0) << made.err;
        if (!script.empty()) {
            const std::string path = page.toStdString();
            quelmo::test::WriteBytes(path, quelmo::test::ReadBytes(path).value_or("") + "<script>" +
                                               script + "</script>\n");
        }
        int code = 0;
        const std::string dom = chromium.Run({"--dump-dom", "file://" + page}, &code);
        EXPECT_EQ(code, 0);
        return dom;
    }
    QTemporaryDir dir;
    std::string log;
    Chromium chromium;
};

TEST_F(PageTest, TotalsBarsSilentDevicesAndPicture) {
    const QString page = dir.filePath("index.html");
    const std::string dom = Dom("en_US", page);
    ASSERT_NE(dom.find("<svg"), std::string::npos) << dom.substr(0, 2000);
    struct Row {
        const char* id;
        std::string text;
    } totals[] = {
        {"period-used", "109 kWh"},
        {"period-saved", "28 kWh"},
        {"period-money", "7.00"},
        {"lifetime-used", "1,101 kWh"},
        {"lifetime-saved", "82 kWh"},
        {"devices", "3"},
        {"reports", "44"},
    };
    for (const Row& row : totals)
        EXPECT_EQ(Text(dom, row.id), row.text) << row.id;

    // Each day's bars: the figures, and heights in proportion to them.
    const std::regex bar("<g class=\"bar\" data-first-day=\"([0-9-]+)\" data-days=\"1\">.*?"
                         "<rect class=\"used\"[^>]* height=\"([0-9.]+)\" data-kwh=\"([0-9]+)\">"
                         "</rect><rect class=\"saved\"[^>]* height=\"([0-9.]+)\" "
                         "data-kwh=\"([0-9]+)\">");
    std::vector<std::smatch> bars;
    for (auto it = std::sregex_iterator(dom.begin(), dom.end(), bar); it != std::sregex_iterator();
         ++it)
        bars.push_back(*it);
    ASSERT_EQ(bars.size(), kPerDay.size());
    const double scale = std::stod(bars[0][2]) / double(kPerDay[0].first);
    for (std::size_t day = 0; day < bars.size(); ++day) {
        const std::smatch& b = bars[day];
        EXPECT_EQ(b[1].str(),
                  QDate(2025, 12, 9).addDays(qint64(day)).toString(Qt::ISODate).toStdString());
        EXPECT_EQ(std::stoll(b[3]), kPerDay[day].first) << b[1];
        EXPECT_EQ(std::stoll(b[5]), kPerDay[day].second) << b[1];
        EXPECT_NEAR(std::stod(b[2]), scale * double(kPerDay[day].first), 0.02) << b[1];
        EXPECT_NEAR(std::stod(b[4]), scale * double(kPerDay[day].second), 0.02) << b[1];
    }
    std::smatch plot;
    ASSERT_TRUE(std::regex_search(dom, plot, std::regex("data-plot-height=\"([0-9.]+)\"")));
    EXPECT_LE(scale * 19, std::stod(plot[1])) << "the tallest bar fits";
    EXPECT_GE(scale * 19, std::stod(plot[1]) / 2) << "and fills the plot";
    EXPECT_NE(dom.find("<desc id=\"chart-desc\">"), std::string::npos) << "a text alternative";

    // C fell silent after day 2, D before the period; the most recently heard first.
    const std::string silent = dom.substr(dom.find("id=\"silent\""));
    const std::size_t c = silent.find("0000000C"), d = silent.find("0000000D");
    EXPECT_NE(c, std::string::npos);
    EXPECT_LT(c, d);
    EXPECT_EQ(silent.find("0000000A"), std::string::npos);
    EXPECT_EQ(silent.find("0000000B"), std::string::npos);

    // The rendered page: not blank, and the used bars are there in their colour.
    const QString shot = dir.filePath("page.png");
    int code = 0;
    chromium.Run({"--window-size=1200,1600", "--screenshot=" + shot, "file://" + page}, &code);
    EXPECT_EQ(code, 0);
    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    long long dark = 0, barColour = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            dark += pixel.lightness() < 128;
            barColour += std::abs(pixel.red() - 0x1f) + std::abs(pixel.green() - 0x4e) +
                             std::abs(pixel.blue() - 0x79) <
                         12;
        }
    EXPECT_GT(dark, image.width() * image.height() / 100) << "text and bars";
    EXPECT_GT(barColour, 7 * 1000) << "seven used bars";
}

TEST_F(PageTest, GermanTextsAndNumbers) {
    const std::string dom = Dom("de_DE", dir.filePath("de.html"));
    EXPECT_NE(dom.find("<html lang=\"de\">"), std::string::npos);
    EXPECT_NE(dom.find("Stille Geräte"), std::string::npos);
    EXPECT_NE(dom.find("Still nach: 3 Tagen ohne Meldung"), std::string::npos) << "the plural";
    EXPECT_EQ(Text(dom, "lifetime-used"), "1.101 kWh");
    EXPECT_EQ(Text(dom, "period-money"), "7,00");
}

// The dates under the chart, as the browser lays them out: apart from each other and inside
// the drawing, whatever the period's length and the language's date format.
TEST_F(PageTest, AxisDatesStandApart) {
    const std::string measure = R"(
        const boxes = [...document.querySelectorAll('svg.chart text[text-anchor=middle]')]
            .map(t => t.getBBox());
        const width = document.querySelector('svg.chart').viewBox.baseVal.width;
        let overlaps = 0, outside = 0;
        boxes.forEach((b, i) => {
            if (i > 0 && boxes[i - 1].x + boxes[i - 1].width + 4 > b.x) ++overlaps;
            if (b.x < 0 || b.x + b.width > width) ++outside;
        });
        document.body.dataset.axis = `${boxes.length} ${overlaps} ${outside}`;)";
    // One PC that reported every day for over a year.
    std::string daily;
    for (std::int64_t day = -420; day <= 7; ++day) {
        const std::int64_t at = kDay0 + day * kDay + 12 * kHour;
        daily += test::Report(test::LogTime(at), 500 + day, 500 + 2 * day, "0000000E") + "\n";
    }
    quelmo::test::WriteBytes(log, daily);
    struct Period {
        const char* since;
        const char* until;
    } periods[] = {{"2025-12-09", "2025-12-15"},
                   {"2025-11-01", "2025-12-09"},
                   {"2025-09-11", "2025-12-09"},
                   {"2024-11-01", "2025-12-15"}};
    for (const char* language : {"C", "ru_RU"})
        for (const Period& period : periods) {
            const std::string dom =
                Dom(language, dir.filePath("axis.html"), period.since, period.until, measure);
            std::smatch axis;
            ASSERT_TRUE(std::regex_search(dom, axis,
                                          std::regex("data-axis=\"([0-9]+) ([0-9]+) ([0-9]+)\"")))
                << language << " " << period.since;
            EXPECT_GE(std::stoi(axis[1]), 4) << language << " " << period.since << ": dates";
            EXPECT_EQ(axis[2].str(), "0") << language << " " << period.since << ": overlapping";
            EXPECT_EQ(axis[3].str(), "0") << language << " " << period.since << ": cut off";
        }
}

} // namespace
} // namespace quelmo::fleet
