#pragma once
// The fleet's figures in the text exposition format that node_exporter's textfile collector
// reads: per device its lifetime counters and the time of its latest report, then how many
// devices there are and how many fell silent.

#include "fleet_report/fleet_totals.h"

#include <string>
#include <string_view>

namespace quelmo::fleet {

// `end` and `silentDays` as for SilentDevices.
std::string PrometheusMetrics(const FleetFigures& fleet, std::int64_t end, int silentDays);

// A label's value with backslash, double quote and line feed escaped.
std::string LabelValue(std::string_view text);

} // namespace quelmo::fleet
