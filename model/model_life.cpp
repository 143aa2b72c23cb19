// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the ways the program ends, and power events from outside.
#include "model/model.h"

#include "config/paths.h"
#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "http/winhttp.h"
#include "model/ticker.h"
#include "platform/abrupt_end.h"
#include "platform/instance_lock.h"
#include "platform/session_control.h"
#include "platform/sleep_monitor.h"
#include "platform/termination_signal.h"
#include "power/linux_wording.h"
#include "power/switchoff.h"
#include "power/texts.h"

#include <QCoreApplication>
#include <QTimer>

namespace quelmo {

bool Model::Start() {
    InitProgramPaths();
    mInstanceLock = std::make_unique<platform::InstanceLock>(platform::InstanceLockName());
    if (mInstanceLock->Valid() && mInstanceLock->AlreadyExisted()) {
        // The running copy may sit in a tray nobody can see: bring its window forward.
        platform::CallRunningCopy(QStringLiteral("Show"));
        ShowNotice(Texts::Tr("Quelmo! is already running\non this machine"));
        return false;
    }
    if (!LoadPowerLibrary()) {
        ShowNotice(Texts::Tr(wording::kPowerManagerUnreachable));
        return false;
    }
    mState = ProgramState{};
    if (!EnableShutdownPrivilege())
        ShowNotice(Texts::Tr("Cannot obtain ShutDown privileges"));
    // The screen-saver time-out request has no counterpart here and is left out.

    mState.DelayAction = mState.OffAction = {};
    emit ConfigChanged();
    OffActionChange(ActionList::Delay);
    OffActionChange(ActionList::Off);

    LoadSettings(*this);
    LoadConfig(*this);
    emit ConfigChanged();

    mState.StartTime = WallClockNow();
    mState.StartupComplete = true;

    SetConfigUnlocked(false);
    mState.LastClock = LocalStandardNow();
    Tick();
    AttachTick();
    ArmWakeTimer(7.0, kStandBy);
    WatchOutside();
    return true;
}

void Model::WatchOutside() {
    platform::SleepEvents().Start([this](bool suspending) {
        if (suspending) {
            CatchUp(); // the wake-up timer is armed for the next switch-on as of now
            PowerBroadcast(PBT_APMQUERYSUSPEND);
        } else {
            PowerBroadcast(PBT_APMRESUMEAUTOMATIC);
            // The next tick, within a second, sees the jump.
            mJumpPending = true;
            Reschedule();
        }
    });
    mTermination = std::make_unique<platform::TerminationSignal>([this] { EndSession(); });
    mAbruptEnd = std::make_unique<platform::AbruptEndWatch>([this] { SaveForSessionEnd(); });
}

void Model::PowerBroadcast(int code) {
    if (code != PBT_APMQUERYSUSPEND)
        return;
    // ArmWakeTimer's own limits leave the timer alone under 30 seconds or beyond 7.5 days. Its
    // notices wait until this handler has returned and the suspend is no longer held back, so
    // that they are read when the PC is back. logind does not say whether a suspend or a
    // hibernation is coming: kAnySleep sets what both need.
    auto hold = std::make_shared<NoticeHold>();
    ArmWakeTimer(mState.TimeToNextOn, kAnySleep);
    QTimer::singleShot(0, this, [hold] {});
}

void Model::RequestShow() {
    emit RestoreRequested();
}

void Model::FormClose() {
    CatchUp();
    SaveSettings(*this);
}

void Model::Exit() {
    // A download waiting below the caller (a tick's report, a configuration load) serves events
    // while its caller is still on the stack: the program ends once every download has
    // returned, from the event loop itself.
    if (FetchesRunning() > 0) {
        QTimer::singleShot(100, this, &Model::Exit);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this] { Shutdown(true); }, Qt::QueuedConnection);
}

void Model::EndSession() {
    if (mEnding)
        return;
    mEnding = true;
    SaveForSessionEnd();
    emit Ending(false);
    platform::SleepEvents().Stop();
    mInstanceLock.reset();
    // Leaves every event loop, a fetch's included.
    QCoreApplication::exit(0);
}

void Model::SaveForSessionEnd() {
    CatchUp();
    DetachTick();
    if (!mState.StartupComplete)
        return;
    // Cleared first: the end that follows, or one that comes during the save, leaves the files
    // alone.
    mState.StartupComplete = false;
    SaveAll(*this);
}

void Model::Shutdown(bool released) {
    if (mEnded)
        return;
    mEnded = true;
    CatchUp();
    mAbruptEnd.reset();
    DetachTick();
    if (mState.StartupComplete)
        SaveAll(*this);
    mTermination.reset();
    platform::SleepEvents().Stop();
    FreePowerLibrary();
    mInstanceLock.reset();
    CloseWakeTimer();
    mState.StartupComplete = false;
    emit Ending(released);
    // exit() rather than quit(): quit() first asks the windows to close, which the window
    // refuses.
    QCoreApplication::exit(0);
}

} // namespace quelmo
