// Start-up, the controls it builds, the refused start-ups and the ways the program ends.
#include "config/settings.h"
#include "tests/support/form_fixture.h"
#include "tests/support/http_server.h"
#include "tests/support/process_output.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>

#include <csignal>

namespace quelmo {
namespace {

using test::FormTest;

class LifecycleTest : public FormTest {
protected:
    template <typename T> T* Control(const char* name) const {
        auto* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

struct CaptionRow {
    const char* name;
    const char* caption;
};

TEST_F(LifecycleTest, ControlsCarryTheirCaptions) {
    StartAt(2026, 12, 7, 9, 0, 0);
    const CaptionRow buttons[] = {
        {"PowerOptions", "PC Power Settings"},
        {"DelayedOff", "Switch Off"},
        {"Abort", "Cancel Shutdown"},
        {"Browse", "Browse"},
        {"Load", "Load"},
        {"ChangePassword", "Change"},
        {"Resume", "Resume Shutdown"},
        {"Save", "Save"},
        {"Exit", "Exit!"},
        {"ShowDetails", "Show Details"},
        {"NowButton", "Now!"},
        {"LogOff", "LogOff"},
        {"Help", "Help"},
    };
    for (const auto& row : buttons) {
        if (auto* b = Control<QPushButton>(row.name)) {
            EXPECT_EQ(b->text(), row.caption) << row.name;
        }
    }
    const CaptionRow groups[] = {{"ConfigBox", "Configuration"},
                                 {"DelayedOffG", "Delayed Off"},
                                 {"PassBox", "Change Password"},
                                 {"PowerBox", "PC Power Consumption (Watts)"}};
    for (const auto& row : groups) {
        if (auto* g = Control<QGroupBox>(row.name)) {
            EXPECT_EQ(g->title(), row.caption) << row.name;
        }
    }
    const CaptionRow labels[] = {
        {"LUsed", "Used"},
        {"LSaved", "Saved"},
        {"Label4", "Mins"},
        {"Label2", "On               Off          Standby"},
        {"Label1", "Scheduled Off Action"},
        {"LoginLabel", "Login"},
        {"ConfigLabel", "Config."},
        {"Pass1Label", "    New Password"},
        {"Pass2Label", "        Confirm"},
        {"LMonday", "M"},
        {"LTuesday", "T"},
        {"LWednesday", "W"},
        {"LThursday", "T"},
        {"LFriday", "F"},
        {"LSaturday", "S"},
        {"LSunday", "S"},
    };
    for (const auto& row : labels) {
        if (auto* l = Control<QLabel>(row.name)) {
            EXPECT_EQ(l->text(), row.caption) << row.name;
        }
    }
    EXPECT_EQ(Control<QCheckBox>("AutoStart")->text(), "Start at log-in");
    EXPECT_EQ(form->BackGroundImage->toolTip(), "Delayed Switch Off");
    EXPECT_EQ(form->PowerBox->toolTip(),
              "This is just used to estimate the power saved by using Quelmo!");
}

TEST_F(LifecycleTest, RangesDefaultsAndGeometry) {
    StartAt(2026, 12, 7, 9, 0, 0);
    EXPECT_EQ(form->windowTitle(), "Quelmo! V1.14");
    EXPECT_EQ(form->size(), QSize(610, 562));
    EXPECT_EQ(form->ConfigBox->geometry(), QRect(0, 216, 609, 345));
    EXPECT_TRUE(form->ConfigBox->isHidden());
    // The first tick has found the built-in Monday's switch-off at 11:30.
    EXPECT_FALSE(form->Abort->isHidden());
    EXPECT_TRUE(form->Resume->isHidden());
    EXPECT_EQ(form->Resume->pos(), form->Abort->pos());
    const std::array<ScheduleRow*, 7> rows = {form->Monday,   form->Tuesday, form->Wednesday,
                                              form->Thursday, form->Friday,  form->Saturday,
                                              form->Sunday};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(reinterpret_cast<QWidget*>(rows[i])->size(), QSize(576, 17));
        EXPECT_EQ(reinterpret_cast<QWidget*>(rows[i])->pos(),
                  reinterpret_cast<QWidget*>(form->Monday)->pos() + QPoint(0, 18 * i));
    }
    EXPECT_EQ(form->DelayMins->minimum(), 1);
    EXPECT_EQ(form->DelayMins->maximum(), 60);
    EXPECT_EQ(form->DelayMins->value(), 60);
    EXPECT_EQ(form->OnP->maximum(), 999);
    EXPECT_EQ(form->OnP->minimum(), 1);
    EXPECT_EQ(form->OffP->maximum(), 99);
    EXPECT_EQ(form->StandbyP->maximum(), 99);
    for (QLineEdit* e : {form->Login, form->Pass1, form->Pass2}) {
        EXPECT_EQ(e->maxLength(), 8);
        EXPECT_EQ(e->echoMode(), QLineEdit::Password);
    }
    QStringList delay, off;
    for (int i = 0; i < form->DelayAction->count(); ++i)
        delay << form->DelayAction->itemText(i);
    for (int i = 0; i < form->OffAction->count(); ++i)
        off << form->OffAction->itemText(i);
    EXPECT_EQ(delay, (QStringList{"StandBy", "Hibernate", "ShutDown"}));
    EXPECT_EQ(off, (QStringList{"StandBy", "Hibernate"}));
}

TEST_F(LifecycleTest, CloseIsRefusedMinimiseAllowed) {
    StartAt(2026, 12, 7, 9, 0, 0);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->isHidden());
}

TEST_F(LifecycleTest, TicksStartOnlyAtTheEndOfStartup) {
    clock.SetLocal(2026, 12, 7, 9, 0, 0);
    model = std::make_unique<Model>();
    form = std::make_unique<TForm1>(*model);
    EXPECT_TRUE(form->TickAttached());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(S().TickCount, 1);
    // Aimed at the middle of the next wall-clock second.
    EXPECT_LE(form->Timer1->remainingTime(), 1500);
    form->DetachTick();
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(LifecycleTest, WithoutPowerManagementStartupIsRefused) {
    doubles.power.reachable = false;
    StartAt(2026, 12, 7, 9, 0, 0);
    EXPECT_EQ(recorder.notices,
              std::vector<std::string>{"Could not reach the power manager (logind) - Aborting"});
    EXPECT_FALSE(S().StartupComplete);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->kWhUsed->text(), " 26280.00 kWh") << "no tick ran";
    EXPECT_FALSE(form->TickAttached());
}

TEST_F(LifecycleTest, ExitSavesBothFilesAndReleasesTheWindow) {
    StartAt(2026, 12, 7, 9, 0, 0);
    const QString ini = QString::fromStdString(folder.Path() + "Quelmo.ini");
    const QString db = QString::fromStdString(folder.Path() + "Default.db");
    form->SetConfigUnlocked(true); // the database is saved only while Save is enabled
    S().WhUsed = 4321.9;
    QPointer<TForm1> window = form.release();
    window->ExitClick();
    EXPECT_FALSE(window.isNull()) << "released once the current event has been handled";
    // The message loop must end, even though the window refuses to be closed.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(S().StartupComplete);
    QFile settings(ini);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("WhUsed=4321\r\n"));
    EXPECT_TRUE(QFile::exists(db));
}

// A click on "Exit!" while a download of the configuration waits must not take the window
// away under the handler that is still running.
TEST_F(LifecycleTest, ExitDuringADownloadReleasesTheWindowAfterIt) {
    test::LocalHttpServer server;
    std::FILE* ini = std::fopen((folder.Path() + "Quelmo.ini").c_str(), "wb");
    std::fputs(("DbFile=http://" + server.HostAndPort() + "/cfg.db\r\n").c_str(), ini);
    std::fclose(ini);
    StartAt(2026, 12, 7, 9, 0, 0);
    server.SetDelay(1500);
    QPointer<TForm1> window = form.release();
    bool loading = false, releasedWhileLoading = false;
    QObject::connect(window, &QObject::destroyed, [&] { releasedWhileLoading = loading; });
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(200, [&] { window->ExitClick(); });
        loading = true;
        window->LoadClick();
        loading = false;
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(releasedWhileLoading);
}

TEST_F(LifecycleTest, ACloseRequestSavesTheSettingsOnly) {
    StartAt(2026, 12, 7, 9, 0, 0);
    form->SetConfigUnlocked(true);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder.Path() + "Quelmo.ini")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.Path() + "Default.db")));
}

