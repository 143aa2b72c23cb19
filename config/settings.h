#pragma once
// The settings file "Quelmo.ini" and the configuration database.

#include "config/config_host.h"

#include <cstdint>
#include <string>

namespace quelmo {

void LoadSettings(ConfigHost& host);
// Durable waits until the disk has the file. Routine starts the writing and does not wait for
// it: the counts' save once a minute then costs an idle PC no waits for the disk.
enum class SaveKind { Durable, Routine };
void SaveSettings(ConfigHost& host, SaveKind kind = SaveKind::Durable);

// What one save of the settings file writes, as it stood at the moment of the save: a save
// can be taken then and written later, with the same result.
struct SettingsRecord {
    std::string config;
    double WhUsed = 0, WhSaved = 0, OnPower = 0, OffPower = 0, SbyPower = 0;
    FleetSettings Fleet;
    bool autoStart = false;
};
SettingsRecord SettingsOf(ConfigHost& host);
void WriteSettings(const SettingsRecord& record, SaveKind kind = SaveKind::Durable);
void LoadConfig(ConfigHost& host);
void SaveConfig(ConfigHost& host);
void SaveAll(ConfigHost& host);
// A downloaded body that names at least one of the database's keys; an error page sent with
// status 200 names none.
bool HoldsDatabaseKey(const std::string& body);
// A URL configuration longer than this is no database (a week's schedule takes about 1 KB):
// its download stops there, and the last good copy stays.
inline constexpr std::uint32_t kMaxDatabaseBytes = 1024 * 1024;

// "http://" or "https://" in any letter case.
bool ConfigIsUrl(const std::string& configText);

bool AutoStartIsSet();
void SetAutoStart(bool on);

} // namespace quelmo
