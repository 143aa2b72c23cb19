#pragma once
// What an administrator sets in "Quelmo.ini" for a fleet of PCs: where the usage reports go and
// how often a URL configuration is checked. Kept as the file has them, so that saving the
// settings writes back exactly what was seeded and nothing that was not.

#include <optional>
#include <string>

namespace quelmo {

class TKeyValueFile;

struct FleetSettings {
    bool operator==(const FleetSettings&) const = default;
    // "ReportHost": a host with an optional port, or an http:// or https:// base URL; empty
    // sends no report. nullopt: not in the file, the build's own host applies.
    std::optional<std::string> reportHost;
    // "RefreshMinutes": minutes between checks of a URL configuration; 0 or nullopt: none.
    std::optional<int> refreshMinutes;
    // "CAFile": a file of the certificate authorities (PEM) that alone are trusted for the
    // configuration and the reports, such as a school's own; nullopt or empty: the system's.
    std::optional<std::string> authorityFile;
};

// A failed store reads as nothing set.
FleetSettings ReadFleetSettings(TKeyValueFile& store);
void WriteFleetSettings(TKeyValueFile& store, const FleetSettings& fleet);

} // namespace quelmo
