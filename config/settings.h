#pragma once
// The settings file "Quelmo.ini" and the configuration database.

#include "config/config_host.h"

#include <cstdint>
#include <string>

namespace quelmo {

// Energy state, kept in the settings file: watt-hours and watts.
extern double WhUsed, WhSaved, OnPower, OffPower, SbyPower;
// The scrambled details-panel password, kept in the configuration database.
extern std::string PasswordScramble;
// Set at the end of LoadSettings; SaveSettings does nothing before.
extern bool SettingsLoaded;

void LoadSettings(ConfigHost& host);
// Durable waits until the disk has the file. Routine leaves it to the system's write-back: the
// counts' save once a minute then costs an idle PC no waits for the disk.
enum class SaveKind { Durable, Routine };
void SaveSettings(ConfigHost& host, SaveKind kind = SaveKind::Durable);
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
