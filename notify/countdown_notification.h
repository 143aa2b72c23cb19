// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last ten minutes of a switch-off countdown as a desktop notification, for a person who
// cannot see the window come back (a compositor that refuses it focus, a full-screen video).
// It comes with the countdown's first tick under ten minutes, is replaced at each warning beep
// and goes when the countdown is cancelled or the power action runs.

#include "platform/desktop_notifications.h"

#include <QObject>

namespace quelmo {

class Model;

class CountdownNotification : public QObject {
    Q_OBJECT
public:
    explicit CountdownNotification(Model& model);
    ~CountdownNotification() override;

    // The notification's action keys.
    static inline const QString kCancel = QStringLiteral("Cancel");
    static inline const QString kShow = QStringLiteral("Show");

private:
    void Follow();
    void Withdraw();
    void Act(const QString& key);

    Model& mModel;
    platform::DesktopNotifications mNotifications;
    bool mShown = false;
};

} // namespace quelmo