TEST_F(LifecycleTest, ARefusedStartupSavesNothing) {
    doubles.power.reachable = false;
    StartAt(2026, 12, 7, 9, 0, 0);
    Stop();
    // Only the empty settings file that makes the folder a portable copy.
    EXPECT_EQ(QDir(QString::fromStdString(folder.Path())).entryList(QDir::Files),
              QStringList{"Quelmo.ini"});
    EXPECT_EQ(QFileInfo(QString::fromStdString(folder.Path() + "Quelmo.ini")).size(), 0);
}

TEST(ProgramEntryTest, AnExceptionDuringStartupIsShownAndTheProgramEndsWithZero) {
    QTemporaryDir folder;
    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + "/exception_probe", {folder.path()});
    ASSERT_TRUE(probe.waitForFinished(20000));
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_TRUE(probe.readAllStandardOutput().contains(
        "EXCEPTION:while showing: Could not reach the power manager (logind) - Aborting"));
}

TEST(InstanceTest, ASecondCopyIsRefused) {
    QTemporaryDir folder;
    const QString probe = QCoreApplication::applicationDirPath() + "/instance_probe";
    const QString lock = QString("Quelmo_instance_test_%1").arg(QCoreApplication::applicationPid());
    QProcess first;
    first.start(probe, {lock, folder.path()});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_FALSE(quelmo::test::ReadUntil(first, "RUNNING", 20000).isEmpty());
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);

    QProcess second;
    second.start(probe, {lock, folder.path()});
    ASSERT_TRUE(second.waitForFinished(20000));
    const QByteArray said = second.readAllStandardOutput();
    EXPECT_TRUE(said.contains("NOTICE:Quelmo! is already running\non this machine")) << said.data();
    EXPECT_FALSE(said.contains("RUNNING"));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore);

    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_EQ(first.exitCode(), 0);

    // Once the first copy has ended, a new one starts.
    QProcess third;
    third.start(probe, {lock, folder.path()});
    ASSERT_FALSE(quelmo::test::ReadUntil(third, "RUNNING", 20000).isEmpty());
    third.closeWriteChannel();
    EXPECT_TRUE(third.waitForFinished(20000));
}

