// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/trayicon.h"

#include "platform/clock.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quelmo {

namespace {
// What each press that a desktop reports stands for. A StatusNotifierItem host reports a whole
// click, an XEmbed icon reports the press; either way the release follows at once, so that a
// press restores the window once and its release adds nothing.
struct PressEvents {
    platform::TrayPress press;
    TrayMouse first, then;
};
constexpr PressEvents kPressEvents[] = {
    {platform::TrayPress::Activate, TrayMouse::LeftDown, TrayMouse::LeftUp},
    {platform::TrayPress::SecondaryActivate, TrayMouse::MiddleDown, TrayMouse::MiddleUp},
    {platform::TrayPress::ContextMenu, TrayMouse::RightDown, TrayMouse::RightUp},
    {platform::TrayPress::Trigger, TrayMouse::LeftDown, TrayMouse::LeftUp},
    {platform::TrayPress::MiddleClick, TrayMouse::MiddleDown, TrayMouse::MiddleUp},
    {platform::TrayPress::Context, TrayMouse::RightDown, TrayMouse::RightUp},
    {platform::TrayPress::DoubleClick, TrayMouse::LeftDouble, TrayMouse::LeftUp},
};

constexpr int kHintLength = 63;

// A text without its digits: what stays the same while only a countdown moves.
QString Wording(const QString& text) {
    QString wording;
    wording.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isDigit())
            wording.append(c);
    }
    return wording;
}

std::int64_t NowMillis() {
    const platform::UtcTime now = platform::CurrentUtc();
    return now.seconds * 1000 + now.millis;
}
} // namespace

TTrayIcon::TTrayIcon(QWidget* owner) : QObject(owner), mOwner(owner) {
    owner->installEventFilter(this);
    mHintTimer.setSingleShot(true);
    mHintTimer.setTimerType(Qt::CoarseTimer);
    connect(&mHintTimer, &QTimer::timeout, this, &TTrayIcon::PushHint);
}

TTrayIcon::~TTrayIcon() = default;

void TTrayIcon::SetVisible(bool visible) {
    if (visible) {
        if (!mArea) {
            mArea = platform::MakeNotificationArea();
            mArea->onPress = [this](platform::TrayPress press) { Press(press); };
            mArea->onHostChanged = [this] { HostChanged(); };
            mArea->onToolTipWanted = [this] { ToolTipWanted(); };
            mShownHint = mHint;
            mShownWording = Wording(mHint);
            mHintPushedAt = NowMillis();
            mArea->SetToolTip(mHint);
            mArea->SetAttention(mAttention);
            // X11 desktops match the item to its window by the window's id.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                mArea->SetWindowId(mOwner->winId());
            Update();
        }
        mArea->Show();
        Hide = true;
    } else if (mArea) {
        mArea->Hide();
        Hide = false;
    }
    mVisible = visible;
    HostChanged();
}

void TTrayIcon::SetHint(const QString& hint) {
    mHint = hint.left(kHintLength);
    PushHint();
}

void TTrayIcon::PushHint() {
    if (!mArea || mHint == mShownHint) {
        mHintTimer.stop();
        return;
    }
    // The desktop redraws the tool tip for every change. New words are news and go at once, as
    // do the seconds while the icon asks for attention; a countdown's moving numbers otherwise
    // go once per interval, as often as a person reads them. A caller that sets the hint every
    // second (the tick) delivers the change itself, a little early rather than late, so that
    // the fallback timer never wakes the program. A clock set back ends the interval.
    const QString wording = Wording(mHint);
    if (!mAttention && wording == mShownWording) {
        const std::int64_t since = NowMillis() - mHintPushedAt;
        const std::int64_t wait = mHintPushedAt < 0 || since < 0 ? 0 : HintInterval - since;
        if (wait > std::min(HintInterval / 20, 500)) { // within half a tick counts as due
            if (!mHintTimer.isActive())
                mHintTimer.start(static_cast<int>(wait + HintInterval / 10));
            return;
        }
    }
    mHintTimer.stop();
    mShownHint = mHint;
    mShownWording = wording;
    mHintPushedAt = NowMillis();
    mArea->SetToolTip(mHint);
}

void TTrayIcon::ToolTipWanted() {
    if (OnToolTipWanted)
        OnToolTipWanted();
    FlushHint(); // read now: the present text
}

void TTrayIcon::FlushHint() {
    mHintTimer.stop();
    if (!mArea || mHint == mShownHint)
        return;
    mShownHint = mHint;
    mShownWording = Wording(mHint);
    mHintPushedAt = NowMillis();
    mArea->SetToolTip(mHint);
}

