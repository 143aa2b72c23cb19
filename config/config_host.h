#pragma once
// What the settings and configuration code needs of the program that holds them.

#include "config/stored_state.h"

#include <string>

namespace quelmo {

enum class ActionList { Delay, Off };

class ConfigHost {
public:
    virtual ~ConfigHost() = default;

    // The values the two files keep.
    virtual StoredState& Stored() = 0;

    // The `Config` field: a URL as typed or a file name.
    virtual std::string ConfigText() const = 0;
    virtual void SetConfigText(const std::string& text) = 0;

    // The ratings as the details panel offers them for editing (OnP, OffP, StandbyP).
    virtual void SetRatingEdits(int on, int off, int standby) = 0;

    virtual bool AutoStartChecked() const = 0;
    virtual void SetAutoStartChecked(bool checked) = 0;

    // Item index of an action list; −1 when no item is selected.
    virtual int ActionIndex(ActionList list) const = 0;
    virtual void SetActionIndex(ActionList list, int index) = 0;
    // Runs the capability check of that list.
    virtual void ActionListChanged(ActionList list) = 0;

    virtual bool SaveEnabled() const = 0;
};

} // namespace quelmo
