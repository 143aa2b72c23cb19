// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One desktop notification at a time through the freedesktop notification server on the
// session bus: sent, replaced in place, closed. Where no server runs, nothing happens.

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quelmo::platform {

struct Notification {
    QString summary;
    QString body;
    QString iconName;     // a theme icon, used where `image` cannot be shown
    QImage image;         // the icon itself, so that it shows before installation too
    QString desktopEntry; // the desktop entry's name without ".desktop"
    QStringList actions;  // key, label, key, label …
    bool critical = false;
};

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    DesktopNotifications();
    ~DesktopNotifications() override;

    // Shows `note`, in place of the one shown before.
    void Send(const Notification& note);
    // Takes the shown notification down.
    void Close();

    // The key of the action the person chose ("default" for the notification itself).
    std::function<void(const QString& key)> onAction;

private slots:
    void ActionInvoked(uint id, const QString& key);
    void NotificationClosed(uint id, uint reason);

private:
    void Dispatch(const Notification& note);
    uint mId = 0;                      // the server's id of the shown one, 0 = none
    bool mWaiting = false;             // a Notify has not been answered yet
    bool mCloseAfter = false;          // Close came while waiting
    std::optional<Notification> mNext; // Send came while waiting
};

} // namespace quelmo::platform
