// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's notification area: a StatusNotifierItem on the session bus wherever a
// StatusNotifierWatcher runs, else an XEmbed icon through Qt on X11. Either may appear or go
// away while the program runs; the icon follows.

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

namespace quelmo::platform {

// A press on the icon, as the desktop reports it.
enum class TrayPress {
    // StatusNotifierItem methods the host calls: left, middle and right button.
    Activate,
    SecondaryActivate,
    ContextMenu,
    // Qt's activation reasons for an XEmbed icon, which come with the press itself.
    Trigger,
    MiddleClick,
    Context,
    DoubleClick,
};

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // Puts the icon up now, or as soon as a notification area appears; Hide takes it down.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetIcon(const QIcon& icon) = 0;
    virtual void SetToolTip(const QString& text) = 0;
    // The countdown is in its last minutes: the icon asks to be looked at.
    virtual void SetAttention(bool) {}
    // The main window's native id where the desktop uses one (X11), else 0.
    virtual void SetWindowId(quint64) {}
    // A notification area shows the icon at this moment, so that a press can bring the window
    // back from it.
    virtual bool Hosted() const = 0;

    std::function<void(TrayPress)> onPress;
    // Hosted() may have changed.
    std::function<void()> onHostChanged;
    // The desktop is about to show the tool tip: a SetToolTip now is what it shows.
    std::function<void()> onToolTipWanted;
};

std::unique_ptr<NotificationArea> MakeNotificationArea();
// Test seam: the factory MakeNotificationArea uses; nullptr for the desktop's own.
void SetNotificationAreaFactoryForTesting(
    std::function<std::unique_ptr<NotificationArea>()> factory);

// The desktop's area without the test seam.
std::unique_ptr<NotificationArea> MakeDesktopNotificationArea();

} // namespace quelmo::platform
