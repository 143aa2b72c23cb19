// Start-up, shutdown and the ways out of the program.
#include "app/form1.h"
#include "power/linux_wording.h"
#include "power/texts.h"

#include "app/companions.h"

#include "config/paths.h"
#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "http/winhttp.h"
#include "platform/abrupt_end.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "platform/session_control.h"
#include "platform/sleep_monitor.h"
#include "platform/termination_signal.h"
#include "power/switchoff.h"
#include "schedule/schedule_row.h"
#include "schedule/week_schedule.h"
#include "tray/trayicon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

namespace quelmo {

namespace {
std::unique_ptr<platform::InstanceLock> InstanceMutex;

void ResetProgramState() {
    StartupComplete = false;
    PasswordScramble.clear();
    DelayedOffSeconds = TickCount = LockCountdown = EditHoldOff = 0;
    NowRequested = false;
    SettingsLoaded = false;
    LastReportedKwh = -1;
    TimeToNextOn = 0;
}
} // namespace

TForm1::TForm1() : QWidget(nullptr) {
    StartupComplete = false;
    PasswordScramble.clear();
    mRefresh = std::make_unique<TConfigRefresh>(
        *this, [] { return LockCountdown == 0; }, [this] { ConfigBox->update(); });
    BuildControls();
    Startup();
}

void TForm1::Startup() {
    InitProgramPaths();

    InstanceMutex = std::make_unique<platform::InstanceLock>(platform::InstanceLockName());
    if (InstanceMutex->Valid() && InstanceMutex->AlreadyExisted()) {
        // The running copy may sit in a tray nobody can see: bring its window forward.
        platform::CallRunningCopy(QStringLiteral("Show"));
        ShowNotice(Texts::Tr("Quelmo! is already running\non this machine"));
        return;
    }
    if (!LoadPowerLibrary()) {
        ShowNotice(Texts::Tr(wording::kPowerManagerUnreachable));
        return;
    }
    ResetProgramState();
    DragBox = nullptr;
    if (!EnableShutdownPrivilege())
        ShowNotice(Texts::Tr("Cannot obtain ShutDown privileges"));
    // The screen-saver time-out request has no counterpart here and is left out.

    DelayedOffSeconds = 0;
    LastReportedKwh = -1;

    DelayAction->clear();
    OffAction->clear();
    for (int code = 0; code < 3; ++code) {
        const QString name = Texts::tr(ActionNames[code].c_str());
        if (code < 2)
            OffAction->addItem(name);
        DelayAction->addItem(name);
    }
    DelayAction->setCurrentIndex(0);
    OffAction->setCurrentIndex(0);
    OffActionChange(DelayAction);
    OffActionChange(OffAction);

    Abort->hide();
    Resume->hide();
    Resume->move(Abort->pos());

    LoadSettings(*this);
    LoadConfig(*this);

    StartTime = WallClockNow();
    StartupComplete = true;

    Status->setAttribute(Qt::WA_TranslucentBackground);
    Status->setAutoFillBackground(false);

    for (int i = 0; i < 7; ++i)
        Rows.rows[i]->setGeometry(Monday->x(), Monday->y() + 18 * i, 576, 17);

    // No close box: "Exit!" is the way out. Minimising stays.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(Texts::tr(VersionCaption));

    SetConfigUnlocked(false);
    LastClock = LocalStandardNow();
    Timer1Timer();
    AttachTick();
    ArmWakeTimer(7.0, kStandBy);
    setWindowIcon(ProgramIcon());
    TrayIcon->SetVisible(true);
    WatchOutside();
    show();
}

void TForm1::WatchOutside() {
    platform::SleepEvents().Start([this](bool suspending) {
        PowerBroadcast(suspending ? PBT_APMQUERYSUSPEND : PBT_APMRESUMEAUTOMATIC);
    });
    mCompanions = MakeCompanions(*this);
    mTermination = std::make_unique<platform::TerminationSignal>([this] { EndSession(); });
    mAbruptEnd = std::make_unique<platform::AbruptEndWatch>([this] { SaveForSessionEnd(); });
    // Saving is all the session needs from us; a log-out is never held up or cancelled.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { EndSession(); });
}

void TForm1::EndSession() {
    if (mEnding)
        return;
    mEnding = true;
    SaveForSessionEnd();
    mCompanions.clear();
    TrayIcon->EndSession();
    platform::SleepEvents().Stop();
    InstanceMutex.reset();
    // Leaves every event loop, a fetch's included.
    QCoreApplication::exit(0);
}

void TForm1::SaveForSessionEnd() {
    DetachTick();
    if (!StartupComplete)
        return;
    // Cleared first: the destruction that follows, or an end that comes during the save,
    // leaves the files alone.
    StartupComplete = false;
    SaveAll(*this);
}

TForm1::~TForm1() {
    mAbruptEnd.reset();
    DetachTick();
    mRefresh.reset();
    if (StartupComplete)
        SaveAll(*this);
    mCompanions.clear();
    mTermination.reset();
    platform::SleepEvents().Stop();
    FreePowerLibrary();
    InstanceMutex.reset();
    CloseWakeTimer();
    StartupComplete = false;
    // exit() rather than quit(): quit() first asks the windows to close, which this one refuses.
    QCoreApplication::exit(0);
}

void TForm1::AttachTick() {
    mTickAttached = true;
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer, Qt::UniqueConnection);
    ScheduleNextTick();
}

void TForm1::DetachTick() {
    mTickAttached = false;
    Timer1->stop();
    disconnect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::ScheduleNextTick() {
    // Aim at the middle of the next wall-clock second, so that timer drift never skips one.
    const int millis = platform::CurrentUtc().millis;
    Timer1->start(1500 - millis);
}

void TForm1::ExitClick() {
    mExitRequested = true;
    // A download waiting below this click (a tick's report, a configuration load) serves
    // events, a deferred deletion among them, while its caller is still on the stack: the
    // window goes once every download has returned.
    if (FetchesRunning() > 0) {
        QTimer::singleShot(100, this, &TForm1::ExitClick);
        return;
    }
    deleteLater();
}

void TForm1::FormClose() {
    SaveSettings(*this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    // The close box and the close command are refused; "Exit!" releases the window instead.
    event->ignore();
}

} // namespace quelmo
