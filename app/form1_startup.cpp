// Start-up, the window's part of the program's life and the ways out of it.
#include "app/form1.h"

#include "model/model.h"
#include "power/switchoff.h"
#include "power/texts.h"
#include "schedule/schedule_row.h"
#include "tray/trayicon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace quelmo {

const char* const VersionCaption = QT_TRANSLATE_NOOP("Quelmo", "Quelmo! V1.14");

TForm1::TForm1(Model& model) : QWidget(nullptr), mModel(model) {
    BuildControls();
    // The action lists: all three actions for a delayed switch-off, the schedule's two.
    for (int code = 0; code < 3; ++code) {
        const QString name = Texts::tr(ActionNames[code].c_str());
        if (code < 2)
            OffAction->addItem(name);
        DelayAction->addItem(name);
    }
    Rows.week = &mModel.State().WeekSchedule;
    Timer1 = mModel.TickTimer();
    ConnectModel();
    ConnectTray();
    if (mModel.Start())
        FinishStartup();
}

void TForm1::FinishStartup() {
    Status->setAttribute(Qt::WA_TranslucentBackground);
    Status->setAutoFillBackground(false);

    for (int i = 0; i < 7; ++i)
        Rows.rows[i]->setGeometry(Monday->x(), Monday->y() + 18 * i, 576, 17);

    // No close box: "Exit!" is the way out. Minimising stays.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(Texts::tr(VersionCaption));
    setWindowIcon(ProgramIcon());
    TrayIcon->SetVisible(true);
    show();
}

TForm1::~TForm1() = default;

void TForm1::AttachTick() {
    mModel.AttachTick();
}

void TForm1::DetachTick() {
    mModel.DetachTick();
}

bool TForm1::TickAttached() const {
    return mModel.TickAttached();
}

void TForm1::Timer1Timer() {
    mModel.Tick();
}

void TForm1::PowerBroadcast(int code) {
    mModel.PowerBroadcast(code);
}

void TForm1::EndSession() {
    mModel.EndSession();
}

void TForm1::ExitClick() {
    mModel.Exit();
}

void TForm1::Released(bool released) {
    // "Exit!": the program ends from its event loop, with no handler of the window below, and
    // the window goes with it. At a session's end it stays where it is.
    if (released)
        delete this;
}

void TForm1::FormClose() {
    mModel.FormClose();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    // The close box and the close command are refused; "Exit!" releases the window instead.
    event->ignore();
}

void TForm1::FollowSight() {
    mModel.SetWindowSeen(isVisible() && !isMinimized());
}

void TForm1::showEvent(QShowEvent* event) {
    FollowSight();     // the model catches up first
    ShowTickResults(); // what the ticks worked out while the window was in the tray
    QWidget::showEvent(event);
}

void TForm1::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    FollowSight();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        FollowSight();
}

} // namespace quelmo
