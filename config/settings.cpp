// PLACEHOLDER: thin versions until the settings and configuration files land.
#include "config/settings.h"

#include "power/stuff.h"
#include "schedule/week_schedule.h"

namespace quelmo {

double WhUsed = 0, WhSaved = 0, OnPower = 80, OffPower = 0, SbyPower = 3;
std::string PasswordScramble;
bool SettingsLoaded = false;

void LoadSettings(ConfigHost& host) {
    WhUsed = WhSaved = 0;
    OnPower = 80;
    OffPower = 0;
    SbyPower = 3;
    host.SetConfigText("Default.db");
    host.SetRatingEdits(80, 0, 3);
    SettingsLoaded = true;
}

void SaveSettings(ConfigHost&) {}

void LoadConfig(ConfigHost& host) {
    PasswordScramble = ScramblePassword("wren");
    host.SetActionIndex(ActionList::Off, 0);
    host.SetActionIndex(ActionList::Delay, 0);
    for (int d = 0; d < 7; ++d)
        SetDayFromString(d, DefaultDayStrings[d]);
    host.ActionListChanged(ActionList::Delay);
    host.ActionListChanged(ActionList::Off);
}

void SaveConfig(ConfigHost&) {}

void SaveAll(ConfigHost& host) {
    SaveSettings(host);
    SaveConfig(host);
}

bool ConfigIsUrl(const std::string& configText) {
    if (configText.size() < 7)
        return false;
    std::string head = configText.substr(0, 7);
    for (char& c : head)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return head == "http://";
}

bool AutoStartIsSet() {
    return false;
}
void SetAutoStart(bool) {}

} // namespace quelmo
