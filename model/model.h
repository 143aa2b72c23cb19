// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program: all of its state and everything it does, with no window of its own. The window,
// the control interface on the session bus, the desktop notification and the tray icon are views
// of it: they show what it holds, follow its signals and call its actions. Its code is spread
// over model_*.cpp by concern.

#include "config/config_host.h"
#include "config/settings.h"
#include "platform/clock.h"
#include "power/stuff.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quelmo {

namespace platform {
class AbruptEndWatch;
class InstanceLock;
class TerminationSignal;
} // namespace platform

class TConfigRefresh;
class Ticker;

// The countdown towards the next switch-off: nothing within seven days, counting, counting
// but cancelled ("Resume Shutdown" offered), or due but held back while another program holds
// the PC awake.
enum class CountdownState { Idle, Armed, Cancelled, Held };

// A switch-off held back by other programs' inhibitor locks: it goes ahead as soon as the last
// goes, a scheduled one only while its off slot lasts.
struct HeldSwitchOff {
    bool delayed = false;
    std::int64_t untilSecond = 0;   // the off slot's end, seconds since the epoch (scheduled)
    std::int64_t nextAskSecond = 0; // when logind is asked again
    QString holders;                // "\"who\" (why)", for each lock
};

// The choice of an action list: an item, or text typed into the list that names none (−1).
struct ActionChoice {
    int index = 0;
    QString typed;
};

// The power broadcast's event codes. Only the suspend query is acted on; the others' texts are
// not shown.
enum PowerBroadcastCode {
    PBT_APMQUERYSUSPEND = 0,
    PBT_APMQUERYSUSPENDFAILED = 2,
    PBT_APMRESUMECRITICAL = 6,
    PBT_APMRESUMESUSPEND = 7,
    PBT_APMBATTERYLOW = 9,
    PBT_APMPOWERSTATUSCHANGE = 10,
    PBT_APMOEMEVENT = 11,
    PBT_APMRESUMEAUTOMATIC = 18,
};

// Everything the program holds while it runs: what the two files keep, the tick engine's
// counters, the countdown, the lock and the choices of the details panel.
struct ProgramState : StoredState {
    bool StartupComplete = false;
    int DelayedOffSeconds = 0, TickCount = 0, LockCountdown = 0, EditHoldOff = 0;
    bool NowRequested = false;
    int LastReportedKwh = -1;
    DayCount StartTime = 0;
    DayCount LastClock = 0;
    double TimeToNextOn = 0;

    CountdownState Countdown = CountdownState::Idle;
    int SecondsLeft = -1;          // as the last tick counted; −1: nothing within seven days
    bool CountdownDelayed = false; // a delayed (or "Now!") switch-off rather than the schedule's
    std::optional<HeldSwitchOff> Hold; // while Countdown is Held
    QString StatusText;                // the status line, shown or not
    bool StatusGreen = false;          // less than an hour left

    ActionChoice DelayAction, OffAction;
    int DelayMins = 60;               // minutes of a delayed switch-off, 1..60
    std::string Config = "Quelmo.db"; // the configuration database's name or URL
    bool AutoStart = false;           // started at log-in
    bool DetailsShown = false;        // the details panel is open
    bool SaveEnabled = false;         // the database may be written (unlocked, not a URL)
};

// A tick's moment: the wall clock, and how long the machine has been awake (which stands still
// while it sleeps and ignores a clock that is set).
struct TickMoment {
    platform::UtcTime utc;
    std::int64_t awakeMillis = 0;
};

class Model : public QObject, public ConfigHost {
    Q_OBJECT
public:
    Model();
    // The ticker stands in for the timers in tests.
    explicit Model(std::unique_ptr<Ticker> ticker);
    // The end of the program: what "Exit!" does, unless that has been done.
    ~Model() override;

    const ProgramState& State() const { return mState; }
    ProgramState& StateForTesting() { return mState; }
    // The text an action list shows: the action's name, or what was typed.
    QString ActionText(ActionList list) const;

    // Start-up: one copy only, power management, the action lists, the settings and the
    // configuration, the lock, the first tick, then ticks and the wake-up timer a week ahead.
    // False when refused, after a notice saying why.
    bool Start();

    // --- The one-second tick and the sleep between moments.
    // One tick at the clock's present moment.
    void Tick();
    // Runs, one after the other, the ticks a one-second timer would have run since the last
    // one, while the model slept. Whoever reads the state calls it first.
    void CatchUp();
    // Ticks come from the ticker only while attached (from the end of start-up to the end).
    void AttachTick();
    void DetachTick();
    bool TickAttached() const { return mTickAttached; }
    // Sleeping between moments rather than ticking every second.
    bool Asleep() const { return mAsleep; }
    // The one-second timer, where a real ticker has one.
    QTimer* TickTimer() const;
    // The window is in sight: ticks come every second.
    void SetWindowSeen(bool seen);
    // The ticks until the next moment at which something observable happens, counted from the
    // last tick; 1 while every tick matters.
    int TicksUntilNextMoment() const;
    const TConfigRefresh& Refresh() const { return *mRefresh; }

    // --- Switch-off controls.
    void DelayedOff(int minutes);
    void SwitchOffNow();
    // Cancels the pending switch-off, as "Cancel Shutdown" does.
    void Abort();
    void Resume();
    // A choice in an action list, then its check (the fallback where the PC cannot do it).
    void ChooseAction(ActionList list, const ActionChoice& choice);
    // The check alone: an action the PC cannot perform falls back to one it can, and the person
    // is told and shown the power settings.
    void OffActionChange(ActionList list);
    // Takes the watt ratings and saves.
    void SaveRatings(int on, int off, int standby);
    void PowerOptions();

