// The last ten minutes as a desktop notification, against python-dbusmock's notification
// server on a private session bus.
#include "notify/countdown_notification.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tests/support/session_bus.h"
#include "tray/trayicon.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace quelmo {
namespace {

const QString kServer = QStringLiteral("org.freedesktop.Notifications");

class CountdownNotificationTest : public test::FormTest {
protected:
    void SetUp() override {
        if (const auto& missing = test::PrivateSessionBus::Missing())
            GTEST_SKIP() << *missing;
    }
    void StartServer() {
        server =
            std::make_unique<test::DbusMockService>(QStringLiteral("notification_daemon"), kServer);
        ASSERT_TRUE(server->Ok());
    }
    // Monday 09:00 with nothing scheduled, the notification following the window.
    void StartWindow() {
        StartAt(2026, 12, 7, 9, 0, 0);
        S().WeekSchedule.fill(1);
        notification = std::make_unique<CountdownNotification>(*model);
    }
    void TearDown() override {
        notification.reset();
        server.reset();
        FormTest::TearDown();
    }
    std::vector<std::string> Calls(const char* method) const { return server->Calls(method); }
    // Waits for the server to have logged `count` calls of `method`, and for its answers.
    bool WaitForCalls(const char* method, std::size_t count) {
        const bool got = QTest::qWaitFor([&] { return Calls(method).size() >= count; }, 10000);
        QTest::qWait(100);
        return got && Calls(method).size() == count;
    }
    static void Contains(const std::string& call, const std::string& part) {
        EXPECT_NE(call.find(part), std::string::npos)
            << part << "\nin: " << call.substr(0, 400) << " … "
            << call.substr(call.size() > 300 ? call.size() - 300 : 0);
    }
    bool EmitAction(uint id, const QString& key) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kServer, QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
        call.setArguments({kServer, QStringLiteral("ActionInvoked"), QStringLiteral("us"),
                           QVariantList{id, key}});
        return QDBusConnection::sessionBus().call(call, QDBus::Block, 10000).type() ==
               QDBusMessage::ReplyMessage;
    }

    std::unique_ptr<test::DbusMockService> server;
    std::unique_ptr<CountdownNotification> notification;
};

TEST_F(CountdownNotificationTest, ComesInTheLastTenMinutesAndIsReplacedAtEachMinute) {
    StartServer();
    StartWindow();
    form->DelayMins->setValue(11);
    form->DelayedOffClick();
    Tick(60); // 10:00 left
    EXPECT_TRUE(Calls("Notify").empty()) << "not before the last ten minutes";
    EXPECT_FALSE(tray.state.attention);
    EXPECT_EQ(form->TrayIcon->Hint(), "PC will StandBy in 10:00 Minutes");
    Tick();
    EXPECT_TRUE(tray.state.attention) << "the icon asks for attention too";
    EXPECT_EQ(tray.state.toolTip, "PC will StandBy in 09:59 Minutes") << "its seconds at once";
    ASSERT_TRUE(WaitForCalls("Notify", 1));
    const std::string first = Calls("Notify")[0];
    Contains(first, "Notify \"Quelmo!\" 0 \"io.github.quelmo.Quelmo\" \"Quelmo!\" "
                    "\"PC will StandBy in 09:59 Minutes\" [\"Cancel\", \"Cancel\", \"Show\", "
                    "\"Show\"]");
    Contains(first, "\"urgency\": 2}");
    Contains(first, "\"desktop-entry\": \"io.github.quelmo.Quelmo\"");
    Contains(first, "\"image-data\": dbus.Struct((dbus.Int32(48), dbus.Int32(48), dbus.Int32(192), "
                    "dbus.Boolean(True), dbus.Int32(8), dbus.Int32(4), dbus.Array([");
    EXPECT_EQ(first.substr(first.size() - 2), " 0") << "stays until dismissed";

    Tick(58); // 09:01 left: no beep, no update
    EXPECT_TRUE(WaitForCalls("Notify", 1));
    Tick(); // 09:00, the minute's beep
    ASSERT_TRUE(WaitForCalls("Notify", 2));
    Contains(Calls("Notify")[1], "Notify \"Quelmo!\" 1 \"io.github.quelmo.Quelmo\" \"Quelmo!\" "
                                 "\"PC will StandBy in 09:00 Minutes\"");
    EXPECT_TRUE(Calls("CloseNotification").empty());

    // The person chooses "Cancel" in the notification: as the Abort button.
    ASSERT_TRUE(EmitAction(1, QStringLiteral("Cancel")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return S().DelayedOffSeconds == 0; }, 5000));
    EXPECT_TRUE(form->Abort->isHidden());
    EXPECT_FALSE(S().NowRequested);
    EXPECT_FALSE(tray.state.attention);
    EXPECT_TRUE(WaitForCalls("CloseNotification", 1));
    EXPECT_EQ(Calls("CloseNotification")[0], "CloseNotification 1");
    Tick(2);
    EXPECT_TRUE(WaitForCalls("Notify", 2)) << "nothing pending, nothing shown";
}

TEST_F(CountdownNotificationTest, ShowBringsTheWindowAndCancellingInTheWindowCloses) {
    StartServer();
    StartWindow();
    form->NowButtonClick();
    Tick();
    ASSERT_TRUE(WaitForCalls("Notify", 1));
    Contains(Calls("Notify")[0], "\"PC will StandBy in 11 Seconds\"");
    form->TrayIcon->Minimize();
    ASSERT_TRUE(EmitAction(1, QStringLiteral("Show")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isHidden(); }, 5000));
    EXPECT_EQ(S().DelayedOffSeconds, 11) << "showing cancels nothing";

    form->AbortClick();
    Tick();
    EXPECT_TRUE(WaitForCalls("CloseNotification", 1));
}

TEST_F(CountdownNotificationTest, ClosedWhenThePowerActionRuns) {
    StartServer();
    StartWindow();
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(59);
    // Updates that come faster than the server answers are merged: the latest text wins.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            const auto calls = Calls("Notify");
            return !calls.empty() &&
                   calls.back().find("\"PC will StandBy in 01 Seconds\"") != std::string::npos;
        },
        10000));
    EXPECT_TRUE(Calls("CloseNotification").empty());
    Tick();
    EXPECT_NE(std::find(doubles.power.calls.begin(), doubles.power.calls.end(), "Suspend"),
              doubles.power.calls.end());
    EXPECT_TRUE(WaitForCalls("CloseNotification", 1));
}

TEST_F(CountdownNotificationTest, WithoutAServerTheCountdownGoesOnSilently) {
    StartWindow();
    form->NowButtonClick();
    Tick(12);
    QTest::qWait(200);
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_NE(std::find(doubles.power.calls.begin(), doubles.power.calls.end(), "Suspend"),
              doubles.power.calls.end());
}

} // namespace
} // namespace quelmo
