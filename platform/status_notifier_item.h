// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own StatusNotifierItem on the session bus. Qt has one too, but it decides once per
// process whether to use it, so a watcher that starts after the program would never get the
// icon; this one registers with every watcher that appears.

#include "platform/notification_area.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QString>

namespace quelmo::platform {

class SniAdaptor;

class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    StatusNotifierItem();
    ~StatusNotifierItem() override;

    // Offers the item on the bus and registers it with the watcher, now and whenever one
    // appears; Hide withdraws it.
    void Show();
    void Hide();
    void SetIcon(const QIcon& icon);
    void SetToolTip(const QString& text);
    // "NeedsAttention" instead of "Active".
    void SetAttention(bool attention);
    void SetWindowId(quint64 id) { mWindowId = id; }

    // A watcher took the item and reports a host that shows it.
    bool Hosted() const { return mHosted; }
    // A watcher owns its name on the bus right now (asked synchronously).
    bool WatcherPresent() const;

    const QString& ServiceName() const { return mService; }
    const QIcon& Icon() const { return mIcon; }
    const QString& ToolTip() const { return mToolTip; }
    bool Attention() const { return mAttention; }
    quint64 WindowId() const { return mWindowId; }

    std::function<void(TrayPress)> onPress;
    std::function<void()> onHostChanged;
    // A host reads the tool tip.
    std::function<void()> onToolTipWanted;

private slots:
    // The watcher's StatusNotifierHostRegistered / …Unregistered signals.
    void HostsChanged();

private:
    void RegisterWithWatcher();
    void SetHosted(bool hosted);
    // The bus adaptor when a host shows the item, else null.
    SniAdaptor* Listened() const;

    QDBusConnection mBus;
    QDBusServiceWatcher mWatcher;
    QString mService;
    QIcon mIcon;
    QString mToolTip;
    bool mShown = false;
    bool mHosted = false;
    bool mAttention = false;
    quint64 mWindowId = 0;
    unsigned mAttempt = 0; // answers to an older registration are stale
};

} // namespace quelmo::platform
