// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/status_notifier_item.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace quelmo::platform {

// One picture of the icon: width, height and ARGB32 pixels in network byte order.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
using SniPixmaps = QList<SniPixmap>;
// The tool tip: icon name, pictures, title, text.
struct SniToolTip {
    QString iconName;
    SniPixmaps pixmaps;
    QString title;
    QString text;
};

} // namespace quelmo::platform

Q_DECLARE_METATYPE(quelmo::platform::SniPixmap)
Q_DECLARE_METATYPE(quelmo::platform::SniToolTip)

namespace quelmo::platform {

QDBusArgument& operator<<(QDBusArgument& out, const SniPixmap& pixmap) {
    out.beginStructure();
    out << pixmap.width << pixmap.height << pixmap.pixels;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, SniPixmap& pixmap) {
    in.beginStructure();
    in >> pixmap.width >> pixmap.height >> pixmap.pixels;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const SniToolTip& tip) {
    out.beginStructure();
    out << tip.iconName << tip.pixmaps << tip.title << tip.text;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, SniToolTip& tip) {
    in.beginStructure();
    in >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    in.endStructure();
    return in;
}

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

SniPixmaps PixmapsOf(const QIcon& icon) {
    SniPixmaps pixmaps;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        SniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.pixels.resize(static_cast<qsizetype>(image.sizeInBytes()));
        auto* out = reinterpret_cast<quint32*>(pixmap.pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

// The icon with a red dot in its lower right corner, for the last minutes.
QIcon AttentionIconOf(const QIcon& icon) {
    QIcon marked;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap = icon.pixmap(size, size);
        if (pixmap.isNull())
            continue;
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 0, 0));
        const qreal dot = size * 0.45;
        painter.drawEllipse(QRectF(size - dot, size - dot, dot, dot));
        painter.end();
        marked.addPixmap(pixmap);
    }
    return marked;
}

} // namespace

// The org.kde.StatusNotifierItem interface of the item's object.
class SniAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(QString IconThemePath READ Empty)
    Q_PROPERTY(QString IconName READ Empty)
    Q_PROPERTY(quelmo::platform::SniPixmaps IconPixmap READ IconPixmap)
    Q_PROPERTY(QString OverlayIconName READ Empty)
    Q_PROPERTY(quelmo::platform::SniPixmaps OverlayIconPixmap READ NoPixmaps)
    Q_PROPERTY(QString AttentionIconName READ Empty)
    Q_PROPERTY(quelmo::platform::SniPixmaps AttentionIconPixmap READ AttentionIconPixmap)
    Q_PROPERTY(QString AttentionMovieName READ Empty)
    Q_PROPERTY(quelmo::platform::SniToolTip ToolTip READ ToolTip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)

public:
    explicit SniAdaptor(StatusNotifierItem* item) : QDBusAbstractAdaptor(item), mItem(item) {}

    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const { return QCoreApplication::applicationName(); }
    QString Title() const { return QCoreApplication::applicationName(); }
    QString Status() const {
        return mItem->Attention() ? QStringLiteral("NeedsAttention") : QStringLiteral("Active");
    }
    int WindowId() const { return static_cast<int>(mItem->WindowId()); }
    // The pictures travel with the item, so no theme, overlay or animation is named.
    QString Empty() const { return {}; }
    SniPixmaps NoPixmaps() const { return {}; }
    SniPixmaps IconPixmap() const { return PixmapsOf(mItem->Icon()); }
    SniPixmaps AttentionIconPixmap() const { return PixmapsOf(AttentionIconOf(mItem->Icon())); }
    SniToolTip ToolTip() const {
        if (mItem->onToolTipWanted)
            mItem->onToolTipWanted();
        return {{}, {}, mItem->ToolTip(), {}};
    }
    // A press activates; there is no menu to open instead.
    bool ItemIsMenu() const { return false; }
    QDBusObjectPath Menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }

public slots:
    void Activate(int, int) { Press(TrayPress::Activate); }
    void SecondaryActivate(int, int) { Press(TrayPress::SecondaryActivate); }
    void ContextMenu(int, int) { Press(TrayPress::ContextMenu); }
    void Scroll(int, const QString&) {}

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    void Press(TrayPress press) {
        if (mItem->onPress)
            mItem->onPress(press);
    }
    StatusNotifierItem* mItem;
};

