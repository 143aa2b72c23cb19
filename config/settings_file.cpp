// The settings file "Quelmo.ini": where the configuration database is, the energy counters
// and the power ratings.
#include "config/fleet_settings.h"
#include "config/settings.h"
#include "power/ascii_case.h"

#include "config/key_value_file.h"
#include "http/winhttp_component.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quelmo {

namespace {

const char* const kSettingsFile = "Quelmo.ini";

// Toward zero, and within the int range, so that no value from a file makes the cast
// undefined.
int TruncateToInt(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::clamp(value, lowest, highest)));
}

} // namespace

void LoadSettings(ConfigHost& host) {
    TKeyValueFile store(kSettingsFile, true);
    StoredState& s = host.Stored();
    s.WhUsed = s.WhSaved = 0;
    s.OnPower = 80;
    s.OffPower = 0;
    s.SbyPower = 3;
    host.SetConfigText("Default.db");
    if (!store.Failed()) {
        s.WhUsed = store.ReadInt("WhUsed", TruncateToInt(s.WhUsed));
        s.WhSaved = store.ReadInt("WhSaved", TruncateToInt(s.WhSaved));
        s.OnPower = store.ReadFloat("OnPower", s.OnPower);
        s.OffPower = store.ReadFloat("OffPower", s.OffPower);
        s.SbyPower = store.ReadFloat("SbyPower", s.SbyPower);
        host.SetConfigText(store.ReadText("DbFile", host.ConfigText()));
    }
    s.Fleet = ReadFleetSettings(store);
    // Only the fleet's own authority, where it names one, is trusted from now on.
    SetTrustedAuthorityFile(s.Fleet.authorityFile.value_or(""));
    store.Close();
    host.SetRatingEdits(TruncateToInt(s.OnPower), TruncateToInt(s.OffPower),
                        TruncateToInt(s.SbyPower));
    host.SetAutoStartChecked(AutoStartIsSet());
    s.SettingsLoaded = true;
}

SettingsRecord SettingsOf(ConfigHost& host) {
    const StoredState& s = host.Stored();
    return {host.ConfigText(), s.WhUsed,   s.WhSaved, s.OnPower,
            s.OffPower,        s.SbyPower, s.Fleet,   host.AutoStartChecked()};
}

void WriteSettings(const SettingsRecord& record, SaveKind kind) {
    TKeyValueFile store(kSettingsFile, false);
    if (kind == SaveKind::Routine)
        store.LeaveToWriteBack();
    if (ConfigIsUrl(record.config))
        store.WriteText("DbFile", record.config);
    else
        store.WritePath("DbFile", record.config);
    store.WriteInt("WhUsed", TruncateToInt(record.WhUsed));
    store.WriteInt("WhSaved", TruncateToInt(record.WhSaved));
    store.WriteFloat("OnPower", record.OnPower);
    store.WriteFloat("OffPower", record.OffPower);
    store.WriteFloat("SbyPower", record.SbyPower);
    WriteFleetSettings(store, record.Fleet);
    store.Close();
    SetAutoStart(record.autoStart);
}

void SaveSettings(ConfigHost& host, SaveKind kind) {
    if (host.Stored().SettingsLoaded)
        WriteSettings(SettingsOf(host), kind);
}

void SaveAll(ConfigHost& host) {
    SaveSettings(host);
    SaveConfig(host);
}

bool ConfigIsUrl(const std::string& configText) {
    return StartsWithIgnoringAsciiCase(configText, "http://") ||
           StartsWithIgnoringAsciiCase(configText, "https://");
}

} // namespace quelmo
