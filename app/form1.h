#pragma once
// The main window. Its members keep the names of the control table; its code is spread over
// form1_*.cpp by concern.

#include "config/config_host.h"
#include "power/stuff.h"
#include "schedule/schedule_rows.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace quelmo {

namespace platform {
class AbruptEndWatch;
class TerminationSignal;
} // namespace platform

class ScheduleRow;
class TConfigRefresh;
class TTrayIcon;

extern const char* const VersionCaption;

// Program-wide state of the shell (the energy counters and the password live with the
// settings; the week table with the schedule).
extern bool StartupComplete;
extern int DelayedOffSeconds, TickCount, LockCountdown, EditHoldOff;
extern bool NowRequested;
extern int LastReportedKwh;
extern DayCount StartTime;
extern DayCount LastClock;
extern double TimeToNextOn;

// "%d:%02d:%02d Hours", "%02d:%02d Minutes" or "%02d Seconds".
std::string FormatCountdown(double days);
// "%05d.%02d kWh", capped at 99999.
std::string FormatKwh(double kwh);
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

// The countdown as the last tick saw it.
struct CountdownView {
    int secondsLeft = -1; // −1: nothing within seven days
    bool delayed = false; // a delayed (or "Now!") switch-off rather than the schedule's
};

class TForm1 : public QWidget, public ConfigHost {
    Q_OBJECT
public:
    // Builds the window and runs start-up; a refused start-up leaves StartupComplete false.
    TForm1();
    ~TForm1() override;

    // Controls, in the order of the window's declaration.
    QLabel* BackGroundImage;
    QTimer* Timer1;
    QGroupBox* ConfigBox;
    QPushButton* PowerOptions;
    QGroupBox* DelayedOffG;
    QPushButton* DelayedOff;
    QComboBox* DelayAction;
    QPushButton* Abort;
    TTrayIcon* TrayIcon;
    QLineEdit* Config;
    QLabel* ConfigLabel;
    QPushButton* Browse;
    QPushButton* Load;
    QLabel* Status;
    QLineEdit* Login;
    QLabel* LoginLabel;
    QGroupBox* PassBox;
    QLineEdit* Pass1;
    QLabel* Pass1Label;
    QLineEdit* Pass2;
    QLabel* Pass2Label;
    QPushButton* ChangePassword;
    QPushButton* Resume;
    QLineEdit* kWhSaved;
    QLineEdit* kWhUsed;
    QLabel* LUsed;
    QLabel* LSaved;
    QPushButton* Save;
    QSpinBox* DelayMins;
    QLabel* Label4;
    QGroupBox* PowerBox;
    QSpinBox* OnP;
    QSpinBox* OffP;
    QSpinBox* StandbyP;
    QLabel* Label2;
    QPushButton* Exit;
    QComboBox* OffAction;
    QLabel* Label1;
    QPushButton* ShowDetails;
    QCheckBox* AutoStart;
    QPushButton* NowButton;
    QPushButton* LogOff;
    QPushButton* Help;
    ScheduleRow *Monday, *Tuesday, *Wednesday, *Thursday, *Friday, *Saturday, *Sunday;
    std::array<QLabel*, 7> DayLetters{}; // LMonday … LSunday

    CountdownView Countdown;
    // The status line as the last tick worked it out, shown or not.
    const QString& StatusText() const { return mStatusText; }

    // Drawing of the seven rows and the current-time marker.
    ScheduleRows Rows;
    // Editor state.
    ScheduleRow* DragBox = nullptr;
    int DragValue = 0;
    int DragStartX = 0;

    // Start-up and lifecycle.
    void ExitClick();
    // Ticks come from Timer1 only while attached (from the end of start-up to destruction).
    void AttachTick();
    void DetachTick();
    bool TickAttached() const { return mTickAttached; }
    const TConfigRefresh& Refresh() const { return *mRefresh; }
    void FormClose();
    // The desktop session or the process is ending (log-out, SIGTERM): saves as "Exit!" does,
    // takes the icon down, releases the lock and leaves the message loop with 0.
    void EndSession();
    // The process ends with no time for more (the display server went away): saves as a
    // log-out does, once.
    void SaveForSessionEnd();
    // A power event; the suspend query re-arms the wake-up timer for the next switch-on.
    void PowerBroadcast(int code);
    // The tick.
    void Timer1Timer();
    void SwitchOff(bool delayed);
    void UsageReport(double kwhUsed);
    // Shutdown controls.
    void DelayedOffClick();
    void NowButtonClick();
    void AbortClick();
    void ResumeClick();
    void SaveClick();
    void PowerOptionsClick();
    void OffActionChange(QComboBox* sender);
    // Access control.
    void SetConfigUnlocked(bool unlocked);
    void TouchLockCountdown();
    void LoginKeyDown(int virtualKey);
    void LogOffClick();
    void ChangePasswordClick();
    void HelpClick();
    void ShowDetailsClick();
    // Configuration buttons.
    void BrowseClick();
    void LoadClick();
    // Schedule editor.
    void SchedulePaint(ScheduleRow* sender);
    void ScheduleMouseDown(ScheduleRow* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                           int x, int y);
    void ScheduleMouseMove(ScheduleRow* sender, Qt::KeyboardModifiers shift, int x, int y);
    void ScheduleMouseUp(ScheduleRow* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                         int x, int y);
    void FormMouseUp(ScheduleRow* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     int x, int y);

    // Item index of an action list, −1 when its text matches no item.
    static int ItemIndex(const QComboBox* list);

    // ConfigHost.
    std::string ConfigText() const override;
    void SetConfigText(const std::string& text) override;
    void SetRatingEdits(int on, int off, int standby) override;
    bool AutoStartChecked() const override;
    void SetAutoStartChecked(bool checked) override;
    int ActionIndex(ActionList list) const override;
    void SetActionIndex(ActionList list, int index) override;
    void ActionListChanged(ActionList list) override;
    bool SaveEnabled() const override;

signals:
    // Each tick has ended (nested ones too).
    void Ticked();
    // The power action is about to run.
    void SwitchingOff();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void Startup();
    // Re-arms Timer1 for the middle of the next wall-clock second.
    void ScheduleNextTick();
    // The tick's results in the controls. While the window sits in the notification area the
    // tick leaves them, as each change costs layout and accessibility work; they catch up when
    // it is shown.
    void ShowDetailsCaption();
    void ShowCounters();
    void ShowStatus();
    void ShowTickResults();
    QString mStatusText;
    bool mStatusGreen = false;
    // Watching the world outside: suspends, SIGTERM, the session's end and second starts.
    void WatchOutside();
    bool mExitRequested = false;
    bool mTickAttached = false;
    bool mEnding = false;
    std::unique_ptr<platform::TerminationSignal> mTermination;
    std::unique_ptr<platform::AbruptEndWatch> mAbruptEnd;
    // The companions of app/companions.h, made once the window runs.
    std::vector<std::unique_ptr<QObject>> mCompanions;
    std::unique_ptr<TConfigRefresh> mRefresh;
};

} // namespace quelmo
