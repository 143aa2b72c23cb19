// SPDX-License-Identifier: GPL-3.0-or-later
// logind's PrepareForSleep signal and a "sleep" inhibitor lock of mode "delay": logind waits
// for the lock's descriptor to close (at most InhibitDelayMaxUSec, 5 s by default) before it
// suspends, so the wake-up timer can be armed first.
#include "platform/power_manager.h"
#include "platform/sleep_monitor.h"
#include "platform/system_bus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QObject>

#include <optional>

namespace quelmo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

std::unique_ptr<SleepMonitor>& MonitorSlot() {
    static std::unique_ptr<SleepMonitor> slot;
    return slot;
}

class LogindSleepMonitor final : public QObject, public SleepMonitor {
    Q_OBJECT
public:
    explicit LogindSleepMonitor(std::string busAddress) : mBusAddress(std::move(busAddress)) {}
    ~LogindSleepMonitor() override {
        // Past the application object Qt's bus manager is gone, and the process is ending.
        if (QCoreApplication::instance())
            Stop();
    }

    bool Start(std::function<void(bool)> onSleep) override {
        Stop();
        QDBusConnection bus =
            ConnectSystemBus(QStringLiteral("quelmo-logind-sleep"), mBusAddress, mName);
        if (!bus.isConnected() ||
            !bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                         SLOT(PrepareForSleep(bool)))) {
            Stop();
            return false;
        }
        mOnSleep = std::move(onSleep);
        TakeInhibitor();
        return true;
    }

    void Stop() override {
        mLock.reset();
        mOnSleep = nullptr;
        if (!mName.isEmpty())
            QDBusConnection::disconnectFromBus(mName);
        mName.clear();
    }

    bool Holding() const override { return mLock && mLock->isValid(); }

private slots:
    void PrepareForSleep(bool suspending) {
        if (suspending) {
            if (mOnSleep)
                mOnSleep(true);
            mLock.reset(); // closing the descriptor lets the suspend go ahead
        } else {
            TakeInhibitor();
            if (mOnSleep)
                mOnSleep(false);
        }
    }

private:
    void TakeInhibitor() {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
        call.setArguments({QStringLiteral("sleep"), QStringLiteral("Quelmo"),
                           QString::fromLatin1(kSleepInhibitReason), QStringLiteral("delay")});
        const QDBusMessage reply =
            QDBusConnection(mName).call(call, QDBus::Block, kLogindCallTimeoutMs);
        mLock.reset();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
            return;
        const auto fd = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().front());
        if (fd.isValid())
            mLock = fd; // a duplicate of the descriptor, closed with the object
    }

    std::string mBusAddress;
    QString mName;
    std::function<void(bool)> mOnSleep;
    std::optional<QDBusUnixFileDescriptor> mLock;
};

} // namespace

SleepMonitor& SleepEvents() {
    auto& slot = MonitorSlot();
    if (!slot)
        slot = MakeLogindSleepMonitor();
    return *slot;
}

void SetSleepMonitorForTesting(std::unique_ptr<SleepMonitor> monitor) {
    MonitorSlot() = std::move(monitor);
}

std::unique_ptr<SleepMonitor> MakeLogindSleepMonitor(std::string busAddress) {
    return std::make_unique<LogindSleepMonitor>(std::move(busAddress));
}

} // namespace quelmo::platform

#include "logind_sleep_monitor.moc"
