// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon that hides the main window and brings it back.

#include "platform/notification_area.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace quelmo {

// The mouse event that restores the window (RestoreOn) or pops the menu up (PopupMenuOn).
enum TTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone,
};

// The mouse events over the icon, by the numbers of the notification callback.
enum class TrayMouse {
    Move = 0x200,
    LeftDown = 0x201,
    LeftUp = 0x202,
    LeftDouble = 0x203,
    RightDown = 0x204,
    RightUp = 0x205,
    RightDouble = 0x206,
    MiddleDown = 0x207,
    MiddleUp = 0x208,
    MiddleDouble = 0x209,
};

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TTrayIcon* sender)>;
    using TMouseEvent = std::function<void(TTrayIcon* sender, Qt::MouseButton button)>;

    // The owner is the window sent to the tray and brought back.
    explicit TTrayIcon(QWidget* owner);
    ~TTrayIcon() override;

    // Adds or removes the icon. Added, it waits for a notification area that is not there yet.
    void SetVisible(bool visible);
    bool Visible() const { return mVisible; }

    TTrayIconMessage RestoreOn = imDoubleClick;
    TTrayIconMessage PopupMenuOn = imNone;
    // True while the icon is added; no effect on behaviour.
    bool Hide = true;
    QPointer<QMenu> PopupMenu;
    TNotifyEvent OnMinimize, OnRestore, OnClick;
    TMouseEvent OnMouseDown, OnMouseUp;

    // The icon's tool tip, shorter than 64 characters. The desktop hears of a change only when
    // the text differs; one in its numbers alone (a countdown) at most once per HintInterval of
    // the program's clock unless the icon asks for attention, a later one waiting for the
    // interval's end.
    const QString& Hint() const { return mHint; }
    void SetHint(const QString& hint);
    // The tool tip the notification area has been given.
    const QString& ShownHint() const { return mShownHint; }
    int HintInterval = 60000; // ms: with the bus's announcements of a far countdown
    // The desktop is about to show the tool tip: a SetHint from here is shown at once.
    std::function<void()> OnToolTipWanted;
    // Gives the notification area the hint now, whatever the interval: nobody sets it again
    // for a while (the program sleeps).
    void FlushHint();

    // The icon asks to be looked at (the last minutes of a countdown).
    void SetAttention(bool attention);
    bool Attention() const { return mAttention; }

    // Into the tray where a notification area shows the icon; to the task bar (iconified)
    // where none does, so that the window can always be reached.
    void Minimize();
    void Restore();
    // Gives the notification area the icon again (the program's icon).
    void Update();
    void ShowMenu();
    // The session or the program is ending: the icon goes, and the window stays where it is.
    void EndSession();

    // A press as the desktop reports it, dispatched as the mouse events it stands for.
    void Press(platform::TrayPress press);
    // One mouse event over the icon.
    void DoMessage(TrayMouse event);

    // A notification area shows the icon now.
    bool Hosted() const { return mVisible && mArea && mArea->Hosted(); }
    // The window is hidden in the tray (not merely iconified).
    bool InTray() const { return mInTray; }
    int MinimizeCount() const { return mMinimizes; }
    int RestoreCount() const { return mRestores; }

protected:
    virtual void DoClick();
    virtual void DoDblClick(Qt::MouseButton button);
    virtual void DoMouseDown(Qt::MouseButton button);
    virtual void DoMouseUp(Qt::MouseButton button);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HostChanged();
    void PushHint();
    void ToolTipWanted();
    // Runs the restore or the menu when `message` names the trigger.
    void Trigger(TTrayIconMessage message);

    QWidget* mOwner;
    std::unique_ptr<platform::NotificationArea> mArea;
    QString mHint, mShownHint, mShownWording;
    QRect mPlacement;                // position and size when last sent to the tray
    std::int64_t mHintPushedAt = -1; // ms since the epoch; -1: never
    // Delivers a change that nobody follows with another SetHint in time.
    QTimer mHintTimer;
    bool mVisible = false;
    bool mInTray = false;
    bool mAttention = false;
    int mMinimizes = 0;
    int mRestores = 0;
};

// The program's icon (a week page with a power symbol) at the usual sizes.
QIcon ProgramIcon();

} // namespace quelmo