StatusNotifierItem::StatusNotifierItem()
    : mBus(QDBusConnection::sessionBus()),
      mService(QStringLiteral("org.kde.StatusNotifierItem-%1-1")
                   .arg(QCoreApplication::applicationPid())) {
    static const bool registered = [] {
        qDBusRegisterMetaType<SniPixmap>();
        qDBusRegisterMetaType<SniPixmaps>();
        qDBusRegisterMetaType<SniToolTip>();
        return true;
    }();
    (void)registered;
    new SniAdaptor(this);
    if (!mBus.isConnected())
        return;
    mWatcher.setConnection(mBus);
    mWatcher.addWatchedService(kWatcherService);
    connect(&mWatcher, &QDBusServiceWatcher::serviceRegistered, this,
            [this] { RegisterWithWatcher(); });
    connect(&mWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        ++mAttempt;
        SetHosted(false);
    });
    for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        mBus.connect(kWatcherService, kWatcherPath, kWatcherService, QString::fromLatin1(signal),
                     this, SLOT(HostsChanged()));
}

StatusNotifierItem::~StatusNotifierItem() {
    Hide();
}

bool StatusNotifierItem::WatcherPresent() const {
    return mBus.isConnected() && mBus.interface()->isServiceRegistered(kWatcherService).value();
}

void StatusNotifierItem::Show() {
    if (mShown || !mBus.isConnected())
        return;
    if (!mBus.registerService(mService) ||
        !mBus.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors)) {
        mBus.unregisterService(mService);
        return;
    }
    mShown = true;
    RegisterWithWatcher();
}

void StatusNotifierItem::Hide() {
    if (!mShown)
        return;
    mShown = false;
    ++mAttempt;
    // The watcher drops the item when its name leaves the bus.
    mBus.unregisterObject(kItemPath);
    mBus.unregisterService(mService);
    SetHosted(false);
}

void StatusNotifierItem::SetIcon(const QIcon& icon) {
    mIcon = icon;
    if (auto* adaptor = Listened()) {
        emit adaptor->NewIcon();
        emit adaptor->NewAttentionIcon();
    }
}

void StatusNotifierItem::SetToolTip(const QString& text) {
    mToolTip = text;
    if (auto* adaptor = Listened())
        emit adaptor->NewToolTip();
}

void StatusNotifierItem::SetAttention(bool attention) {
    if (attention == mAttention)
        return;
    mAttention = attention;
    if (auto* adaptor = Listened())
        emit adaptor->NewStatus(adaptor->Status());
}

SniAdaptor* StatusNotifierItem::Listened() const {
    // Only a host that has taken the item listens to its signals; a host taking it later reads
    // every property anew. Signals nobody hears would still wake the bus and its daemon.
    return mHosted ? findChild<SniAdaptor*>() : nullptr;
}

void StatusNotifierItem::RegisterWithWatcher() {
    if (!mShown)
        return;
    const unsigned attempt = ++mAttempt;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call.setArguments({mService});
    // Asynchronous: a watcher that is slow to answer must not hold up the window.
    auto* pending = new QDBusPendingCallWatcher(mBus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, attempt](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                if (attempt != mAttempt)
                    return;
                if (done->isError()) {
                    SetHosted(false);
                    return;
                }
                HostsChanged();
            });
}

void StatusNotifierItem::HostsChanged() {
    if (!mShown)
        return;
    const unsigned attempt = mAttempt;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get.setArguments({kWatcherService, QStringLiteral("IsStatusNotifierHostRegistered")});
    auto* pending = new QDBusPendingCallWatcher(mBus.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, attempt](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                if (attempt != mAttempt)
                    return;
                const QDBusPendingReply<QDBusVariant> reply = *done;
                SetHosted(!reply.isError() && reply.value().variant().toBool());
            });
}

void StatusNotifierItem::SetHosted(bool hosted) {
    if (hosted == mHosted)
        return;
    mHosted = hosted;
    // What changed while the host was taking the item, it may have read before.
    if (auto* adaptor = Listened()) {
        emit adaptor->NewIcon();
        emit adaptor->NewToolTip();
        emit adaptor->NewStatus(adaptor->Status());
    }
    if (onHostChanged)
        onHostChanged();
}

} // namespace quelmo::platform

#include "status_notifier_item.moc"
