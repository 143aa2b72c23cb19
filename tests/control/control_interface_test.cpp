// The control interface driven over a real session bus, as another program would.
#include "control/remote_control.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tests/support/session_bus.h"
#include "tray/trayicon.h"

#include <QComboBox>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace quelmo {

// Records each PropertiesChanged of the interface.
class ChangeRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QVariantMap> changes;
public slots:
    void Changed(const QString& interface, const QVariantMap& changed, const QStringList&) {
        if (interface == QLatin1String(platform::kControlInterface))
            changes.push_back(changed);
    }
};

namespace {

const QString kService = QString::fromLatin1(platform::kControlService);
const QString kPath = QString::fromLatin1(platform::kControlPath);
const QString kInterface = QString::fromLatin1(platform::kControlInterface);

class ControlInterfaceTest : public test::FormTest {
protected:
    void SetUp() override {
        if (const auto& missing = test::PrivateSessionBus::Missing())
            GTEST_SKIP() << *missing;
        StartAt(2026, 12, 7, 9, 0, 0);
        S().WeekSchedule.fill(1); // nothing pending
        control = std::make_unique<RemoteControl>(*model);
        ASSERT_TRUE(control->Serving());
        static int serial = 0;
        clientName = QStringLiteral("control-test-client-%1").arg(++serial);
        client = QDBusConnection::connectToBus(
            QString::fromStdString(test::PrivateSessionBus::Address()), clientName);
        ASSERT_TRUE(client.connect(kService, kPath,
                                   QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"), &watcher,
                                   SLOT(Changed(QString, QVariantMap, QStringList))));
        Tick();
    }
    void TearDown() override {
        control.reset();
        QDBusConnection::disconnectFromBus(clientName);
        FormTest::TearDown();
    }
    // A call from the other program; this thread answers it, so wait with the loop running.
    QDBusMessage Call(const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        call.setArguments(arguments);
        QDBusPendingCall pending = client.asyncCall(call, 5000);
        EXPECT_TRUE(QTest::qWaitFor([&pending] { return pending.isFinished(); }, 6000));
        return pending.reply();
    }
    QDBusMessage Method(const QString& method, const QVariantList& arguments = {}) {
        return Call(kInterface, method, arguments);
    }
    QVariantMap Properties() {
        const QDBusMessage reply = Call(QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("GetAll"), {kInterface});
        return reply.arguments().isEmpty() ? QVariantMap()
                                           : qdbus_cast<QVariantMap>(reply.arguments().front());
    }
    // Lets the signals of the ticks so far arrive.
    void Settle() { QTest::qWait(150); }
    // Scheduled countdown, armed: Monday 10:00–11:00 off.
    void OffAtTen() {
        S().WeekSchedule.fill(1);
        std::fill_n(S().WeekSchedule.begin() + 60, 6, std::uint8_t{0});
    }

