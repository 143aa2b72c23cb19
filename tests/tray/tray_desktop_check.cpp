// SPDX-License-Identifier: GPL-3.0-or-later
// The tray on a real X server and session bus: our StatusNotifierItem against a watcher
// stand-in, Qt's XEmbed icon in a real tray (trayer), no tray at all, and a second start.
#include "control/remote_control.h"
#include "platform/instance_lock.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tests/tray/desktop_session.h"
#include "tray/trayicon.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace quelmo {

// Carries the item's NewStatus signal to the test.
class StatusRelay : public QObject {
    Q_OBJECT
public:
    std::vector<QString>* seen = nullptr;
public slots:
    void NewStatus(const QString& status) {
        if (seen)
            seen->push_back(status);
    }
};

namespace {

using test::DesktopSession;
using test::SniWatcherMock;

class TrayDesktopTest : public test::FormTest {
protected:
    void SetUp() override {
        if (const auto& missing = DesktopSession::Missing())
            GTEST_SKIP() << *missing;
        platform::SetNotificationAreaFactoryForTesting(nullptr); // the desktop's own
    }
    void TearDown() override {
        control.reset();
        test::FormTest::TearDown();
    }
    void StartForm() {
        StartAt(2026, 12, 7, 9, 0, 0);
        control = std::make_unique<RemoteControl>(*model); // a second start asks through it
    }
    std::unique_ptr<RemoteControl> control;
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
    StatusRelay mStatusRelay;
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

// What a host asks of the item: every property of the interface, the status of the last minutes
// with its signal, and the status line as the tool tip.
TEST_F(TrayDesktopTest, TheItemAnswersEveryPropertyAndAsksForAttention) {
    SniWatcherMock watcher;
    ASSERT_TRUE(watcher.Ok());
    StartForm();
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    const QString name = QStringLiteral("tray-test-properties");
    QDBusConnection host =
        QDBusConnection::connectToBus(QString::fromStdString(DesktopSession::BusAddress()), name);
    const QString item = QString::fromStdString(OurItem());
    const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
    auto all = [&] {
        QDBusMessage get = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
        get.setArguments({sni});
        QDBusPendingCall pending = host.asyncCall(get, 5000);
        EXPECT_TRUE(WaitFor([&pending] { return pending.isFinished(); }));
        return pending.reply();
    };
    const QDBusMessage reply = all();
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const QVariantMap p = qdbus_cast<QVariantMap>(reply.arguments().front());
    for (const char* property :
         {"Category", "Id", "Title", "Status", "WindowId", "IconThemePath", "IconName",
          "IconPixmap", "OverlayIconName", "OverlayIconPixmap", "AttentionIconName",
          "AttentionIconPixmap", "AttentionMovieName", "ToolTip", "ItemIsMenu", "Menu"})
        EXPECT_TRUE(p.contains(QString::fromLatin1(property))) << property;
    EXPECT_EQ(p.value("Status").toString(), "Active");
    EXPECT_EQ(p.value("WindowId").toLongLong(), static_cast<qint64>(form->winId()));
    EXPECT_EQ(p.value("Menu").value<QDBusObjectPath>().path(), "/NO_DBUSMENU");

    std::vector<QString> statuses;
    ASSERT_TRUE(host.connect(item, QStringLiteral("/StatusNotifierItem"), sni,
                             QStringLiteral("NewStatus"), &mStatusRelay, SLOT(NewStatus(QString))));
    mStatusRelay.seen = &statuses;
    form->TrayIcon->SetAttention(true);
    EXPECT_TRUE(WaitFor([&] { return !statuses.empty(); }));
    EXPECT_EQ(statuses, std::vector<QString>{"NeedsAttention"});
    EXPECT_EQ(qdbus_cast<QVariantMap>(all().arguments().front()).value("Status").toString(),
              "NeedsAttention");
    form->TrayIcon->SetAttention(false);
    EXPECT_TRUE(WaitFor([&] { return statuses.size() == 2; }));
    EXPECT_EQ(statuses.back(), "Active");
    mStatusRelay.seen = nullptr;

    // The status line is the tool tip: Monday 10:00–11:00 off.
    S().WeekSchedule.fill(1);
    std::fill_n(S().WeekSchedule.begin() + 60, 6, std::uint8_t{0});
    Tick();
    const QDBusArgument tip = qvariant_cast<QDBusArgument>(
        qdbus_cast<QVariantMap>(all().arguments().front()).value("ToolTip"));
    QString icon, title, text;
    tip.beginStructure();
    tip >> icon;
    tip.beginArray();
    while (!tip.atEnd()) {
        tip.beginStructure();
        int w = 0, h = 0;
        QByteArray pixels;
        tip >> w >> h >> pixels;
        tip.endStructure();
    }
    tip.endArray();
    tip >> title >> text;
    tip.endStructure();
    EXPECT_EQ(title, "PC will StandBy in 59:59 Minutes");
    QDBusConnection::disconnectFromBus(name);
}

// A window that was moved comes back from the tray where it was, also under a window manager
// that places every newly mapped window itself.
TEST_F(TrayDesktopTest, TheWindowComesBackWhereItWas) {
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        GTEST_SKIP() << "openbox is not installed";
    QProcess openbox;
    openbox.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(openbox.waitForStarted(10000));
    QTest::qWait(1000); // managing the screen
    SniWatcherMock watcher;
    ASSERT_TRUE(watcher.Ok());
    StartForm();
    ASSERT_TRUE(WaitFor([this] { return Hosted(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect placed = form->geometry();
    // Moved as a person moves it, through the window manager.
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowmove"), QString::number(form->winId()),
                       QStringLiteral("300"), QStringLiteral("200")});
    ASSERT_TRUE(WaitFor([&] { return form->geometry() != placed; }));
    QTest::qWait(300);
    // The client area: Qt learns the frame's extents only some time after each mapping.
    const QRect before = form->geometry();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        form->TrayIcon->Minimize();
        ASSERT_TRUE(form->isHidden());
        QTest::qWait(300);
        form->TrayIcon->Restore();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWait(500); // the window manager has placed it
        EXPECT_EQ(form->geometry(), before);
    }
    Stop();
    openbox.terminate();
    openbox.waitForFinished(5000);
}

// The desktop matches the program's windows to its entry by their class.
TEST(DesktopEntryTest, StartupWmClassIsTheClassOfTheProgramsWindows) {
    if (const auto& missing = DesktopSession::Missing())
        GTEST_SKIP() << *missing;
    QFile entry(QStringLiteral(QUELMO_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    QByteArray wanted;
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("StartupWMClass="))
            wanted = line.mid(15).trimmed();
    ASSERT_FALSE(wanted.isEmpty()) << "the entry names no StartupWMClass";

    // The real program, with folders of its own; whatever window it opens first (its window,
    // or a notice where this machine has no power management) carries the class.
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("run"));
    QFile::setPermissions(folder.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("run")));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUELMO_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QByteArray wmClass;
    const bool found = QTest::qWaitFor(
        [&] {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--pid"), QString::number(program.processId())});
            search.waitForFinished(5000);
            const QByteArray window = search.readAllStandardOutput().split('\n').front().trimmed();
            if (window.isEmpty())
                return false;
            QProcess xprop;
            xprop.start(
                QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::fromLatin1(window), QStringLiteral("WM_CLASS")});
            xprop.waitForFinished(5000);
            wmClass = xprop.readAllStandardOutput().trimmed();
            return wmClass.contains(',');
        },
        20000);
    program.kill();
    program.waitForFinished(5000);
    ASSERT_TRUE(found) << "no window of the program appeared";
    // WM_CLASS(STRING) = "instance", "class"
    EXPECT_TRUE(wmClass.endsWith(", \"" + wanted + "\""))
        << wmClass.data() << " vs " << wanted.data();
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
    Stop();
    trayer.terminate();
    trayer.waitForFinished(5000);
}

} // namespace
} // namespace quelmo

#include "tray_desktop_check.moc"
