#include "config/fleet_settings.h"

#include "config/key_value_file.h"

#include <algorithm>

namespace quelmo {

namespace {
// A week; more would overflow nothing, but no fleet wants a schedule that stale.
constexpr int kMaxRefreshMinutes = 7 * 24 * 60;
} // namespace

FleetSettings ReadFleetSettings(TKeyValueFile& store) {
    FleetSettings fleet;
    if (store.Failed())
        return fleet;
    fleet.reportHost = store.Find("ReportHost");
    if (store.Find("RefreshMinutes"))
        fleet.refreshMinutes =
            std::clamp(store.ReadInt("RefreshMinutes", 0), 0, kMaxRefreshMinutes);
    fleet.authorityFile = store.Find("CAFile");
    return fleet;
}

void WriteFleetSettings(TKeyValueFile& store, const FleetSettings& fleet) {
    if (fleet.reportHost)
        store.WriteText("ReportHost", *fleet.reportHost);
    if (fleet.refreshMinutes)
        store.WriteInt("RefreshMinutes", *fleet.refreshMinutes);
    if (fleet.authorityFile)
        store.WriteText("CAFile", *fleet.authorityFile);
}

} // namespace quelmo
