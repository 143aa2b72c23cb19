// SPDX-License-Identifier: GPL-3.0-or-later
// The notification area of whatever desktop runs: the StatusNotifierItem wherever a watcher is
// on the session bus, Qt's XEmbed icon on X11 otherwise. Both follow areas that appear later.
#include "platform/notification_area.h"
#include "platform/status_notifier_item.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

#include <optional>

namespace quelmo::platform {

namespace {

std::function<std::unique_ptr<NotificationArea>()>& FactorySlot() {
    static std::function<std::unique_ptr<NotificationArea>()> factory;
    return factory;
}

// Carries the xcb plugin's string-connected signal to a function.
class XembedTrayRelay : public QObject {
    Q_OBJECT
public:
    explicit XembedTrayRelay(std::function<void()> changed) : mChanged(std::move(changed)) {}
public slots:
    void Changed() { mChanged(); }

private:
    std::function<void()> mChanged;
};

// Qt's XEmbed icon hands the tool tip event to its QSystemTrayIcon before it shows the tip.
class ToolTipWatch : public QObject {
public:
    explicit ToolTipWatch(std::function<void()> wanted) : mWanted(std::move(wanted)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip)
            mWanted();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> mWanted;
};

class DesktopNotificationArea final : public NotificationArea {
public:
    DesktopNotificationArea() : mToolTipWatch([this] { ToolTipWanted(); }) {
        mItem.onPress = [this](TrayPress press) { Press(press); };
        mItem.onHostChanged = [this] { HostChanged(); };
        mItem.onToolTipWanted = [this] { ToolTipWanted(); };
    }
    ~DesktopNotificationArea() override {
        // Withdrawing the item reports a change of host, which must not reach a half-gone area.
        mItem.onHostChanged = nullptr;
        mItem.Hide();
    }

    void Show() override {
        mShown = true;
        mItem.Show();
        HostChanged();
    }

    void Hide() override {
        mShown = false;
        mItem.Hide();
        if (mXembed)
            mXembed->hide();
    }

    void SetIcon(const QIcon& icon) override {
        mIcon = icon;
        mItem.SetIcon(icon);
        if (mXembed)
            mXembed->setIcon(icon);
    }

    void SetToolTip(const QString& text) override {
        mToolTip = text;
        mItem.SetToolTip(text);
        if (mXembed)
            mXembed->setToolTip(text);
    }

    void SetAttention(bool attention) override { mItem.SetAttention(attention); }
    void SetWindowId(quint64 id) override { mItem.SetWindowId(id); }

    bool Hosted() const override {
        if (mItem.Hosted())
            return true;
        return mXembed && mXembed->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
    }

private:
    void Press(TrayPress press) {
        if (onPress)
            onPress(press);
    }

    // One icon at a time: the StatusNotifierItem while a host shows it, else the XEmbed icon.
    void HostChanged() {
        if (mShown && !mItem.Hosted())
            ShowXembed();
        else if (mXembed)
            mXembed->hide();
        if (onHostChanged)
            onHostChanged();
    }

    void ShowXembed() {
        if (!mXembed) {
            // XEmbed exists only on X11. Qt picks its own D-Bus icon over XEmbed, once and for
            // good, when a watcher runs at the moment its first icon is made: make it only while
            // none runs, so that Qt settles on XEmbed and never doubles our item.
            if (QGuiApplication::platformName() != QLatin1String("xcb") || mItem.WatcherPresent())
                return;
            mXembed = std::make_unique<QSystemTrayIcon>(mIcon);
            mXembed->setToolTip(mToolTip);
            mXembed->installEventFilter(&mToolTipWatch);
            QObject::connect(mXembed.get(), &QSystemTrayIcon::activated,
                             [this](QSystemTrayIcon::ActivationReason reason) {
                                 if (const auto press = PressOf(reason))
                                     Press(*press);
                             });
            WatchXembedTray();
        }
        // Qt shows it as soon as an XEmbed tray appears, and again after a tray restarts.
        mXembed->show();
    }

    static std::optional<TrayPress> PressOf(QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            return TrayPress::Trigger;
        case QSystemTrayIcon::MiddleClick:
            return TrayPress::MiddleClick;
        case QSystemTrayIcon::Context:
            return TrayPress::Context;
        case QSystemTrayIcon::DoubleClick:
            return TrayPress::DoubleClick;
        case QSystemTrayIcon::Unknown:
            break;
        }
        return std::nullopt;
    }

    // Qt's xcb plugin announces a tray that appears or goes away with a signal of its native
    // interface (a QObject whose class is private to Qt): a host that goes away matters to a
    // window that sits in the tray.
    void WatchXembedTray() {
        auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
        if (native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0)
            QObject::connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), &mRelay,
                             SLOT(Changed()));
    }

    void ToolTipWanted() {
        if (onToolTipWanted)
            onToolTipWanted();
    }

    StatusNotifierItem mItem;
    ToolTipWatch mToolTipWatch;
    std::unique_ptr<QSystemTrayIcon> mXembed;
    XembedTrayRelay mRelay{[this] {
        if (onHostChanged)
            onHostChanged();
    }};
    QIcon mIcon;
    QString mToolTip;
    bool mShown = false;
};

} // namespace

std::unique_ptr<NotificationArea> MakeDesktopNotificationArea() {
    return std::make_unique<DesktopNotificationArea>();
}

std::unique_ptr<NotificationArea> MakeNotificationArea() {
    if (auto& factory = FactorySlot())
        return factory();
    return MakeDesktopNotificationArea();
}

void SetNotificationAreaFactoryForTesting(
    std::function<std::unique_ptr<NotificationArea>()> factory) {
    FactorySlot() = std::move(factory);
}

} // namespace quelmo::platform

#include "desktop_notification_area.moc"
