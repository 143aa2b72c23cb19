#include "fleet/report_host.h"

#include "config/fleet_settings.h"
#include "config/settings.h"
#include "http/winhttp.h"

#include <cstdio>

namespace quelmo {

namespace {

constexpr const char* kReportPath = "/Quelmo/setup/QuelmoV.php";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string WithoutTrailingSlashes(std::string text) {
    while (!text.empty() && text.back() == '/')
        text.pop_back();
    return text;
}

// Characters that would change what a URL built from the text means.
bool HasUrlSyntax(const std::string& text) {
    for (const char c : text)
        if (c == '/' || c == '?' || c == '#' || c == '@' || c == '\\' ||
            static_cast<unsigned char>(c) <= ' ')
            return true;
    return false;
}

} // namespace

std::string ReportEndpoint(const std::string& reportHost) {
    const std::string trimmed = Trimmed(reportHost);
    const std::string value = WithoutTrailingSlashes(trimmed);
    if (ConfigIsUrl(trimmed)) {
        const std::size_t hostStart = trimmed.find("://") + 3;
        if (value.size() < hostStart)
            return {};
        const std::string rest = value.substr(hostStart);
        const std::string host = rest.substr(0, rest.find('/'));
        if (host.empty() || HasUrlSyntax(host) || rest.find_first_of("?# ") != std::string::npos)
            return {};
        return value + kReportPath;
    }
    if (value.empty() || HasUrlSyntax(value) || value.find("://") != std::string::npos)
        return {};
    return "http://" + value + kReportPath;
}

std::string UsageReportUrl(const FleetSettings& fleet, int kwhUsed, int kwhSaved,
                           std::uint32_t deviceId) {
    const std::string endpoint = ReportEndpoint(fleet.reportHost.value_or(ProductWebHost()));
    if (endpoint.empty())
        return {};
    char query[96];
    std::snprintf(query, sizeof query, "?kwu=%d,&kws=%d,&did=%08X", kwhUsed, kwhSaved, deviceId);
    return endpoint + query;
}

} // namespace quelmo
