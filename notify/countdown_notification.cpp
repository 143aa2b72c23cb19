// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/countdown_notification.h"

#include "model/model.h"
#include "power/texts.h"
#include "tray/trayicon.h"

namespace quelmo {

namespace {
constexpr int kWarningSeconds = 600;
constexpr int kImageSize = 48;
// The texts a person reads.
const QString kTitle = QStringLiteral("Quelmo!");
} // namespace

CountdownNotification::CountdownNotification(Model& model) : mModel(model) {
    connect(&model, &Model::Ticked, this, &CountdownNotification::Follow);
    connect(&model, &Model::SwitchingOff, this, &CountdownNotification::Withdraw);
    mNotifications.onAction = [this](const QString& key) { Act(key); };
}

CountdownNotification::~CountdownNotification() = default;

void CountdownNotification::Follow() {
    const ProgramState& state = mModel.State();
    const int s = state.SecondsLeft;
    const bool warning = state.Countdown == CountdownState::Armed && s >= 0 && s < kWarningSeconds;
    if (!warning) {
        Withdraw();
        return;
    }
    // The tick's own warning moments: each whole minute and every second of the last twenty.
    const bool beep = (s / 60 != 0 && s % 60 == 0) || (s / 60 == 0 && s % 60 < 20);
    if (mShown && !beep)
        return;
    platform::Notification note;
    note.summary = kTitle;
    note.body = state.StatusText;
    note.iconName = QStringLiteral("io.github.quelmo.Quelmo");
    note.desktopEntry = note.iconName;
    note.image = ProgramIcon().pixmap(kImageSize, kImageSize).toImage();
    note.actions = {kCancel, Texts::tr("Cancel"), kShow, Texts::tr("Show")};
    note.critical = true;
    mNotifications.Send(note);
    mShown = true;
}

void CountdownNotification::Withdraw() {
    if (!mShown)
        return;
    mShown = false;
    mNotifications.Close();
}

void CountdownNotification::Act(const QString& key) {
    if (key == kCancel) {
        // As "Cancel Shutdown" does, and only while it is there to press.
        if (mModel.State().Countdown == CountdownState::Armed)
            mModel.Abort();
        Withdraw();
    } else if (key == kShow || key == QLatin1String("default")) {
        mModel.RequestShow();
    }
}

} // namespace quelmo
