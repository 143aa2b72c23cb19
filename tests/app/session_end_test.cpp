// However the session ends, what a running copy has counted reaches its settings file: the
// signals systemd and terminals send, and the display server going away under it.
#include "platform/abrupt_end.h"
#include "tests/support/process_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <vector>

namespace {

// A copy of the program (the real window and start-up, power doubles) that counts 36 kWh an
// hour, so that a second or two leaves the file's last save behind.
class RunningCopy {
public:
    explicit RunningCopy(const QProcessEnvironment& environment) {
        QFile ini(Ini());
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("WhUsed=5000\r\nOnPower=36000\r\n");
        ini.close();
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(QCoreApplication::applicationDirPath() + "/instance_probe",
                    {QString("Quelmo_session_end_%1").arg(QCoreApplication::applicationPid()),
                     folder.path()});
    }
    ~RunningCopy() {
        if (probe.state() != QProcess::NotRunning) {
            probe.kill();
            probe.waitForFinished(5000);
        }
    }
    // Waits until it runs and has counted; the watt-hours counted so far.
    int Counted() {
        if (quelmo::test::ReadUntil(probe, "RUNNING", 20000).isEmpty())
            return 0;
        QThread::msleep(1200);
        probe.write("edit\n");
        const QList<QByteArray> edited =
            quelmo::test::ReadUntil(probe, "EDITED", 5000).trimmed().split('\n').last().split(' ');
        return edited.size() == 3 ? static_cast<int>(edited[1].toDouble()) : 0;
    }
    int SavedWhUsed() const {
        QFile ini(Ini());
        if (!ini.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray settings = ini.readAll();
        const auto at = settings.indexOf("WhUsed=");
        return at < 0 ? -1 : settings.mid(at + 7).split('\r').front().toInt();
    }
    // Nothing half-written is left beside the settings file.
    std::string Files() const {
        return QDir(folder.path())
            .entryList(QDir::Files | QDir::Hidden, QDir::Name)
            .join(' ')
            .toStdString();
    }

    QTemporaryDir folder;
    QProcess probe;

private:
    QString Ini() const { return folder.filePath("Quelmo.ini"); }
};

struct SignalRow {
    const char* name;
    std::vector<int> sent;
};

class SignalEnd : public ::testing::TestWithParam<SignalRow> {};

TEST_P(SignalEnd, SavesWhatWasCountedAndExitsWithZero) {
    RunningCopy copy(QProcessEnvironment::systemEnvironment());
    const int counted = copy.Counted();
    ASSERT_GT(counted, 5000) << "ticks have counted";
    for (int number : GetParam().sent)
        ::kill(static_cast<pid_t>(copy.probe.processId()), number);
    ASSERT_TRUE(copy.probe.waitForFinished(5000));
    EXPECT_EQ(copy.probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.probe.exitCode(), 0);
    EXPECT_GE(copy.SavedWhUsed(), counted);
    EXPECT_EQ(copy.Files(), "Default.db Default.db~ Quelmo.ini Quelmo.ini~");
}

INSTANTIATE_TEST_SUITE_P(Endings, SignalEnd,
                         ::testing::Values(SignalRow{"SystemdStoppingTheScope", {SIGTERM, SIGHUP}},
                                           SignalRow{"HangUp", {SIGHUP}},
                                           SignalRow{"Interrupt", {SIGINT}},
                                           SignalRow{"TermTwice", {SIGTERM, SIGTERM}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Qt warns "The X11 connection broke" and calls exit(): no event of ours comes first.
TEST(DisplayEnd, TheXServerGoingAwaySavesWhatWasCounted) {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
    ASSERT_TRUE(xvfb.waitForReadyRead(20000));
    const QByteArray display = xvfb.readAllStandardOutput().trimmed();
    ASSERT_FALSE(display.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", ":" + QString::fromLatin1(display));
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    environment.remove("WAYLAND_DISPLAY");
    RunningCopy copy(environment);
    const int counted = copy.Counted();
    ASSERT_GT(counted, 5000) << "ticks have counted";

    xvfb.terminate();
    ASSERT_TRUE(xvfb.waitForFinished(10000));
    ASSERT_TRUE(copy.probe.waitForFinished(10000));
    EXPECT_GE(copy.SavedWhUsed(), counted);
    EXPECT_EQ(copy.Files(), "Default.db Default.db~ Quelmo.ini Quelmo.ini~");
}

// The Wayland plugin ends the process with _exit(), which no exit handler sees: its warning is
// the only moment left. The same holds for any thread but the GUI thread's never.
TEST(DisplayEnd, APlatformPluginsLastWordsRunTheEndOnceOnTheGuiThread) {
    int ends = 0;
    quelmo::platform::AbruptEndWatch watch([&] { ++ends; });
    std::thread([] {
        qWarning("The Wayland connection broke. Did the Wayland compositor die?");
    }).join();
    EXPECT_EQ(ends, 0) << "not from another thread";
    qWarning("The X11 connection is fine");
    EXPECT_EQ(ends, 0);
    qWarning("The Wayland connection broke. Did the Wayland compositor die?");
    EXPECT_EQ(ends, 1);
    qWarning("The X11 connection broke (error 1). Did the X11 server die?");
    EXPECT_EQ(ends, 1) << "once";
}

struct LastWordsRow {
    const char* name;
    const char* message;
    bool loss;
};

class LastWords : public ::testing::TestWithParam<LastWordsRow> {};

TEST_P(LastWords, AreRecognised) {
    EXPECT_EQ(
        quelmo::platform::AbruptEndWatch::IsDisplayLoss(QString::fromLatin1(GetParam().message)),
        GetParam().loss);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LastWords,
    ::testing::Values(
        LastWordsRow{"Xcb", "The X11 connection broke (error 1). Did the X11 server die?", true},
        LastWordsRow{"Xlib", "The X11 connection broke: I/O error (code 1)", true},
        LastWordsRow{"Wayland", "The Wayland connection broke. Did the Wayland compositor die?",
                     true},
        LastWordsRow{"WaylandFatal",
                     "The Wayland connection experienced a fatal error: Protocol error", true},
        LastWordsRow{"Other", "QSocketNotifier: Invalid socket 12", false},
        LastWordsRow{"Quoted", "Warning: The X11 connection broke", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
