#include "tray/trayicon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace quelmo {

namespace {
QIcon ProgramIcon() {
    QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        return icon;
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 160, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(2, 2, 28, 28);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(16, 7, 16, 16);
    painter.drawArc(8, 9, 16, 16, 120 * 16, 300 * 16);
    return QIcon(pixmap);
}
} // namespace

TTrayIcon::TTrayIcon(QWidget* owner) : QObject(owner), mOwner(owner) {
    owner->installEventFilter(this);
}

TTrayIcon::~TTrayIcon() {
    if (mIcon)
        mIcon->hide();
}

void TTrayIcon::SetVisible(bool visible) {
    mVisible = visible;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (visible && !mIcon) {
        mIcon = new QSystemTrayIcon(ProgramIcon(), this);
        // Any press on the icon brings the window back; no menu is ever shown.
        connect(mIcon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason) { Restore(); });
    }
    if (mIcon)
        mIcon->setVisible(visible);
}

void TTrayIcon::Minimize() {
    ++mMinimizes;
    mOwner->hide();
}

void TTrayIcon::Restore() {
    ++mRestores;
    mOwner->setWindowState(mOwner->windowState() & ~Qt::WindowMinimized);
    mOwner->show();
    mOwner->raise();
    mOwner->activateWindow();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    // A minimise of the main window sends it to the tray instead of the task bar.
    if (watched == mOwner && event->type() == QEvent::WindowStateChange &&
        (mOwner->windowState() & Qt::WindowMinimized)) {
        QTimer::singleShot(0, this, [this] {
            if (mOwner->windowState() & Qt::WindowMinimized)
                Minimize();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelmo
