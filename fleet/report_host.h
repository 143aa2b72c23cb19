#pragma once
// Where usage reports go: the "ReportHost" setting, or the build's own host when the settings
// file names none.

#include "config/fleet_settings.h"

#include <cstdint>
#include <string>

namespace quelmo {

// The report endpoint for a ReportHost value: a host with an optional port gets the http
// scheme, an http:// or https:// base URL keeps its own. Empty when no report is to be sent:
// an empty value, or one that is neither form.
std::string ReportEndpoint(const std::string& reportHost);

// The full report URL for the settings; empty when no report is to be sent.
std::string UsageReportUrl(const FleetSettings& fleet, int kwhUsed, int kwhSaved,
                           std::uint32_t deviceId);

} // namespace quelmo
