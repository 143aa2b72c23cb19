// SPDX-License-Identifier: GPL-3.0-or-later
// The tray on a real X server and session bus: our StatusNotifierItem against a watcher
// stand-in, Qt's XEmbed icon in a real tray (trayer), no tray at all, and a second start.
#include "app/companions.h"
#include "control/remote_control.h"
#include "platform/instance_lock.h"
#include "tests/support/form_fixture.h"
#include "tests/tray/desktop_session.h"
#include "tray/trayicon.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStandardPaths>
#include <QTest>

namespace quelmo {
namespace {

using test::DesktopSession;
using test::SniWatcherMock;

class TrayDesktopTest : public test::FormTest {
protected:
    void SetUp() override {
        if (const auto& missing = DesktopSession::Missing())
            GTEST_SKIP() << *missing;
        platform::SetNotificationAreaFactoryForTesting(nullptr); // the desktop's own
        AddRemoteControl();                                      // a second start asks through it
    }
    void TearDown() override {
        test::FormTest::TearDown();
        ClearCompanions();
    }
    void StartForm() { StartAt(2026, 12, 7, 9, 0, 0); }
    static bool WaitFor(const std::function<bool()>& condition, int ms = 10000) {
        return QTest::qWaitFor(condition, ms);
    }
    bool Shown() const { return form->isVisible() && !form->isMinimized(); }
    bool Hosted() const { return form->TrayIcon->Hosted(); }
    static std::string OurItem() {
        return "org.kde.StatusNotifierItem-" + std::to_string(QCoreApplication::applicationPid()) +
               "-1";
    }
    // A host calling the item, over a connection of its own.
    static bool CallItem(const char* method) {
        static int serial = 0;
        const QString name = QStringLiteral("tray-test-host-%1").arg(++serial);
        QDBusConnection host = QDBusConnection::connectToBus(
            QString::fromStdString(DesktopSession::BusAddress()), name);
        QDBusMessage call = QDBusMessage::createMethodCall(
            QString::fromStdString(OurItem()), QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"), QString::fromLatin1(method));
        call.setArguments({0, 0});
        // Answered by this very thread: wait with the event loop running.
        QDBusPendingCall pending = host.asyncCall(call, 5000);
        const bool answered = QTest::qWaitFor([&pending] { return pending.isFinished(); }, 6000) &&
                              !pending.isError();
        if (!answered)
            ADD_FAILURE() << pending.error().name().toStdString() << ": "
                          << pending.error().message().toStdString();
        QDBusConnection::disconnectFromBus(name);
        return answered;
    }
    // Back into the tray, then `press` must bring the window back exactly once.
    void ExpectOneRestore(const std::function<void()>& press) {
        if (!form->isHidden())
            form->TrayIcon->Minimize();
        ASSERT_TRUE(form->isHidden());
        const int before = form->TrayIcon->RestoreCount();
        press();
        EXPECT_TRUE(WaitFor([this] { return Shown(); }));
        QTest::qWait(200); // a release or a second report would come now
        EXPECT_EQ(form->TrayIcon->RestoreCount(), before + 1);
    }
};

TEST_F(TrayDesktopTest, TheItemRegistersAndEachPressRestoresTheWindowOnce) {
    SniWatcherMock watcher;
    ASSERT_TRUE(watcher.Ok());
    StartForm();
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    EXPECT_EQ(watcher.Registered(), std::vector<std::string>{OurItem()});
    Tick(28);
    EXPECT_TRUE(Shown());
    Tick(); // the 30th
    EXPECT_TRUE(form->isHidden());
    EXPECT_TRUE(form->TrayIcon->InTray());
    for (const char* method : {"Activate", "SecondaryActivate", "ContextMenu"}) {
        SCOPED_TRACE(method);
        ExpectOneRestore([method] { ASSERT_TRUE(CallItem(method)); });
    }

    form->EndSession(); // as at log-out or SIGTERM: the item leaves the bus, the lock is free
    EXPECT_FALSE(QDBusConnection::sessionBus()
                     .interface()
                     ->isServiceRegistered(QString::fromStdString(OurItem()))
                     .value());
    EXPECT_FALSE(platform::InstanceLock(platform::InstanceLockName()).AlreadyExisted());
}

TEST_F(TrayDesktopTest, WithoutAnyTrayTheWindowStaysReachableUntilAWatcherAppears) {
    StartForm();
    Tick(29);
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 1);
    EXPECT_FALSE(form->isHidden()) << "iconified to the task bar, never unmapped";
    EXPECT_FALSE(form->TrayIcon->InTray());

