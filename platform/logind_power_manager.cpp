// systemd-logind's Manager object. Questions are blocking calls that give up after a second: a
// logind that hangs must not freeze the window for the bus's default 25 seconds. Power requests
// may need polkit to ask the person first, so they wait for the answer while serving events.
#include "platform/power_manager.h"
#include "platform/system_bus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
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
const char* const kDisconnected = "org.freedesktop.DBus.Error.Disconnected";

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
    PowerRequestResult Suspend() override { return Result(AuthorizedCall("Suspend", {true})); }
    PowerRequestResult Hibernate() override { return Result(AuthorizedCall("Hibernate", {true})); }

    PowerRequestResult SchedulePowerOff(const std::string& message,
                                        std::uint64_t whenMicros) override {
        // The wall message only tells logged-in users; the shutdown goes ahead without it.
        Call("SetWallMessage", {QString::fromLatin1(message), true});
        const auto reply =
            AuthorizedCall("ScheduleShutdown", {QStringLiteral("poweroff"),
                                                QVariant::fromValue<qulonglong>(whenMicros)});
        if (reply && reply->type() == QDBusMessage::ErrorMessage &&
            reply->errorName() == kUnknownMethod)
            return Result(AuthorizedCall("PowerOff", {true})); // logind before systemd 220
        return Result(reply);
    }

    bool CancelScheduledPowerOff() override {
        // Answers whether a scheduled shutdown was there to cancel.
        const auto reply = Call("CancelScheduledShutdown", {});
        if (!Succeeded(reply) || reply->arguments().size() != 1)
            return false;
        const QVariant cancelled = reply->arguments().front();
        return cancelled.metaType() == QMetaType::fromType<bool>() && cancelled.toBool();
    }

    std::optional<std::string> BlockInhibited() override {
        if (!mConnected)
            return std::nullopt;
        QDBusMessage get = QDBusMessage::createMethodCall(
            kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get.setArguments({kManager, QStringLiteral("BlockInhibited")});
        const QDBusMessage reply =
            QDBusConnection(mName).call(get, QDBus::Block, kLogindCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
            return std::nullopt;
        const QVariant value = qvariant_cast<QDBusVariant>(reply.arguments().front()).variant();
        if (value.metaType() != QMetaType::fromType<QString>())
            return std::nullopt;
        return value.toString().toStdString();
    }

    std::optional<std::vector<Inhibitor>> ListInhibitors() override {
        const auto reply = Call("ListInhibitors", {});
        if (!Succeeded(reply) || reply->signature() != QLatin1String("a(ssssuu)"))
            return std::nullopt;
        const auto list = qvariant_cast<QDBusArgument>(reply->arguments().front());
        std::vector<Inhibitor> locks;
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            locks.push_back({what.toStdString(), who.toStdString(), why.toStdString(),
                             mode.toStdString(), uid, pid});
        }
        list.endArray();
        return locks;
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

    // A time-out comes as an error message of its own (NoReply) from the bus library.
    static PowerRequestResult Result(const std::optional<QDBusMessage>& reply) {
        if (!reply)
            return {false, kDisconnected, {}};
        if (reply->type() == QDBusMessage::ReplyMessage)
            return {true, {}, {}};
        return {false, reply->errorName().toStdString(), reply->errorMessage().toStdString()};
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