    std::unique_ptr<RemoteControl> control;
    QString clientName;
    QDBusConnection client{QString()};
    ChangeRecorder watcher;
};

TEST_F(ControlInterfaceTest, SwitchOffDoesWhatTheWindowsControlsDo) {
    const QDBusMessage reply =
        Method(QStringLiteral("SwitchOff"), {5, QStringLiteral("hibernate")});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(form->DelayAction->currentIndex(), 1);
    EXPECT_EQ(form->DelayMins->value(), 5);
    EXPECT_EQ(S().DelayedOffSeconds, 300);
    EXPECT_FALSE(S().NowRequested);
    Tick();
    const QVariantMap p = Properties();
    EXPECT_EQ(p.value("Action").toString(), "Hibernate");
    EXPECT_EQ(p.value("SecondsLeft").toInt(), 299);
    EXPECT_EQ(p.value("Status").toString(), "PC will Hibernate in 04:59 Minutes");

    // Without an action the window's choice stays.
    ASSERT_EQ(Method(QStringLiteral("SwitchOff"), {60, QString()}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(form->DelayAction->currentIndex(), 1);
    EXPECT_EQ(S().DelayedOffSeconds, 3600);

    ASSERT_EQ(Method(QStringLiteral("SwitchOffNow"), {QStringLiteral("StandBy")}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(form->DelayAction->currentIndex(), 0);
    EXPECT_EQ(S().DelayedOffSeconds, 12);
    EXPECT_TRUE(S().NowRequested);

    ASSERT_EQ(Method(QStringLiteral("Cancel")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(S().DelayedOffSeconds, 0);
    EXPECT_FALSE(S().NowRequested);
    EXPECT_TRUE(form->Resume->isHidden()) << "a delayed switch-off is not resumable";
}

TEST_F(ControlInterfaceTest, CancelAndResumeAScheduledSwitchOff) {
    OffAtTen();
    Tick();
    ASSERT_FALSE(form->Abort->isHidden());
    ASSERT_EQ(Method(QStringLiteral("Cancel")).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(form->Resume->isHidden());
    Tick();
    EXPECT_EQ(Properties().value("SecondsLeft").toInt(), -1) << "nothing pending once cancelled";
    ASSERT_EQ(Method(QStringLiteral("Resume")).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(form->Abort->isHidden());
    EXPECT_TRUE(form->Resume->isHidden());
}

TEST_F(ControlInterfaceTest, ShowBringsTheWindowBackFromTheTray) {
    form->TrayIcon->Minimize();
    ASSERT_TRUE(form->isHidden());
    ASSERT_EQ(Method(QStringLiteral("Show")).type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(form->isHidden());
    EXPECT_EQ(form->TrayIcon->RestoreCount(), 1);
}

struct Refusal {
    const char* name;
    const char* method;
    QVariantList arguments;
    bool canHibernate, canPowerOff;
    const char* error;
    const char* message;
};

TEST_F(ControlInterfaceTest, BadArgumentsAreRefusedAndChangeNothing) {
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const QString refused = QStringLiteral("io.github.quelmo.Quelmo.Error.Refused");
    const Refusal rows[] = {
        {"no minutes",
         "SwitchOff",
         {0, QStringLiteral("standby")},
         true,
         true,
         "InvalidArgs",
         "Minutes must be 1 to 60, not 0"},
        {"too many minutes",
         "SwitchOff",
         {61, QString()},
         true,
         true,
         "InvalidArgs",
         "Minutes must be 1 to 60, not 61"},
        {"negative minutes",
         "SwitchOff",
         {-5, QString()},
         true,
         true,
         "InvalidArgs",
         "Minutes must be 1 to 60, not -5"},
        {"unknown action",
         "SwitchOff",
         {5, QStringLiteral("sleep")},
         true,
         true,
         "InvalidArgs",
         "Unknown action \"sleep\": use standby, hibernate or poweroff"},
        {"unknown action now",
         "SwitchOffNow",
         {QStringLiteral("reboot")},
         true,
         true,
         "InvalidArgs",
         "Unknown action \"reboot\": use standby, hibernate or poweroff"},
        {"hibernation refused",
         "SwitchOff",
         {5, QStringLiteral("hibernate")},
         false,
         true,
         "Refused",
         "Hibernate is not available on this PC"},
        {"power-off refused",
         "SwitchOffNow",
         {QStringLiteral("poweroff")},
         true,
         false,
         "Refused",
         "ShutDown is not available on this PC"},
        {"nothing to cancel", "Cancel", {}, true, true, "Refused", "No switch-off is pending"},
        {"nothing to resume",
         "Resume",
         {},
         true,
         true,
         "Refused",
         "No cancelled switch-off to resume"},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.name);
        doubles.power.canHibernate = row.canHibernate;
        doubles.power.canPowerOff = row.canPowerOff;
        const std::size_t notices = recorder.notices.size();
        const QDBusMessage reply = Method(QString::fromLatin1(row.method), row.arguments);
        ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(reply.errorName(),
                  QString::fromLatin1(row.error) == "InvalidArgs" ? invalid : refused);
        EXPECT_EQ(reply.errorMessage().toStdString(), row.message);
        EXPECT_EQ(S().DelayedOffSeconds, 0);
        EXPECT_FALSE(S().NowRequested);
        EXPECT_EQ(form->DelayAction->currentIndex(), 0);
        EXPECT_TRUE(form->Abort->isHidden());
        EXPECT_TRUE(form->Resume->isHidden());
        EXPECT_EQ(recorder.notices.size(), notices) << "no fallback ran";
    }
}

TEST_F(ControlInterfaceTest, PropertiesChangeOnlyWhenTheirValuesDo) {
    QVariantMap p = Properties();
    EXPECT_EQ(p.value("Status").toString(), "");
    EXPECT_EQ(p.value("Action").toString(), "");
    EXPECT_EQ(p.value("SecondsLeft").toInt(), -1);
    EXPECT_TRUE(p.value("Locked").toBool());
    EXPECT_TRUE(p.contains("KwhUsed"));
    EXPECT_TRUE(p.contains("KwhSaved"));

    Settle();
    watcher.changes.clear();
    Tick(5); // idle: 80 W adds 0.11 Wh a tick, far from the next hundredth of a kWh
    Settle();
    EXPECT_TRUE(watcher.changes.empty()) << watcher.changes.size() << " signals while idle";

    form->SetConfigUnlocked(true);
    Tick();
    Settle();
    ASSERT_EQ(watcher.changes.size(), 1u);
    EXPECT_EQ(watcher.changes[0], (QVariantMap{{"Locked", false}}));

    watcher.changes.clear();
    Method(QStringLiteral("SwitchOff"), {2, QStringLiteral("standby")});
    Tick(3);
    Settle();
    ASSERT_EQ(watcher.changes.size(), 3u) << "one a second while the countdown runs";
    EXPECT_EQ(watcher.changes[0].value("Action").toString(), "StandBy");
    EXPECT_EQ(watcher.changes[0].value("SecondsLeft").toInt(), 119);
    EXPECT_EQ(watcher.changes[1].keys(), (QStringList{"SecondsLeft", "Status"}));
    EXPECT_EQ(watcher.changes[2].value("SecondsLeft").toInt(), 117);
    EXPECT_EQ(watcher.changes[2].value("Status").toString(), "PC will StandBy in 01:57 Minutes");
}

TEST_F(ControlInterfaceTest, AFarCountdownIsAnnouncedOnceAMinuteAndReadToTheSecond) {
    OffAtTen(); // an hour away
    Tick();
    Settle();
    ASSERT_FALSE(watcher.changes.empty());
    EXPECT_EQ(watcher.changes.back().value("Action").toString(), "StandBy") << "begun: at once";
    const int begun = watcher.changes.back().value("SecondsLeft").toInt();
    EXPECT_GT(begun, 3000);

    watcher.changes.clear();
    Tick(59);
    Settle();
    EXPECT_TRUE(watcher.changes.empty()) << watcher.changes.size() << " signals in the minute";
    EXPECT_EQ(Properties().value("SecondsLeft").toInt(), begun - 59) << "Get answers the second";
    Tick();
    Settle();
    ASSERT_EQ(watcher.changes.size(), 1u);
    EXPECT_EQ(watcher.changes[0].keys(), (QStringList{"SecondsLeft", "Status"}));
    EXPECT_EQ(watcher.changes[0].value("SecondsLeft").toInt(), begun - 60);
}

// The program hidden in the tray sleeps between its moments; whoever reads its properties gets
// the present second all the same.
class AsleepControlTest : public ControlInterfaceTest {
protected:
    void SetUp() override {
        ownTicks = true;
        ControlInterfaceTest::SetUp();
    }
};

TEST_F(AsleepControlTest, ReadWhileAsleepTheStatusIsTheSeconds) {
    S().WeekSchedule[72] = 0; // off from 12:00, three hours away
    S().OnPower = 999;        // a hundredth of a kWh every 36 s
    form->TrayIcon->Minimize();
    driver->RunSeconds(2); // a tick to find the countdown
    ASSERT_TRUE(model->Asleep());
    const double startWh = S().WhUsed;
    const std::int64_t startSecond = clock.utcSeconds;
    // To a moment after this second's tick, which the rhythm puts in the second's middle.
    driver->RunSeconds(2 * 3600 - 5 * 60 + 17.25);
    ASSERT_TRUE(model->Asleep());
    EXPECT_LE(driver->wakes, 14) << "one at the move into the tray, then one a ten minutes";

    const QVariantMap p = Properties();
    const std::int64_t noon = startSecond - startSecond % 86400 + 12 * 3600;
    EXPECT_EQ(p.value("SecondsLeft").toInt(), noon - clock.utcSeconds + 1) << "as at the last tick";
    const double wh = startWh + 999.0 / 3600 * static_cast<double>(clock.utcSeconds - startSecond);
    EXPECT_NEAR(p.value("KwhUsed").toDouble(), wh / 1000, 0.011);
}

} // namespace
} // namespace quelmo

#include "control_interface_test.moc"