    // --- The lock of the details panel.
    void SetConfigUnlocked(bool unlocked);
    void TouchLockCountdown();
    // A login attempt with the candidate password (the field's text and the key just pressed);
    // true when it unlocked the panel.
    bool TryLogin(const std::string& candidate);
    // True when the password was changed (and saved).
    bool ChangePassword(const QString& newPassword, const QString& confirmation);
    void SetDetailsShown(bool shown);
    // What the person typed or ticked in the panel, which shows it already (the configuration
    // code's SetConfigText and SetAutoStartChecked tell the views).
    void EditConfigName(const std::string& name);
    void EditAutoStart(bool on);
    void LoadConfiguration();
    // Schedule editing: the countdown holds still for `ticks` ticks.
    void HoldForEditing(int ticks);
    void SetSlots(int day, int firstSlot, int lastSlot, int value);

    // --- The program's life.
    // "Exit!": ends the program once no download waits below the caller.
    void Exit();
    // The window's close request: the settings are saved, the program goes on.
    void FormClose();
    // The desktop session or the process is ending (log-out, SIGTERM): saves as "Exit!" does and
    // leaves the message loop with 0.
    void EndSession();
    // The process ends with no time for more (the display server went away): saves once.
    void SaveForSessionEnd();
    // A power event; the suspend query re-arms the wake-up timer for the next switch-on.
    void PowerBroadcast(int code);
    // Brings the window to the person (the bus's Show, the notification's Show).
    void RequestShow();

    // ConfigHost.
    StoredState& Stored() override { return mState; }
    std::string ConfigText() const override { return mState.Config; }
    void SetConfigText(const std::string& text) override;
    void SetRatingEdits(int on, int off, int standby) override;
    bool AutoStartChecked() const override { return mState.AutoStart; }
    void SetAutoStartChecked(bool checked) override;
    int ActionIndex(ActionList list) const override;
    void SetActionIndex(ActionList list, int index) override;
    void ActionListChanged(ActionList list) override { OffActionChange(list); }
    bool SaveEnabled() const override { return mState.SaveEnabled; }

signals:
    // The state may have changed: after each tick (or each run of ticks caught up) and each
    // action. Views read what they show.
    void Changed();
    // Each tick that ran on time has ended (nested ones too), or a run of ticks caught up.
    void Ticked();
    // The lock, the details panel's visibility or the Save button's state changed.
    void LockChanged();
    // While unlocked, each tick empties the login field.
    void LoginCleared();
    // The schedule and the action choices were loaded or edited.
    void ConfigChanged();
    // The settings file was loaded: the configuration's name, the ratings, the autostart.
    void SettingsChanged();
    void RatingEditsChanged(int on, int off, int standby);
    // A delayed switch-off's minutes, as chosen or as its last minute counts down.
    void DelayMinsChanged(int minutes);
    // The window goes into the notification area (once, after half a minute), or comes back
    // (each warning beep, a request to show it).
    void MinimizeRequested();
    void RestoreRequested();
    // The power action is about to run.
    void SwitchingOff();
    // No tick comes until the next moment that matters (each time the model lies down again).
    void Sleeping();
    // The program is ending; the window goes (Exit!) or stays where it is (a session's end).
    void Ending(bool released);

private:
    // The tick at a moment; `onTime` is false for a tick that is caught up.
    void TickAt(const TickMoment& moment, bool onTime);
    // The countdown's last tick: the switch-off, unless another program holds it back.
    void SwitchOffUnlessHeld(bool delayed);
    void SwitchOff(bool delayed);
    // A tick while a switch-off is held back; false once it is no longer held.
    bool HeldTick(const TickMoment& moment);
    void ShowHold();
    void UsageReport(double kwhUsed);
    void SaveOnTick(int tickCount);
    bool NeedsEverySecond() const;
    // After every tick from a timer, and every change that may wake the model: ticks every
    // second, or sleep until the next moment.
    void Reschedule();
    // The end of every action: the views look again, the ticks follow.
    void Acted();
    void ScheduleNextTick();
    void OnTick();
    void OnWake();
    void OnClockSet();
    void WatchOutside();
    // Saves when start-up completed, releases what start-up took and leaves the message loop;
    // `released`: the window goes too ("Exit!").
    void Shutdown(bool released);
    TickMoment Now() const;

    ProgramState mState;
    std::unique_ptr<Ticker> mTicker;
    std::unique_ptr<TConfigRefresh> mRefresh;
    std::unique_ptr<platform::InstanceLock> mInstanceLock;
    std::unique_ptr<platform::TerminationSignal> mTermination;
    std::unique_ptr<platform::AbruptEndWatch> mAbruptEnd;
    TickMoment mLastTick;
    bool mTickAttached = false;
    bool mAsleep = false;
    bool mSeen = false;
    bool mJumpPending = false; // a resume or a set clock: the next tick sees the jump
    bool mCatchingUp = false;
    int mTickDepth = 0; // ticks running, nested ones counted
    bool mEnded = false;
    bool mEnding = false;
    // The last save of a run of ticks caught up, written once at its end.
    std::optional<SettingsRecord> mDeferredSave;
};

// "%d:%02d:%02d Hours", "%02d:%02d Minutes" or "%02d Seconds".
std::string FormatCountdown(double days);
// "%05d.%02d kWh", capped at 99999.
std::string FormatKwh(double kwh);

} // namespace quelmo