void TTrayIcon::SetAttention(bool attention) {
    if (attention == mAttention)
        return;
    mAttention = attention;
    if (!mArea)
        return;
    mArea->SetAttention(attention);
    PushHint(); // the seconds held back, now that they count
}

void TTrayIcon::Update() {
    if (mArea)
        mArea->SetIcon(ProgramIcon());
}

void TTrayIcon::Minimize() {
    ++mMinimizes;
    if (Hosted()) {
        mInTray = true;
        // A window manager places a window mapped again as if new (openbox: the top left
        // corner): it comes back where it was.
        if (!mOwner->isHidden())
            mPlacement = mOwner->geometry();
        mOwner->hide();
    } else {
        // Hidden with no notification area to show the icon, nothing could bring it back.
        mInTray = false;
        mOwner->showMinimized();
    }
    if (OnMinimize)
        OnMinimize(this);
}

void TTrayIcon::Restore() {
    ++mRestores;
    mInTray = false;
    // The client area's place, which holds whatever frame the window manager draws around it.
    // Asked of the native window: a window first placed by the window manager counts as placed
    // automatically, and would be placed anew at every mapping.
    if (mOwner->isHidden() && mPlacement.isValid()) {
        if (QWindow* window = mOwner->windowHandle())
            window->setGeometry(mPlacement);
        else
            mOwner->setGeometry(mPlacement);
    }
    mOwner->setWindowState(mOwner->windowState() & ~Qt::WindowMinimized);
    mOwner->show();
    mOwner->raise();
    mOwner->activateWindow();
    if (OnRestore)
        OnRestore(this);
}

void TTrayIcon::ShowMenu() {
    if (!PopupMenu)
        return;
    if (QWidget* active = QApplication::activeWindow()) {
        active->raise();
        active->activateWindow();
    }
    PopupMenu->popup(QCursor::pos());
}

void TTrayIcon::EndSession() {
    mInTray = false;
    SetVisible(false);
}

void TTrayIcon::Press(platform::TrayPress press) {
    for (const PressEvents& row : kPressEvents) {
        if (row.press == press) {
            DoMessage(row.first);
            DoMessage(row.then);
            return;
        }
    }
}

void TTrayIcon::DoMessage(TrayMouse event) {
    switch (event) {
    case TrayMouse::Move:
        return; // nothing here listens to moves
    case TrayMouse::LeftDown:
        return DoMouseDown(Qt::LeftButton);
    case TrayMouse::RightDown:
        return DoMouseDown(Qt::RightButton);
    case TrayMouse::MiddleDown:
        return DoMouseDown(Qt::MiddleButton);
    case TrayMouse::LeftUp:
        DoMouseUp(Qt::LeftButton);
        Trigger(imLeftClickUp);
        return DoClick();
    case TrayMouse::RightUp:
        DoMouseUp(Qt::RightButton);
        return Trigger(imRightClickUp);
    case TrayMouse::MiddleUp:
        return DoMouseUp(Qt::MiddleButton);
    case TrayMouse::LeftDouble:
        DoDblClick(Qt::LeftButton);
        return Trigger(imLeftDoubleClick);
    case TrayMouse::RightDouble:
        DoDblClick(Qt::RightButton);
        return Trigger(imRightDoubleClick);
    case TrayMouse::MiddleDouble:
        return DoDblClick(Qt::MiddleButton);
    }
}

void TTrayIcon::Trigger(TTrayIconMessage message) {
    if (RestoreOn == message)
        Restore();
    if (PopupMenuOn == message)
        ShowMenu();
}

void TTrayIcon::DoClick() {
    Trigger(imClick);
    if (OnClick)
        OnClick(this);
}

void TTrayIcon::DoDblClick(Qt::MouseButton) {
    Trigger(imDoubleClick);
}

void TTrayIcon::DoMouseDown(Qt::MouseButton button) {
    Trigger(imMouseDown);
    if (OnMouseDown)
        OnMouseDown(this, button);
}

void TTrayIcon::DoMouseUp(Qt::MouseButton button) {
    Trigger(imMouseUp);
    if (OnMouseUp)
        OnMouseUp(this, button);
}

void TTrayIcon::HostChanged() {
    // The notification area went away under a window sitting in it: to the task bar instead.
    if (mInTray && !Hosted()) {
        mInTray = false;
        mOwner->showMinimized();
    }
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    // A minimise of the window sends it to the tray, where there is one to send it to.
    if (watched == mOwner && event->type() == QEvent::WindowStateChange &&
        (mOwner->windowState() & Qt::WindowMinimized) && Hosted()) {
        QTimer::singleShot(0, this, [this] {
            if (mOwner->windowState() & Qt::WindowMinimized && !mOwner->isHidden())
                Minimize();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelmo
