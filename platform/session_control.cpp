// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/session_control.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>

namespace quelmo::platform {

// The exported object: its properties read the service's last published state.
class ControlObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.quelmo.Quelmo")
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QString Action READ Action)
    Q_PROPERTY(int SecondsLeft READ SecondsLeft)
    Q_PROPERTY(double KwhUsed READ KwhUsed)
    Q_PROPERTY(double KwhSaved READ KwhSaved)
    Q_PROPERTY(bool Locked READ Locked)

public:
    ControlObject(ControlTarget& target, const ControlState& state)
        : mTarget(target), mState(state) {}

    QString Status() const { return Current().status; }
    QString Action() const { return Current().action; }
    int SecondsLeft() const { return Current().secondsLeft; }
    double KwhUsed() const { return Current().kwhUsed; }
    double KwhSaved() const { return Current().kwhSaved; }
    bool Locked() const { return Current().locked; }

public slots:
    void Show() {
        mTarget.BeforeRead();
        mTarget.Show();
    }
    void SwitchOff(int minutes, const QString& action) {
        mTarget.BeforeRead();
        Answer(mTarget.SwitchOff(minutes, action));
    }
    void SwitchOffNow(const QString& action) {
        mTarget.BeforeRead();
        Answer(mTarget.SwitchOffNow(action));
    }
    void Cancel() {
        mTarget.BeforeRead();
        Answer(mTarget.Cancel());
    }
    void Resume() {
        mTarget.BeforeRead();
        Answer(mTarget.Resume());
    }

private:
    const ControlState& Current() const {
        mTarget.BeforeRead();
        return mState;
    }
    void Answer(const ControlError& error) {
        if (error.Failed() && calledFromDBus())
            sendErrorReply(error.name, error.message);
    }
    ControlTarget& mTarget;
    const ControlState& mState;
};

namespace {
const QString kService = QString::fromLatin1(kControlService);
const QString kPath = QString::fromLatin1(kControlPath);
const QString kInterface = QString::fromLatin1(kControlInterface);
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
// Long enough for a copy that is busy in a notice or a download, which still serves the bus.
constexpr int kCallTimeoutMs = 10000;
} // namespace

ControlService::ControlService(ControlTarget& target)
    : mObject(std::make_unique<ControlObject>(target, mState)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!bus.registerObject(kPath, mObject.get(),
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties))
        return;
    if (!bus.registerService(kService)) {
        bus.unregisterObject(kPath);
        return;
    }
    mServing = true;
}

ControlService::~ControlService() {
    if (!mServing)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(kService);
    bus.unregisterObject(kPath);
}

void ControlService::Publish(const ControlState& state, bool holdCount) {
    mState = state;
    if (holdCount && state.action == mAnnounced.action && state.kwhUsed == mAnnounced.kwhUsed &&
        state.kwhSaved == mAnnounced.kwhSaved && state.locked == mAnnounced.locked)
        return;
    QVariantMap changed;
    auto note = [&changed](const char* name, const auto& before, const auto& now) {
        if (before != now)
            changed.insert(QString::fromLatin1(name), QVariant::fromValue(now));
    };
    note("Status", mAnnounced.status, state.status);
    note("Action", mAnnounced.action, state.action);
    note("SecondsLeft", mAnnounced.secondsLeft, state.secondsLeft);
    note("KwhUsed", mAnnounced.kwhUsed, state.kwhUsed);
    note("KwhSaved", mAnnounced.kwhSaved, state.kwhSaved);
    note("Locked", mAnnounced.locked, state.locked);
    mAnnounced = state;
    if (changed.isEmpty() || !mServing)
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, kProperties, QStringLiteral("PropertiesChanged"));
    signal.setArguments({kInterface, changed, QStringList()});
    QDBusConnection::sessionBus().send(signal);
}

namespace {
ControlReply ReplyOf(const QDBusMessage& answer) {
    ControlReply reply;
    if (answer.type() != QDBusMessage::ErrorMessage) {
        reply.outcome = ControlReply::Done;
        return reply;
    }
    const QString name = answer.errorName();
    const bool absent = name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
                        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
                        name == QLatin1String("org.freedesktop.DBus.Error.Disconnected");
    reply.outcome = absent ? ControlReply::NoCopy : ControlReply::Refused;
    reply.message = answer.errorMessage().isEmpty() ? name : answer.errorMessage();
    return reply;
}

ControlReply Call(const QString& interface, const QString& method, const QVariantList& arguments) {
    // A connection of its own, closed before returning: a short-lived client that left Qt's
    // shared one open would have it torn down under a message still arriving at exit.
    static int serial = 0;
    const QString name = QStringLiteral("quelmo-control-client-%1").arg(++serial);
    ControlReply reply;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        if (!bus.isConnected()) {
            reply.message = QStringLiteral("no session bus");
        } else {
            QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, interface, method);
            call.setArguments(arguments);
            // Never start a copy just to answer.
            call.setAutoStartService(false);
            const QDBusMessage answer = bus.call(call, QDBus::Block, kCallTimeoutMs);
            reply = ReplyOf(answer);
            if (reply.outcome == ControlReply::Done && !answer.arguments().isEmpty())
                reply.properties = qdbus_cast<QVariantMap>(answer.arguments().front());
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return reply;
}
} // namespace

ControlReply CallRunningCopy(const QString& method, const QVariantList& arguments) {
    return Call(kInterface, method, arguments);
}

ControlReply ReadControlProperties() {
    return Call(kProperties, QStringLiteral("GetAll"), {kInterface});
}

} // namespace quelmo::platform

#include "session_control.moc"
