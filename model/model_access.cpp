// SPDX-License-Identifier: GPL-3.0-or-later
// The password lock of the details panel, the password change, and what the panel edits: the
// configuration's name, the autostart, the schedule.
#include "model/model.h"

#include "config/settings.h"
#include "power/texts.h"
#include "schedule/week_schedule.h"

#include <algorithm>

namespace quelmo {

namespace {
constexpr int kUnlockSeconds = 300;

// Texts are single-byte Latin-1; its capitals (A–Z, À–Þ but ×) lower-case by +32, so that a
// password matches in either case whatever letters it holds.
std::string Lower(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 32);
    }
    return text;
}
} // namespace

void Model::SetConfigUnlocked(bool unlocked) {
    CatchUp();
    ProgramState& s = mState;
    // A configuration fetched from a web server cannot be written back.
    s.SaveEnabled = unlocked && !ConfigIsUrl(s.Config);
    if (unlocked) {
        s.LockCountdown = kUnlockSeconds;
        s.DetailsShown = true;
    } else {
        // Locking never hides the panel: anyone may look at it.
        s.LockCountdown = 0;
    }
    emit LockChanged();
    Acted();
}

void Model::TouchLockCountdown() {
    if (mState.LockCountdown != 0)
        mState.LockCountdown = kUnlockSeconds;
}

bool Model::TryLogin(const std::string& candidate) {
    CatchUp();
    if (mState.LockCountdown != 0)
        return false;
    if (ScramblePassword(Lower(candidate)) != mState.PasswordScramble)
        return false;
    SetConfigUnlocked(true);
    return true;
}

bool Model::ChangePassword(const QString& newPassword, const QString& confirmation) {
    CatchUp();
    bool changed = false;
    if (newPassword.size() < 4) {
        ShowNotice(Texts::Tr("New password\nis too short"));
    } else if (newPassword != confirmation) {
        ShowNotice(Texts::Tr("New password and confirmation\ndo not match"));
    } else {
        mState.PasswordScramble = ScramblePassword(Lower(newPassword.toLatin1().toStdString()));
        SaveAll(*this);
        changed = true;
    }
    TouchLockCountdown();
    Acted();
    return changed;
}

void Model::SetDetailsShown(bool shown) {
    mState.DetailsShown = shown;
    emit LockChanged();
    Acted();
}

void Model::EditConfigName(const std::string& name) {
    mState.Config = name;
}

void Model::EditAutoStart(bool on) {
    mState.AutoStart = on;
}

void Model::LoadConfiguration() {
    CatchUp();
    LoadConfig(*this);
    emit ConfigChanged();
    TouchLockCountdown();
    Acted();
}

void Model::HoldForEditing(int ticks) {
    mState.EditHoldOff = ticks;
    Reschedule();
}

void Model::SetSlots(int day, int firstSlot, int lastSlot, int value) {
    for (int slot = std::max(firstSlot, 0); slot <= std::min(lastSlot, SlotsPerDay - 1); ++slot)
        mState.WeekSchedule[day * SlotsPerDay + slot] = static_cast<std::uint8_t>(value);
    emit ConfigChanged();
}

} // namespace quelmo