// What systemd sends at log-out and shutdown: everything counted since the last save reaches
// the files, as with "Exit!", and the program ends with 0 at once.
TEST(TerminationTest, SigtermSavesWhatWasCountedAndTheDatabaseAndExitsWithZero) {
    QTemporaryDir folder;
    QFile ini(folder.filePath("Quelmo.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("WhUsed=5000\r\nOnPower=999\r\n");
    ini.close();
    QProcess probe;
    probe.start(
        QCoreApplication::applicationDirPath() + "/instance_probe",
        {QString("Quelmo_sigterm_test_%1").arg(QCoreApplication::applicationPid()), folder.path()});
    ASSERT_FALSE(quelmo::test::ReadUntil(probe, "RUNNING", 20000).isEmpty());
    QThread::msleep(4500); // a watt-hour at 999 W, far from the 60-tick save
    probe.write("edit\n");
    const QList<QByteArray> edited =
        quelmo::test::ReadUntil(probe, "EDITED", 5000).trimmed().split('\n').last().split(' ');
    ASSERT_EQ(edited.size(), 3) << edited.join(' ').toStdString();
    const int counted = static_cast<int>(edited[1].toDouble());
    ASSERT_GT(counted, 5000) << "ticks have counted";

    QElapsedTimer ending;
    ending.start();
    ::kill(static_cast<pid_t>(probe.processId()), SIGTERM);
    ASSERT_TRUE(probe.waitForFinished(5000));
    EXPECT_LT(ending.elapsed(), 1000);
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);

    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray settings = ini.readAll();
    const auto at = settings.indexOf("WhUsed=");
    ASSERT_GE(at, 0);
    EXPECT_GE(settings.mid(at + 7).split('\r').front().toInt(), counted) << settings.data();
    QFile db(folder.filePath("Default.db"));
    ASSERT_TRUE(db.open(QIODevice::ReadOnly));
    EXPECT_TRUE(db.readAll().contains("Mon=" + edited[2] + "\r\n")) << "the edited schedule";
    EXPECT_FALSE(QFile::exists(QDir::tempPath() + "/Quelmo_sigterm_test.show"));
}

} // namespace
} // namespace quelmo
