#pragma once
// Log lines as nginx writes them for usage reports, and the report program run on them.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>

namespace quelmo::fleet::test {

inline std::string Line(const std::string& time, const std::string& target, int status = 204,
                        const std::string& agent = "Vormel component (quelmo.github.io)") {
    return "10.0.0.7 - - [" + time + "] \"GET " + target + " HTTP/1.1\" " + std::to_string(status) +
           " 0 \"-\" \"" + agent + "\"";
}

inline std::string Report(const std::string& time, long long used, long long saved,
                          const std::string& device) {
    return Line(time, "/Quelmo/setup/QuelmoV.php?kwu=" + std::to_string(used) +
                          ",&kws=" + std::to_string(saved) + ",&did=" + device);
}

// The log's time of UTC seconds: "08/Dec/2026:15:30:43 +0000".
inline std::string LogTime(std::int64_t utcSeconds) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::int64_t days = utcSeconds / 86400, rest = utcSeconds % 86400;
    // Civil from days (1970-01-01 = 0).
    days += 719468;
    const std::int64_t era = days / 146097, doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153, day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9, year = yoe + era * 400 + (month <= 2);
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%s/%04d:%02d:%02d:%02d +0000", int(day),
                  months[month - 1], int(year), int(rest / 3600), int(rest / 60 % 60),
                  int(rest % 60));
    return text;
}

struct Run {
    int code = -1;
    std::string out, err;
};

// The program with the arguments, in English unless `language` names another.
inline Run RunReport(const QStringList& arguments, const QString& language = "C") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", language);
    environment.insert("LC_ALL", language == "C" ? "C.UTF-8" : language + ".UTF-8");
    environment.insert("LANG", language == "C" ? "C.UTF-8" : language + ".UTF-8");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUELMO_FLEET_REPORT), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

} // namespace quelmo::fleet::test