    SniWatcherMock watcher; // a panel that starts after the program
    ASSERT_TRUE(watcher.Ok());
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    EXPECT_EQ(watcher.Registered(), std::vector<std::string>{OurItem()});
    ExpectOneRestore([] { ASSERT_TRUE(CallItem("Activate")); });
}

TEST_F(TrayDesktopTest, AWatcherThatGoesAwayGivesTheWindowBackToTheTaskBar) {
    auto watcher = std::make_unique<SniWatcherMock>();
    ASSERT_TRUE(watcher->Ok());
    StartForm();
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    form->TrayIcon->Minimize();
    ASSERT_TRUE(form->isHidden());
    watcher.reset();
    EXPECT_TRUE(WaitFor([this] { return !form->isHidden(); }));
    EXPECT_FALSE(form->TrayIcon->InTray());
}

TEST_F(TrayDesktopTest, ASecondStartBringsTheFirstCopysWindowBack) {
    SniWatcherMock watcher;
    ASSERT_TRUE(watcher.Ok());
    StartForm();
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    form->TrayIcon->Minimize();
    ASSERT_TRUE(form->isHidden());

    QProcess second;
    second.start(QStringLiteral(QUELMO_INSTANCE_PROBE),
                 {QString::fromStdString(platform::InstanceLockName()),
                  QString::fromStdString(folder.Path())});
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    const QByteArray said = second.readAllStandardOutput();
    EXPECT_TRUE(said.contains("NOTICE:Quelmo! is already running\non this machine")) << said.data();
    EXPECT_FALSE(said.contains("RUNNING"));
    EXPECT_TRUE(Shown());
    EXPECT_EQ(form->TrayIcon->RestoreCount(), 1);
}

// Qt's XEmbed icon in trayer, pressed with real X events.
TEST_F(TrayDesktopTest, AnXembedTrayHostsTheIconAndEachButtonRestoresOnce) {
    for (const char* tool : {"trayer", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    }
    StartForm(); // before the tray: Qt's own tracking must find the tray that comes later
    QProcess trayer;
    trayer.start(QStringLiteral("trayer"),
                 {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                  QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                  QStringLiteral("--width"), QStringLiteral("60"), QStringLiteral("--height"),
                  QStringLiteral("24")});
    ASSERT_TRUE(trayer.waitForStarted(10000));
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    QWidget* icon = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qstrcmp(w->metaObject()->className(), "QSystemTrayIconSys") == 0 &&
                w->isVisible() && w->width() > 1)
                icon = w;
        }
        return icon != nullptr;
    }));
    QTest::qWait(300); // embedded and laid out by the tray
    const QPoint centre = icon->mapToGlobal(icon->rect().center());
    auto click = [&centre](const QStringList& how) {
        QProcess::execute(QStringLiteral("xdotool"),
                          QStringList{QStringLiteral("mousemove"), QString::number(centre.x()),
                                      QString::number(centre.y()), QStringLiteral("click")} +
                              how);
    };
    for (const char* button : {"1", "2", "3"}) {
        SCOPED_TRACE(button);
        ExpectOneRestore([&] { click({QString::fromLatin1(button)}); });
    }
    SCOPED_TRACE("double click");
    ExpectOneRestore([&] {
        click({QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
               QStringLiteral("80"), QStringLiteral("1")});
    });
    form.reset();
    trayer.terminate();
    trayer.waitForFinished(5000);
}

} // namespace
} // namespace quelmo
