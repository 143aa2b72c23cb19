// SPDX-License-Identifier: GPL-3.0-or-later
// The tick: everything time-driven, in a fixed order.
#include "model/model.h"

#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "fleet/device_id.h"
#include "fleet/report_host.h"
#include "http/winhttp.h"
#include "power/switchoff.h"
#include "power/texts.h"
#include "schedule/week_schedule.h"

#include <cmath>
#include <cstdio>

namespace quelmo {

namespace {
constexpr double kTenMinutes = 600.0 / 86400;

// Whole seconds of a day count, truncated. The counts the tick sees are whole seconds divided
// by 86400; the tolerance keeps 540/86400 from reading as 539.
long long WholeSeconds(double days) {
    return static_cast<long long>(std::floor(days * 86400 + 1e-6));
}

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[128];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

DayCount LocalStandardAt(const platform::UtcTime& utc) {
    const std::int64_t local = utc.seconds + platform::StandardOffsetEastSeconds();
    return kUnixEpochDay + static_cast<double>(local) / 86400.0 + utc.millis / 86400000.0;
}
} // namespace

std::string FormatCountdown(double days) {
    // Marked with their context: lupdate loses the class's scope in a function returning
    // std::string. The numbers keep their format in every language.
    static constexpr const char* kUnits[] = {QT_TRANSLATE_NOOP("Quelmo", "Hours"),
                                             QT_TRANSLATE_NOOP("Quelmo", "Minutes"),
                                             QT_TRANSLATE_NOOP("Quelmo", "Seconds")};
    const long long s = WholeSeconds(days);
    const int h = static_cast<int>(s / 3600), m = static_cast<int>(s % 3600 / 60),
              sec = static_cast<int>(s % 60);
    if (h != 0)
        return Format("%d:%02d:%02d ", h, m, sec) + Texts::Tr(kUnits[0]);
    if (m != 0)
        return Format("%02d:%02d ", m, sec) + Texts::Tr(kUnits[1]);
    return Format("%02d ", sec) + Texts::Tr(kUnits[2]);
}

std::string FormatKwh(double kwh) {
    if (kwh > 99999)
        kwh = 99999;
    const int d = static_cast<int>(kwh);
    const int h = static_cast<int>((kwh - d) * 100);
    return Format("%05d.%02d kWh", d, h);
}

TickMoment Model::Now() const {
    return {platform::CurrentUtc(), platform::MonotonicMillis()};
}

void Model::Tick() {
    if (mTickAttached && !mAsleep)
        ScheduleNextTick(); // first, so that ticks keep coming inside a fetch
    TickAt(Now(), true);
}

void Model::TickAt(const TickMoment& moment, bool onTime) {
    // Whatever step ends the tick, those who follow the program hear of it.
    struct AtEnd {
        Model* model;
        bool onTime;
        ~AtEnd() {
            --model->mTickDepth;
            if (onTime) {
                emit model->Ticked();
                emit model->Changed();
            }
        }
    } atEnd{this, onTime};
    ++mTickDepth;
    mLastTick = moment;
    ProgramState& s = mState;

    const DayCount reading = LocalStandardAt(moment.utc);
    const long long jumpMillis = std::llround((reading - s.LastClock) * 86400000.0);
    s.LastClock = reading;
    mJumpPending = false;
    const DayCount wall = WallClockAt(moment.utc.seconds, moment.utc.millis);

    if (s.EditHoldOff != 0)
        --s.EditHoldOff;
    if (!s.NowRequested)
        s.TimeToNextOn = TimeToNextSwitchAt(s.WeekSchedule, wall, 1);

    if (jumpMillis > 30000) { // resumed from standby, or the clock was set forward
        SetConfigUnlocked(false);
        LoadConfig(*this);
        emit ConfigChanged();
    }

    if (s.LockCountdown != 0) {
        emit LoginCleared();
        if (--s.LockCountdown == 0)
            SetConfigUnlocked(false);
    }

    mRefresh->Tick(moment.utc.seconds);

    s.WhUsed += s.OnPower / 3600;
    const double used = s.WhUsed * 0.001;
    if (s.TickCount > 5 && static_cast<long long>(used) != s.LastReportedKwh)
        UsageReport(used);

    ++s.TickCount;
    SaveOnTick(s.TickCount);
    if (s.TickCount == 30 && !s.DetailsShown)
        emit MinimizeRequested();

    if (s.Countdown == CountdownState::Held && HeldTick(moment))
        return;

    const bool delayed = s.DelayedOffSeconds != 0;
    double r;
    if (delayed) {
        // A refused delayed switch-off waits, cancelled, for Resume to try it again.
        if (s.Countdown != CountdownState::Cancelled)
            --s.DelayedOffSeconds;
        r = s.DelayedOffSeconds / 86400.0;
        if (s.DelayedOffSeconds < 60) {
            // The minutes field counts the last minute down (within its range 1..60).
            s.DelayMins = std::max(s.DelayedOffSeconds, 1);
            emit DelayMinsChanged(s.DelayMins);
        }
    } else {
        r = TimeToNextSwitchAt(s.WeekSchedule, wall, 0);
        if (s.EditHoldOff != 0)
            return; // the schedule is being edited
    }

    if (r > 7.0) {
        s.SecondsLeft = -1;
        s.CountdownDelayed = false;
        s.StatusText.clear();
        s.Countdown = CountdownState::Idle;
        return;
    }

    const QString action =
        ActionText(s.DelayedOffSeconds != 0 ? ActionList::Delay : ActionList::Off);
    // The countdown's numbers keep their format in every language; only the words change.
    QString text =
        Texts::tr("PC will %1 in %2").arg(action, QString::fromStdString(FormatCountdown(r)));
    if (s.Countdown == CountdownState::Cancelled)
        text += Texts::tr(" (But Aborted!)");
    s.StatusGreen = r < 1.0 / 24;
    s.StatusText = text;
    s.SecondsLeft = static_cast<int>(WholeSeconds(r));
    s.CountdownDelayed = delayed;

    if (s.Countdown == CountdownState::Idle)
        s.Countdown = CountdownState::Armed;
    if (s.Countdown == CountdownState::Cancelled)
        return; // shown, but neither warns nor switches off
    if (r >= kTenMinutes)
        return;

    const long long secondsLeft = WholeSeconds(r);
    const long long minutes = secondsLeft / 60, seconds = secondsLeft % 60;

    if (wall - s.StartTime < kTenMinutes) {
        s.StartTime = 0; // fires once per run, and before a nested tick could see it
        if (s.DelayedOffSeconds == 0) {
            s.Countdown = CountdownState::Cancelled;
            ShowNotice(
                Texts::Tr("Pending scheduled shutdown ignored\nas Quelmo! has just been started"));
            return;
        }
    }

    if ((minutes != 0 && seconds == 0) || (minutes == 0 && seconds < 20)) {
        DefaultBeep();
        emit RestoreRequested();
        const bool last = delayed ? s.DelayedOffSeconds == 0 : secondsLeft <= 1;
        if (last)
            SwitchOffUnlessHeld(delayed);
    }
}

void Model::SaveOnTick(int tickCount) {
    if (tickCount % 60 != 0)
        return;
    if (mCatchingUp) {
        // Ticks caught up write only their last save, as it stood then: the file ends up the
        // same as if each had been written on time.
        if (mState.SettingsLoaded)
            mDeferredSave = SettingsOf(*this);
        return;
    }
    // Every tenth minute's save waits for the disk, so that a crash loses at most ten minutes
    // whatever happens to the writing of the others.
    SaveSettings(*this, tickCount % 600 == 0 ? SaveKind::Durable : SaveKind::Routine);
}

void Model::UsageReport(double kwhUsed) {
    const int k = static_cast<int>(kwhUsed);
    mState.LastReportedKwh = k; // first, so that a tick nested in the fetch does not send it again
    const std::string url =
        UsageReportUrl(mState.Fleet, k, static_cast<int>(mState.WhSaved * 0.001), DeviceId());
    if (!url.empty()) // no report host chosen: nothing leaves the PC
        HTTPReadString(url, 900);
}

} // namespace quelmo
