// The notification-area icon as a view of the model: its tool tip is the status line, it asks
// for attention in a countdown's last ten minutes, and it takes the window away and brings it
// back when the model asks.
#include "app/form1.h"

#include "model/model.h"
#include "tray/trayicon.h"

namespace quelmo {

namespace {
constexpr int kWarningSeconds = 600;
} // namespace

void TForm1::ConnectTray() {
    connect(&mModel, &Model::Ticked, TrayIcon,
            [this] { TrayIcon->SetHint(mModel.State().StatusText); });
    connect(&mModel, &Model::Changed, TrayIcon, [this] {
        const ProgramState& s = mModel.State();
        TrayIcon->SetAttention(s.Countdown == CountdownState::Armed && s.SecondsLeft >= 0 &&
                               s.SecondsLeft < kWarningSeconds);
    });
    connect(&mModel, &Model::SwitchingOff, TrayIcon, [this] { TrayIcon->SetAttention(false); });
    // The numbers held back for the interval go now, rather than waking the program later.
    connect(&mModel, &Model::Sleeping, TrayIcon, &TTrayIcon::FlushHint);
    connect(&mModel, &Model::MinimizeRequested, TrayIcon, &TTrayIcon::Minimize);
    connect(&mModel, &Model::RestoreRequested, TrayIcon, &TTrayIcon::Restore);
    connect(&mModel, &Model::Ending, TrayIcon, [this](bool released) {
        if (!released)
            TrayIcon->EndSession();
    });
    // A tool tip read while the model sleeps shows the present second.
    TrayIcon->OnToolTipWanted = [this] { mModel.CatchUp(); };
}

} // namespace quelmo
