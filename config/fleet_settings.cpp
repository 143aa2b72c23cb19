#include "config/fleet_settings.h"

#include "config/key_value_file.h"
#include "http/winhttp_component.h"

#include <algorithm>

namespace quelmo {

FleetSettings Fleet;

namespace {
// A week; more would overflow nothing, but no fleet wants a schedule that stale.
constexpr int kMaxRefreshMinutes = 7 * 24 * 60;
} // namespace

void ReadFleetSettings(TKeyValueFile& store) {
    Fleet = {};
    if (!store.Failed()) {
        Fleet.reportHost = store.Find("ReportHost");
        if (store.Find("RefreshMinutes"))
            Fleet.refreshMinutes =
                std::clamp(store.ReadInt("RefreshMinutes", 0), 0, kMaxRefreshMinutes);
        Fleet.authorityFile = store.Find("CAFile");
    }
    SetTrustedAuthorityFile(Fleet.authorityFile.value_or(""));
}

void WriteFleetSettings(TKeyValueFile& store) {
    if (Fleet.reportHost)
        store.WriteText("ReportHost", *Fleet.reportHost);
    if (Fleet.refreshMinutes)
        store.WriteInt("RefreshMinutes", *Fleet.refreshMinutes);
    if (Fleet.authorityFile)
        store.WriteText("CAFile", *Fleet.authorityFile);
}

} // namespace quelmo
