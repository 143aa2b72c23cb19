// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a countdown: the switch-off, held back while another program holds the PC awake,
// and what a refused one leaves.
#include "model/model.h"

#include "config/settings.h"
#include "power/switchoff.h"
#include "power/texts.h"
#include "schedule/week_schedule.h"

#include <cmath>

namespace quelmo {

namespace {
// How often logind is asked again whether a switch-off may go ahead.
constexpr int kAskAgainSeconds = 60;
// A refused delayed switch-off, resumed, counts down this long again, as "Now!" does.
constexpr int kRetrySeconds = 12;

QString Holders(const std::vector<Blocker>& blockers) {
    QStringList names;
    for (const Blocker& blocker : blockers) {
        const QString who = QString::fromStdString(blocker.who);
        names << (blocker.why.empty()
                      ? Texts::tr("\"%1\"").arg(who)
                      : Texts::tr("\"%1\" (%2)").arg(who, QString::fromStdString(blocker.why)));
    }
    return names.join(QStringLiteral(", "));
}
} // namespace

void Model::SwitchOffUnlessHeld(bool delayed) {
    ProgramState& s = mState;
    // "Now!" is a person's explicit request: logind decides, and may ask.
    if (!(delayed && s.NowRequested)) {
        const int code = ActionIndex(delayed ? ActionList::Delay : ActionList::Off);
        const auto blockers = SwitchOffBlockers(code);
        if (blockers && !blockers->empty()) {
            const std::int64_t now = mLastTick.utc.seconds;
            HeldSwitchOff hold;
            hold.delayed = delayed;
            const DayCount wall = WallClockAt(now, mLastTick.utc.millis);
            hold.untilSecond =
                now + std::llround(TimeToNextSwitchAt(s.WeekSchedule, wall, 1) * 86400);
            hold.nextAskSecond = now + kAskAgainSeconds;
            hold.holders = Holders(*blockers);
            s.Hold = hold;
            s.Countdown = CountdownState::Held;
            ShowHold();
            return;
        }
    }
    SwitchOff(delayed);
}

bool Model::HeldTick(const TickMoment& moment) {
    ProgramState& s = mState;
    HeldSwitchOff& hold = *s.Hold;
    const std::int64_t now = moment.utc.seconds;
    if (!hold.delayed && now >= hold.untilSecond) {
        // The off slot is over: the countdown goes on to the next boundary.
        s.Hold.reset();
        s.Countdown = CountdownState::Armed;
        return false;
    }
    if (now >= hold.nextAskSecond) {
        const int code = ActionIndex(hold.delayed ? ActionList::Delay : ActionList::Off);
        const auto blockers = SwitchOffBlockers(code);
        if (!blockers || blockers->empty()) {
            const bool delayed = hold.delayed;
            s.Hold.reset();
            s.Countdown = CountdownState::Armed;
            SwitchOff(delayed);
            return true;
        }
        hold.holders = Holders(*blockers);
        hold.nextAskSecond = now + kAskAgainSeconds;
    }
    ShowHold();
    return true;
}

void Model::ShowHold() {
    ProgramState& s = mState;
    const QString action = ActionText(s.Hold->delayed ? ActionList::Delay : ActionList::Off);
    s.StatusText = Texts::tr("PC will %1 when %2 is done").arg(action, s.Hold->holders);
    s.StatusGreen = true;
    s.SecondsLeft = 0;
    s.CountdownDelayed = s.Hold->delayed;
}

void Model::SwitchOff(bool delayed) {
    ProgramState& s = mState;
    s.Countdown = CountdownState::Idle;
    const bool nowRequested = s.NowRequested;
    const DayCount wall = WallClockAt(mLastTick.utc.seconds, mLastTick.utc.millis);
    if (!s.NowRequested)
        s.TimeToNextOn = TimeToNextSwitchAt(s.WeekSchedule, wall, 1);
    int code;
    if (delayed) {
        code = ActionIndex(ActionList::Delay);
        if (s.NowRequested) {
            s.NowRequested = false;
            s.TimeToNextOn = 1.0 / 1440;
        }
    } else {
        code = ActionIndex(ActionList::Off);
    }
    // Booked and saved before the action, so that the file holds it whenever the PC sleeps.
    const double savedBefore = s.WhSaved;
    const double hours = s.TimeToNextOn * 24;
    if (code == kStandBy)
        s.WhSaved += (s.OnPower - s.SbyPower) * hours;
    else if (code == kHibernate || code == kShutDown)
        s.WhSaved += (s.OnPower - s.OffPower) * hours;
    SaveSettings(*this);
    // A notice about the wake-up timer or a refusal comes after the power action, and its box
    // is there when the PC is back.
    const NoticeHold hold;
    ArmWakeTimer(s.TimeToNextOn, code);
    emit SwitchingOff();
    const PowerActionResult result = PerformPowerAction(code);
    if (result.accepted || code < kStandBy || code > kShutDown)
        return;
    // Refused, or failed: nothing was saved, and the person hears why.
    s.WhSaved = savedBefore;
    SaveSettings(*this);
    if (!result.refusal.empty())
        ShowNotice(result.refusal);
    if (delayed) {
        // Still pending: Resume tries again.
        s.DelayedOffSeconds = kRetrySeconds;
        s.NowRequested = nowRequested;
        s.Countdown = CountdownState::Cancelled;
    }
}

} // namespace quelmo
