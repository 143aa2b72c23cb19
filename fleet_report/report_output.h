#pragma once
// The fleet's figures as a table for people or as CSV for spreadsheets.

#include "fleet_report/fleet_totals.h"

#include <optional>
#include <string>

namespace quelmo::fleet {

// What the saved energy is worth, where the administrator gave the rates.
struct SavingRates {
    std::optional<double> moneyPerKwh, co2KgPerKwh;
};

std::string FormatTable(const FleetFigures& fleet, const SavingRates& rates, long long malformed);
std::string FormatCsv(const FleetFigures& fleet, const SavingRates& rates);

// "2026-12-08 15:30:43" (UTC).
std::string FormatUtc(std::int64_t utcSeconds);

} // namespace quelmo::fleet
