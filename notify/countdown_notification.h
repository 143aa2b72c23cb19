// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last ten minutes of a switch-off countdown as a desktop notification, for a person who
// cannot see the window come back (a compositor that refuses it focus, a full-screen video).
// It comes with the countdown's first tick under ten minutes, is replaced at each warning beep
// and goes when the countdown is cancelled or the power action runs. Meanwhile the tray icon
// asks for attention.

#include "platform/desktop_notifications.h"

#include <QObject>

namespace quelmo {

class TForm1;

class CountdownNotification : public QObject {
    Q_OBJECT
public:
    explicit CountdownNotification(TForm1& form);
    ~CountdownNotification() override;

    // The notification's action keys.
    static inline const QString kCancel = QStringLiteral("Cancel");
    static inline const QString kShow = QStringLiteral("Show");

private:
    void Ticked();
    void Withdraw();
    void Act(const QString& key);

    TForm1& mForm;
    platform::DesktopNotifications mNotifications;
    bool mShown = false;
};

// Registers the notification as a companion of the window.
void AddCountdownNotification();

} // namespace quelmo
