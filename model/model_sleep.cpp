// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks every second while somebody may be watching or a switch-off is near; otherwise sleep
// until the next moment at which something observable happens, then catch up with the ticks
// missed, one by one, so that everything comes out as if each had run on time.
#include "model/model.h"

#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "model/ticker.h"
#include "schedule/week_schedule.h"

#include <algorithm>
#include <cmath>

namespace quelmo {

namespace {
constexpr int kWarningSeconds = 600; // the last ten minutes of a countdown
constexpr int kHideTick = 30;
constexpr int kDurableSaveTicks = 600;
// The wake-up comes a little after the tick's moment, so that the time awake counts it whole.
constexpr int kWakeMarginMillis = 50;

// The first tick in (0, limit] at which `changed(k)` holds, where it holds from some tick on.
template <typename Predicate> int FirstTick(int limit, Predicate changed) {
    if (!changed(limit))
        return limit;
    int lo = 0, hi = limit; // changed(hi), !changed(lo) or lo == 0
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        (changed(mid) ? hi : lo) = mid;
    }
    return hi;
}
} // namespace

QTimer* Model::TickTimer() const {
    return mTicker->Timer();
}

void Model::AttachTick() {
    mTickAttached = true;
    mAsleep = false;
    ScheduleNextTick();
}

void Model::DetachTick() {
    mTickAttached = false;
    mAsleep = false;
    mTicker->Stop();
}

void Model::ScheduleNextTick() {
    // Aim at the middle of the next wall-clock second, so that timer drift never skips one.
    const int millis = platform::CurrentUtc().millis;
    mTicker->TickIn(1500 - millis);
}

void Model::OnTick() {
    Tick();
    Reschedule();
}

void Model::OnWake() {
    CatchUp();
    Reschedule();
}

void Model::OnClockSet() {
    CatchUp();
    // The next tick, within a second, sees the jump as a tick every second would have.
    mJumpPending = true;
    Reschedule();
}

void Model::SetWindowSeen(bool seen) {
    if (seen == mSeen)
        return;
    if (seen)
        CatchUp();
    mSeen = seen;
    Reschedule();
}

void Model::CatchUp() {
    if (!mAsleep || mCatchingUp || mEnding)
        return;
    const std::int64_t awake = platform::MonotonicMillis();
    mCatchingUp = true;
    bool ran = false;
    // Each tick that a one-second timer would have run by now, at the moment it would have
    // come; a set clock or a suspend in between counts as happening just now. A tick that would
    // warn or switch off is never run late: the rhythm takes over before it.
    while (mLastTick.awakeMillis + 1000 <= awake && !NeedsEverySecond()) {
        TickMoment next = mLastTick;
        next.awakeMillis += 1000;
        next.utc.seconds += 1;
        TickAt(next, false);
        ran = true;
    }
    mCatchingUp = false;
    // Written without waiting for the disk: asleep, each wait would wake the program's threads
    // several times over, and the save goes to the disk at once all the same.
    if (mDeferredSave) {
        WriteSettings(*mDeferredSave, SaveKind::Routine);
        mDeferredSave.reset();
    }
    if (ran) {
        emit Ticked();
        emit Changed();
    }
    Reschedule();
}

bool Model::NeedsEverySecond() const {
    const ProgramState& s = mState;
    if (mSeen || mJumpPending || s.LockCountdown != 0 || s.EditHoldOff != 0)
        return true;
    // The last ten minutes warn and switch off on their second.
    if (s.DelayedOffSeconds != 0 && s.DelayedOffSeconds < kWarningSeconds &&
        s.Countdown != CountdownState::Cancelled)
        return true;
    return s.Countdown == CountdownState::Armed && s.SecondsLeft >= 0 &&
           s.SecondsLeft < kWarningSeconds;
}

int Model::TicksUntilNextMoment() const {
    if (NeedsEverySecond())
        return 1;
    const ProgramState& s = mState;
    // A save at least every ten minutes, so that a crash loses no more than it would with a tick
    // every second.
    int ticks = kDurableSaveTicks - s.TickCount % kDurableSaveTicks;
    if (s.TickCount < kHideTick)
        ticks = std::min(ticks, kHideTick - s.TickCount);

    const std::int64_t lastSecond = mLastTick.utc.seconds;
    // The countdown: its last ten minutes, delayed or scheduled, and its beginning; while held
    // back, the next question to logind and the end of the off slot.
    if (s.Countdown == CountdownState::Held) {
        ticks = std::min<std::int64_t>(
            ticks, std::max<std::int64_t>(s.Hold->nextAskSecond - lastSecond, 1));
        if (!s.Hold->delayed)
            ticks = std::min<std::int64_t>(
                ticks, std::max<std::int64_t>(s.Hold->untilSecond - lastSecond, 1));
    } else if (s.DelayedOffSeconds != 0) {
        if (s.Countdown == CountdownState::Idle)
            ticks = 1; // armed at the next tick
        else if (s.Countdown == CountdownState::Armed)
            ticks = std::min(ticks, s.DelayedOffSeconds - kWarningSeconds + 1);
    } else {
        const DayCount wall = WallClockAt(lastSecond, mLastTick.utc.millis);
        const double r = TimeToNextSwitchAt(s.WeekSchedule, wall, 0);
        if (r <= 7.0) {
            const int left = static_cast<int>(std::llround(r * 86400));
            if (s.Countdown == CountdownState::Idle)
                ticks = 1;
            else if (s.Countdown == CountdownState::Armed)
                ticks = std::min(ticks, left - kWarningSeconds + 1);
        }
    }

    // A check of the fleet's configuration.
    if (const auto at = mRefresh->NextCheckAt())
        ticks = std::min<std::int64_t>(ticks, std::max<std::int64_t>(*at - lastSecond, 1));
    else if (mRefresh->Enabled())
        ticks = 1;

    // A usage report at the next whole kWh: the same additions as the ticks will make.
    double used = s.WhUsed;
    for (int k = 1; k <= ticks; ++k) {
        used += s.OnPower / 3600;
        if (s.TickCount + k - 1 > 5 && static_cast<long long>(used * 0.001) != s.LastReportedKwh) {
            ticks = k;
            break;
        }
    }

    // A change of daylight saving moves the schedule's boundaries against the clock.
    const long long offset = platform::UtcOffsetSecondsAt(lastSecond);
    ticks = FirstTick(
        ticks, [&](int k) { return platform::UtcOffsetSecondsAt(lastSecond + k) != offset; });
    return std::max(ticks, 1);
}

void Model::Reschedule() {
    // A tick decides when it has ended.
    if (!mTickAttached || mEnding || mTickDepth > 0)
        return;
    const int ticks = TicksUntilNextMoment();
    if (ticks <= 1) {
        if (mAsleep) {
            // Awake again: the rhythm goes on a second after the last tick, which the ticks
            // caught up left in the middle of its second, so that no second goes without.
            mAsleep = false;
            const std::int64_t due = mLastTick.awakeMillis + 1000 - platform::MonotonicMillis();
            mTicker->TickIn(static_cast<int>(std::clamp<std::int64_t>(due, 0, 1000)));
        } else if (!mTicker->TickPending()) {
            ScheduleNextTick();
        }
        return;
    }
    mAsleep = true;
    const std::int64_t lastMillis = mLastTick.utc.seconds * 1000 + mLastTick.utc.millis;
    mTicker->WakeAt(lastMillis + static_cast<std::int64_t>(ticks) * 1000 + kWakeMarginMillis);
    emit Sleeping();
}

} // namespace quelmo
