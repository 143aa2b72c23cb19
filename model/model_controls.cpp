// SPDX-License-Identifier: GPL-3.0-or-later
// The switch-off controls and the off-action fallback.
#include "model/model.h"

#include "config/settings.h"
#include "power/linux_wording.h"
#include "power/switchoff.h"
#include "power/texts.h"

#include <algorithm>
#include <cstdint>

namespace quelmo {

void Model::DelayedOff(int minutes) {
    CatchUp();
    ProgramState& s = mState;
    s.DelayMins = std::clamp(minutes, 1, 60);
    emit DelayMinsChanged(s.DelayMins);
    s.NowRequested = false;
    s.DelayedOffSeconds = s.DelayMins * 60;
    s.Countdown = CountdownState::Idle; // the next tick arms it
    s.Hold.reset();
    TouchLockCountdown();
    Acted();
}

void Model::SwitchOffNow() {
    CatchUp();
    mState.DelayedOffSeconds = 12;
    mState.Countdown = CountdownState::Armed;
    mState.Hold.reset();
    mState.NowRequested = true;
    Acted();
}

void Model::Abort() {
    CatchUp();
    ProgramState& s = mState;
    const bool delayedHeld = s.Hold && s.Hold->delayed;
    s.Hold.reset();
    if (s.DelayedOffSeconds != 0 || delayedHeld) {
        // A delayed switch-off is dropped; the schedule takes over at the next tick.
        s.DelayedOffSeconds = 0;
        s.NowRequested = false;
        s.Countdown = CountdownState::Idle;
    } else {
        // A held scheduled one is dropped too: its off slot passes as a cancelled one does.
        s.Countdown = CountdownState::Cancelled;
    }
    Acted();
}

void Model::Resume() {
    CatchUp();
    mState.Countdown = CountdownState::Armed;
    Acted();
}

void Model::ChooseAction(ActionList list, const ActionChoice& choice) {
    CatchUp();
    (list == ActionList::Delay ? mState.DelayAction : mState.OffAction) = choice;
    emit ConfigChanged();
    OffActionChange(list);
}

void Model::SaveRatings(int on, int off, int standby) {
    CatchUp();
    mState.OnPower = on;
    mState.OffPower = off;
    mState.SbyPower = standby;
    SaveAll(*this);
    TouchLockCountdown();
    Acted();
}

void Model::PowerOptions() {
    OpenPowerOptions();
    TouchLockCountdown();
}

void Model::OffActionChange(ActionList list) {
    CatchUp();
    const auto i = static_cast<std::uint8_t>(ActionIndex(list));
    const bool standby = IsPwrSuspendAllowed();
    const bool hibernate = IsPwrHibernateAllowed();
    const bool shutdown = IsPwrShutdownAllowed();
    std::string message;
    int fallback = i;
    switch (i) {
    case kStandBy:
        if (!standby) {
            message = hibernate ? Texts::Tr("Standby\nnot available\nwill use Hibernate")
                                : Texts::Tr("Standby\nnot available");
            fallback = hibernate ? kHibernate : kStandBy;
        }
        break;
    case kHibernate:
        if (!hibernate) {
            message = standby ? Texts::Tr("Hibernate\nnot available\nwill use Standby")
                              : Texts::Tr("Hibernate\nnot available");
            fallback = standby ? kStandBy : kHibernate;
        }
        break;
    case kShutDown:
        if (!shutdown) {
            if (hibernate) {
                message = Texts::Tr("PowerOff\nnot available\nwill use Hibernate");
                fallback = kHibernate;
            } else if (standby) {
                message = Texts::Tr("PowerOff\nnot available\nwill use Standby");
                fallback = kStandBy;
            } else {
                message = Texts::Tr("PowerOff\nnot available");
            }
        }
        break;
    default:
        ShowNotice(Texts::Tr("Bad Power\noption selection"));
        break;
    }
    if (!message.empty()) {
        SetActionIndex(list, fallback);
        DefaultBeep();
        PowerOptions();
        ShowNotice(message + Texts::Tr(wording::kCheckPowerSettings));
    }
    TouchLockCountdown();
    Acted();
}

} // namespace quelmo
