#pragma once
// The main window. Its members keep the names of the control table; its code is spread over
// form1_*.cpp by concern.

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

class Model;
class ScheduleRow;
class TTrayIcon;

extern const char* const VersionCaption;

// The main window: a view of the program's model. Its handlers keep the names of the control
// table and hand what the person did to the model; its controls show what the model holds.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs the model's start-up; the window is shown when it completed.
    explicit TForm1(Model& model);
    ~TForm1() override;

    Model& Program() const { return mModel; }

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

    // Drawing of the seven rows and the current-time marker.
    ScheduleRows Rows;
    // Editor state.
    ScheduleRow* DragBox = nullptr;
    int DragValue = 0;
    int DragStartX = 0;

    // Start-up and lifecycle.
    void ExitClick();
    // Ticks come from Timer1 only while attached (from the end of start-up to the end).
    void AttachTick();
    void DetachTick();
    bool TickAttached() const;
    void FormClose();
    // The desktop session or the process is ending (log-out, SIGTERM).
    void EndSession();
    // A power event; the suspend query re-arms the wake-up timer for the next switch-on.
    void PowerBroadcast(int code);
    // The tick.
    void Timer1Timer();
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    // The controls follow the model.
    void ConnectModel();
    void ConnectTray();
    // Start-up's steps that belong to the window, once the model has started.
    void FinishStartup();
    void Released(bool released);
    // The window is in sight: shown and not iconified.
    void FollowSight();
    // What the model holds, in the controls. While the window sits in the notification area
    // the tick's results wait, as each change costs layout and accessibility work; they catch
    // up when it is shown.
    void ShowCountdownButtons();
    void ShowDetailsCaption();
    void ShowCounters();
    void ShowStatus();
    void ShowTickResults();
    void ShowLock();
    void ShowActions();
    void ShowSettings();

    Model& mModel;
};

} // namespace quelmo
