// The settings file "Quelmo.ini": where the configuration database is, the energy counters
// and the power ratings.
#include "config/fleet_settings.h"
#include "config/settings.h"
#include "power/ascii_case.h"

#include "config/key_value_file.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quelmo {

double WhUsed = 0, WhSaved = 0, OnPower = 80, OffPower = 0, SbyPower = 3;
std::string PasswordScramble;
bool SettingsLoaded = false;

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
    WhUsed = WhSaved = 0;
    OnPower = 80;
    OffPower = 0;
    SbyPower = 3;
    host.SetConfigText("Default.db");
    if (!store.Failed()) {
        WhUsed = store.ReadInt("WhUsed", TruncateToInt(WhUsed));
        WhSaved = store.ReadInt("WhSaved", TruncateToInt(WhSaved));
        OnPower = store.ReadFloat("OnPower", OnPower);
        OffPower = store.ReadFloat("OffPower", OffPower);
        SbyPower = store.ReadFloat("SbyPower", SbyPower);
        host.SetConfigText(store.ReadText("DbFile", host.ConfigText()));
    }
    ReadFleetSettings(store);
    store.Close();
    host.SetRatingEdits(TruncateToInt(OnPower), TruncateToInt(OffPower), TruncateToInt(SbyPower));
    host.SetAutoStartChecked(AutoStartIsSet());
    SettingsLoaded = true;
}

void SaveSettings(ConfigHost& host, SaveKind kind) {
    if (!SettingsLoaded)
        return;
    TKeyValueFile store(kSettingsFile, false);
    if (kind == SaveKind::Routine)
        store.LeaveToWriteBack();
    const std::string config = host.ConfigText();
    if (ConfigIsUrl(config))
        store.WriteText("DbFile", config);
    else
        store.WritePath("DbFile", config);
    store.WriteInt("WhUsed", TruncateToInt(WhUsed));
    store.WriteInt("WhSaved", TruncateToInt(WhSaved));
    store.WriteFloat("OnPower", OnPower);
    store.WriteFloat("OffPower", OffPower);
    store.WriteFloat("SbyPower", SbyPower);
    WriteFleetSettings(store);
    store.Close();
    SetAutoStart(host.AutoStartChecked());
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
