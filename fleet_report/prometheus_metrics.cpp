#include "fleet_report/prometheus_metrics.h"

#include <cstdio>

namespace quelmo::fleet {

namespace {

void Family(std::string& out, const char* name, const char* type, const char* help) {
    out += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n";
}

void Sample(std::string& out, const char* name, std::uint32_t device, long long value) {
    char id[9];
    std::snprintf(id, sizeof id, "%08X", device);
    out +=
        std::string(name) + "{device=\"" + LabelValue(id) + "\"} " + std::to_string(value) + "\n";
}

} // namespace

std::string LabelValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string PrometheusMetrics(const FleetFigures& fleet, std::int64_t end, int silentDays) {
    std::string out;
    Family(out, "quelmo_kwh_used_total", "counter",
           "Energy the device has used, in kWh, as its latest report counts it.");
    for (const auto& [id, row] : fleet.devices)
        Sample(out, "quelmo_kwh_used_total", id, row.kwhUsed);
    Family(out, "quelmo_kwh_saved_total", "counter",
           "Energy the device's switch-offs have saved, in kWh, as its latest report counts it.");
    for (const auto& [id, row] : fleet.devices)
        Sample(out, "quelmo_kwh_saved_total", id, row.kwhSaved);
    Family(out, "quelmo_last_report_timestamp_seconds", "gauge",
           "Time of the device's latest report, in seconds since the epoch.");
    for (const auto& [id, row] : fleet.devices)
        Sample(out, "quelmo_last_report_timestamp_seconds", id, row.lastReport);
    Family(out, "quelmo_devices", "gauge", "Devices that have reported.");
    out += "quelmo_devices " + std::to_string(fleet.devices.size()) + "\n";
    Family(
        out, "quelmo_silent_devices", "gauge",
        ("Devices without a report in the last " + std::to_string(silentDays) + " days.").c_str());
    out += "quelmo_silent_devices " + std::to_string(SilentDevices(fleet, end, silentDays).size()) +
           "\n";
    return out;
}

} // namespace quelmo::fleet
