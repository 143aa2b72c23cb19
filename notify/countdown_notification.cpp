// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/countdown_notification.h"

#include "app/companions.h"
#include "app/form1.h"
#include "power/texts.h"
#include "tray/trayicon.h"

#include <QLabel>
#include <QPushButton>

namespace quelmo {

namespace {
constexpr int kWarningSeconds = 600;
constexpr int kImageSize = 48;
// The texts a person reads.
const QString kTitle = QStringLiteral("Quelmo!");
} // namespace

CountdownNotification::CountdownNotification(TForm1& form) : mForm(form) {
    connect(&form, &TForm1::Ticked, this, &CountdownNotification::Ticked);
    connect(&form, &TForm1::SwitchingOff, this, &CountdownNotification::Withdraw);
    mNotifications.onAction = [this](const QString& key) { Act(key); };
}

CountdownNotification::~CountdownNotification() = default;

void CountdownNotification::Ticked() {
    const int s = mForm.Countdown.secondsLeft;
    const bool warning = !mForm.Abort->isHidden() && s >= 0 && s < kWarningSeconds;
    mForm.TrayIcon->SetAttention(warning);
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
    note.body = mForm.StatusText();
    note.iconName = QStringLiteral("io.github.quelmo.Quelmo");
    note.desktopEntry = note.iconName;
    note.image = ProgramIcon().pixmap(kImageSize, kImageSize).toImage();
    note.actions = {kCancel, Texts::tr("Cancel"), kShow, Texts::tr("Show")};
    note.critical = true;
    mNotifications.Send(note);
    mShown = true;
}

void CountdownNotification::Withdraw() {
    mForm.TrayIcon->SetAttention(false);
    if (!mShown)
        return;
    mShown = false;
    mNotifications.Close();
}

void CountdownNotification::Act(const QString& key) {
    if (key == kCancel) {
        // As the button does, and only while the button is there to press.
        if (!mForm.Abort->isHidden())
            mForm.AbortClick();
        Withdraw();
    } else if (key == kShow || key == QLatin1String("default")) {
        mForm.TrayIcon->Restore();
    }
}

void AddCountdownNotification() {
    AddCompanion([](TForm1& form) { return std::make_unique<CountdownNotification>(form); });
}

} // namespace quelmo
