// systemd-logind's Manager object. Questions are blocking calls that give up after a second: a
// logind that hangs must not freeze the window for the bus's default 25 seconds. Power requests
// may need polkit to ask the person first, so they wait for the answer while serving events.
#include "platform/power_manager.h"
#include "platform/system_bus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QString>
#include <QVariant>

#include <optional>

namespace quelmo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kUnknownMethod = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");

class LogindPowerManager final : public PowerManager {
public:
    explicit LogindPowerManager(std::string busAddress) : mBusAddress(std::move(busAddress)) {}
    ~LogindPowerManager() override {
        // Past the application object Qt's bus manager is gone, and the process is ending.
        if (QCoreApplication::instance())
            Disconnect();
    }

    bool Connect() override {
        Disconnect();
        QDBusConnection connection =
            ConnectSystemBus(QStringLiteral("quelmo-logind"), mBusAddress, mName);
        if (!connection.isConnected()) {
            Disconnect();
            return false;
        }
        mConnected = true;
        // The capabilities count as read only when all three questions get an answer.
        return Ask("CanSuspend") != CapabilityAnswer::NoAnswer &&
               Ask("CanHibernate") != CapabilityAnswer::NoAnswer &&
               Ask("CanPowerOff") != CapabilityAnswer::NoAnswer;
    }

    void Disconnect() override {
        if (!mName.isEmpty())
            QDBusConnection::disconnectFromBus(mName);
        mName.clear();
        mConnected = false;
    }

    bool CanSuspend() override { return Ask("CanSuspend") == CapabilityAnswer::Allowed; }
    bool CanHibernate() override { return Ask("CanHibernate") == CapabilityAnswer::Allowed; }
    bool CanPowerOff() override { return Ask("CanPowerOff") == CapabilityAnswer::Allowed; }
    CapabilityAnswer PowerOffDecision() override { return Ask("CanPowerOff"); }

    // Interactive, so that a polkit agent can ask where the answer was "challenge".
    bool Suspend() override { return Succeeded(AuthorizedCall("Suspend", {true})); }
    bool Hibernate() override { return Succeeded(AuthorizedCall("Hibernate", {true})); }

    bool SchedulePowerOff(const std::string& message, std::uint64_t whenMicros) override {
        // The wall message only tells logged-in users; the shutdown goes ahead without it.
        Call("SetWallMessage", {QString::fromLatin1(message), true});
        const auto reply =
            AuthorizedCall("ScheduleShutdown", {QStringLiteral("poweroff"),
                                                QVariant::fromValue<qulonglong>(whenMicros)});
        if (reply && reply->type() == QDBusMessage::ErrorMessage &&
            reply->errorName() == kUnknownMethod)
            return Succeeded(AuthorizedCall("PowerOff", {true})); // logind before systemd 220
        return Succeeded(reply);
    }

    bool CancelScheduledPowerOff() override {
        // Answers whether a scheduled shutdown was there to cancel.
        const auto reply = Call("CancelScheduledShutdown", {});
        if (!Succeeded(reply) || reply->arguments().size() != 1)
            return false;
        const QVariant cancelled = reply->arguments().front();
        return cancelled.metaType() == QMetaType::fromType<bool>() && cancelled.toBool();
    }

private:
    static QDBusMessage MethodCall(const char* method, const QVariantList& arguments) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kService, kPath, kManager, QString::fromLatin1(method));
        message.setArguments(arguments);
        return message;
    }

    // The reply, or nothing when there is no connection.
    std::optional<QDBusMessage> Call(const char* method, const QVariantList& arguments) {
        if (!mConnected)
            return std::nullopt;
        return QDBusConnection(mName).call(MethodCall(method, arguments), QDBus::Block,
                                           kLogindCallTimeoutMs);
    }

    // A request that polkit may put to the person: logind may ask through the agent, and the
    // answer may take as long as the person does. The wait serves the thread's events, so that
    // ticks keep coming and the window paints; input waits until the answer is in, so that no
    // handler (Exit above all) runs in the middle of a switch-off. processEvents in a loop, not
    // a nested QEventLoop: that returns at once after exit() and would give up on the answer.
    std::optional<QDBusMessage> AuthorizedCall(const char* method, const QVariantList& arguments) {
        if (!mConnected)
            return std::nullopt;
        QDBusMessage message = MethodCall(method, arguments);
        message.setInteractiveAuthorizationAllowed(true);
        QDBusPendingCallWatcher answer(
            QDBusConnection(mName).asyncCall(message, kLogindAuthorizationTimeoutMs));
        while (!answer.isFinished())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                            QEventLoop::ExcludeUserInputEvents);
        return answer.reply();
    }

    static bool Succeeded(const std::optional<QDBusMessage>& reply) {
        return reply && reply->type() == QDBusMessage::ReplyMessage;
    }

    CapabilityAnswer Ask(const char* method) {
        const auto reply = Call(method, {});
        if (!Succeeded(reply) || reply->arguments().size() != 1)
            return CapabilityAnswer::NoAnswer;
        const QVariant answer = reply->arguments().front();
        if (answer.metaType() != QMetaType::fromType<QString>())
            return CapabilityAnswer::NoAnswer;
        const QString text = answer.toString();
        return text == QLatin1String("yes") || text == QLatin1String("challenge")
                   ? CapabilityAnswer::Allowed
                   : CapabilityAnswer::Refused;
    }

    std::string mBusAddress;
    QString mName;
    bool mConnected = false;
};

} // namespace

std::unique_ptr<PowerManager> MakeLogindPowerManager(std::string busAddress) {
    return std::make_unique<LogindPowerManager>(std::move(busAddress));
}

} // namespace quelmo::platform
