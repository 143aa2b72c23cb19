#pragma once
// What the settings file "Quelmo.ini" and the configuration database keep, as the program holds
// it while it runs.

#include "config/fleet_settings.h"
#include "schedule/week_schedule.h"

#include <string>

namespace quelmo {

struct StoredState {
    // The settings file: energy in watt-hours, ratings in watts.
    double WhUsed = 0, WhSaved = 0, OnPower = 80, OffPower = 0, SbyPower = 3;
    FleetSettings Fleet;
    // Set at the end of LoadSettings; SaveSettings does nothing before.
    bool SettingsLoaded = false;
    // The configuration database: the details panel's scrambled password and the week.
    std::string PasswordScramble;
    WeekTable WeekSchedule{};
};

} // namespace quelmo
