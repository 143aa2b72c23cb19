// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_notifications.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace quelmo::platform {

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, RGBA.
struct NotificationImage {
    QImage image;
};

} // namespace quelmo::platform

Q_DECLARE_METATYPE(quelmo::platform::NotificationImage)

namespace quelmo::platform {

QDBusArgument& operator<<(QDBusArgument& out, const NotificationImage& data) {
    const QImage rgba = data.image.convertToFormat(QImage::Format_RGBA8888);
    out.beginStructure();
    out << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8 << 4
        << QByteArray(reinterpret_cast<const char*>(rgba.constBits()),
                      static_cast<qsizetype>(rgba.sizeInBytes()));
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, NotificationImage&) {
    return in; // only ever sent
}

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kUrgencyCritical = 2;
} // namespace

DesktopNotifications::DesktopNotifications() {
    static const bool registered = [] {
        qDBusRegisterMetaType<NotificationImage>();
        return true;
    }();
    (void)registered;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));
}

DesktopNotifications::~DesktopNotifications() {
    Close();
}

void DesktopNotifications::Send(const Notification& note) {
    mCloseAfter = false;
    if (mWaiting) {
        mNext = note; // replaces what the answer will name
        return;
    }
    Dispatch(note);
}

void DesktopNotifications::Dispatch(const Notification& note) {
    QVariantMap hints;
    if (note.critical)
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    if (!note.desktopEntry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), note.desktopEntry);
    if (!note.image.isNull())
        hints.insert(QStringLiteral("image-data"),
                     QVariant::fromValue(NotificationImage{note.image}));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // A critical notification stays until it is dismissed or closed (time-out 0).
    call.setArguments({note.summary, mId, note.iconName, note.summary, note.body, note.actions,
                       hints, note.critical ? 0 : -1});
    mWaiting = true;
    // Asynchronous: a server that is slow, or none at all, never holds the tick up.
    auto* pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                mWaiting = false;
                const QDBusPendingReply<uint> reply = *done;
                if (!reply.isError())
                    mId = reply.value();
                if (mNext) {
                    const Notification next = *mNext;
                    mNext.reset();
                    Dispatch(next);
                } else if (mCloseAfter) {
                    Close();
                }
            });
}

void DesktopNotifications::Close() {
    mNext.reset();
    if (mWaiting) {
        mCloseAfter = true;
        return;
    }
    mCloseAfter = false;
    if (mId == 0)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CloseNotification"));
    call.setArguments({mId});
    mId = 0;
    QDBusConnection::sessionBus().send(call);
}

void DesktopNotifications::ActionInvoked(uint id, const QString& key) {
    if (id != 0 && id == mId && onAction)
        onAction(key);
}

void DesktopNotifications::NotificationClosed(uint id, uint) {
    if (id != 0 && id == mId)
        mId = 0;
}

} // namespace quelmo::platform
