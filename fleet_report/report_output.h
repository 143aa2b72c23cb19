#pragma once
// The fleet's figures as a table for people or as CSV for spreadsheets.

#include "fleet_report/fleet_totals.h"

#include <string>

namespace quelmo::fleet {

std::string FormatTable(const FleetTotals& fleet, long long malformed);
std::string FormatCsv(const FleetTotals& fleet);

// "2026-12-08 15:30:43" (UTC).
std::string FormatUtc(std::int64_t utcSeconds);

} // namespace quelmo::fleet
