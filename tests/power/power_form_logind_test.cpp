// Start-up and switch-offs of the main window against logind's mock: the notices of a missing
// logind or a refused privilege, and countdowns that end in the right logind call, with the
// wake-up timer (a real timerfd) armed just before.
#include "platform/wake_alarm.h"
#include "power/switchoff.h"
#include "schedule/week_schedule.h"
#include "tests/power/logind_form_fixture.h"
#include "tests/power/timer_probe.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

namespace quelmo::test {
namespace {

// The real timer (with a stand-in for the RTC's alarm), remembering each due time and how
// many logind calls preceded it.
class RecordingWakeAlarm final : public platform::WakeAlarm {
public:
    struct Arm {
        std::int64_t due;
        std::vector<std::string> callsBefore;
    };
    RecordingWakeAlarm(std::vector<Arm>& arms, LogindMock& mock, const std::string& rtc)
        : mReal(platform::MakeTimerfdWakeAlarm(rtc)), mArms(arms), mMock(mock) {}
    bool Create() override { return mReal->Create(); }
    bool IsCreated() const override { return mReal->IsCreated(); }
    platform::WakeArmResult ArmRelative(std::int64_t due, platform::WakeFrom from) override {
        mArms.push_back({due, mMock.Calls()});
        return mReal->ArmRelative(due, from);
    }
    void Close() override { mReal->Close(); }

private:
    std::unique_ptr<platform::WakeAlarm> mReal;
    std::vector<Arm>& mArms;
    LogindMock& mMock;
};

class SwitchOffTest : public LogindFormTest {
protected:
    void SetUp() override {
        LogindFormTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        before = TimerFds();
        const QString rtc = rtcDir.filePath(QStringLiteral("wakealarm"));
        ASSERT_TRUE(QFile(rtc).open(QIODevice::WriteOnly));
        platform::SetWakeAlarmForTesting(
            std::make_unique<RecordingWakeAlarm>(arms, *mock, rtc.toStdString()));
    }

    // Monday 3 June 2024: on all week but for Monday 10:00 to 10:10.
    void StartBeforeTheOffSlot(int hour, int minute, int second) {
        StartAt(2024, 6, 3, hour, minute, second);
        ASSERT_TRUE(S().StartupComplete);
        for (int day = 0; day < 7; ++day)
            SetDayFromString(S().WeekSchedule, day, std::string(SlotsPerDay, '1'));
        std::string monday(SlotsPerDay, '1');
        monday[60] = '0';
        SetDayFromString(S().WeekSchedule, 0, monday);
        arms.clear();
        mock->ClearCalls();
    }

    // The real timerfd, in seconds to go.
    double WakeSecondsLeft() const {
        const auto fds = Added(before, TimerFds());
        return fds.size() == 1 ? SecondsLeft(fds[0]) : -1;
    }

    QTemporaryDir rtcDir;
    std::vector<int> before;
    std::vector<RecordingWakeAlarm::Arm> arms;
};

// The calls that ask logind to do something, without the questions before them.
std::vector<std::string> Requests(const std::vector<std::string>& calls) {
    std::vector<std::string> kept;
    for (const auto& call : calls) {
        bool question = false;
        for (const char* prefix :
             {"CanSuspend", "CanHibernate", "CanPowerOff", "Get ", "GetAll ", "ListInhibitors"})
            question = question || call.rfind(prefix, 0) == 0;
        if (!question)
            kept.push_back(call);
    }
    return kept;
}

TEST_F(SwitchOffTest, DelayedStandByAndHibernateEndInSuspendAndHibernate) {
    for (const auto& [code, call] :
         {std::pair{0, "Suspend True"}, std::pair{1, "Hibernate True"}}) {
        StartBeforeTheOffSlot(8, 0, 0);
        model->SetActionIndex(ActionList::Delay, code);
        form->DelayMins->setValue(1);
        form->DelayedOffClick();
        Tick(59);
        EXPECT_TRUE(Requests(mock->Calls()).empty()) << "nothing before the 60th tick";
        Tick();
        EXPECT_EQ(Requests(mock->Calls()), std::vector<std::string>{call});
        // Armed for the next switch-on (10:10, 2:09:00 after the switch-off), before the call.
        ASSERT_EQ(arms.size(), 1u);
        EXPECT_EQ(arms[0].due, WakeDueTime(S().TimeToNextOn));
        EXPECT_NEAR(S().TimeToNextOn * 86400, 2 * 3600 + 9 * 60, 1.0);
        EXPECT_TRUE(Requests(arms[0].callsBefore).empty());
        EXPECT_NEAR(WakeSecondsLeft(), S().TimeToNextOn * 86400, 2.0);
        EXPECT_TRUE(form->Abort->isHidden());
        Stop();
    }
}

TEST_F(SwitchOffTest, DelayedShutDownIsTimedTenSecondsAheadWithTheWallMessage) {
    StartBeforeTheOffSlot(8, 0, 0);
    model->SetActionIndex(ActionList::Delay, 2);
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(60);
    const std::uint64_t when = static_cast<std::uint64_t>(clock.utcSeconds + 10) * 1000000u +
                               static_cast<std::uint64_t>(clock.millis) * 1000u;
    EXPECT_EQ(
        Requests(mock->Calls()),
        (std::vector<std::string>{"SetWallMessage \"The System will shut down in 10 Seconds\" True",
                                  "ScheduleShutdown \"poweroff\" " + std::to_string(when)}));
    ASSERT_EQ(arms.size(), 1u);
    EXPECT_TRUE(Requests(arms[0].callsBefore).empty());
}

TEST_F(SwitchOffTest, ARefusedShutDownIsFollowedByTheCancel) {
    StartBeforeTheOffSlot(8, 0, 0);
    ASSERT_TRUE(mock->Fail("ScheduleShutdown", "st", ""));
    mock->ClearCalls();
    model->SetActionIndex(ActionList::Delay, 2);
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(60);
    const auto calls = Requests(mock->Calls());
    ASSERT_EQ(calls.size(), 4u) << ::testing::PrintToString(calls);
    EXPECT_EQ(calls[0].rfind("SetWallMessage ", 0), 0u);
    EXPECT_EQ(calls[1].rfind("ScheduleShutdown \"poweroff\" ", 0), 0u);
    EXPECT_EQ(calls[2].rfind("ScheduleShutdown raised: ", 0), 0u);
    EXPECT_EQ(calls[3], "CancelScheduledShutdown");
}

// Where polkit asks (CanPowerOff said "challenge"), the person has the time to answer while the
// window goes on ticking.
TEST_F(SwitchOffTest, ADelayedShutDownWaitsForThePersonToAuthorizeWhileTheTicksGoOn) {
    StartBeforeTheOffSlot(8, 0, 0);
    ASSERT_TRUE(mock->AuthorizeAfter("ScheduleShutdown", "st", 2.5));
    mock->ClearCalls();
    model->SetActionIndex(ActionList::Delay, 2);
    form->DelayMins->setValue(1);
    form->DelayedOffClick();
    Tick(59);
    form->AttachTick(); // Timer1's own ticks, as in the running program
    const int ticksBefore = S().TickCount;
    Tick();
    form->DetachTick();
    EXPECT_GE(S().TickCount - ticksBefore, 2) << "Timer1 ticked while the person answered";
    const auto calls = Requests(mock->Calls());
    ASSERT_EQ(calls.size(), 2u) << ::testing::PrintToString(calls);
    EXPECT_EQ(calls[1].rfind("ScheduleShutdown \"poweroff\" ", 0), 0u);
}

TEST_F(SwitchOffTest, NowSuspendsAfterTwelveTicksAndWakesAMinuteLater) {
    StartBeforeTheOffSlot(8, 0, 0);
    form->NowButtonClick();
    Tick(11);
    EXPECT_TRUE(Requests(mock->Calls()).empty());
    Tick();
    EXPECT_EQ(Requests(mock->Calls()), std::vector<std::string>{"Suspend True"});
    ASSERT_EQ(arms.size(), 1u);
    EXPECT_EQ(arms[0].due, -600000000);
    EXPECT_NEAR(WakeSecondsLeft(), 60.0, 2.0);
}

TEST_F(SwitchOffTest, TheScheduleHibernatesInTheLastSecondBeforeTheOffSlot) {
    StartBeforeTheOffSlot(9, 49, 0);
    S().StartTime = 0; // long since started: the start-up guard stays quiet
    model->SetActionIndex(ActionList::Off, 1);
    Tick(658); // to 09:59:58
    EXPECT_TRUE(Requests(mock->Calls()).empty());
    EXPECT_FALSE(form->Abort->isHidden());
    Tick(); // 09:59:59
    EXPECT_EQ(Requests(mock->Calls()), std::vector<std::string>{"Hibernate True"});
    ASSERT_EQ(arms.size(), 1u);
    // The next switch-on is 10:10:00, 10 minutes and a second later.
    EXPECT_EQ(arms[0].due, WakeDueTime(601.0 / 86400));
    EXPECT_TRUE(Requests(arms[0].callsBefore).empty());
    EXPECT_NEAR(WakeSecondsLeft(), 601.0, 2.0);
}

// Nobody is at the PC to answer the start-up's notice: construction, the tray icon, the window
// and the schedule's switch-off go on without it.
TEST_F(SwitchOffTest, AnUnansweredStartUpNoticeHoldsNothingBack) {
    ASSERT_TRUE(SetAnswer("CanPowerOff", "no"));
    SetNoticePresenter(nullptr); // the real boxes
    // A box that waits for its OK would be pressed here, long after the start.
    int pressed = 0;
    QTimer late;
    QObject::connect(&late, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                ++pressed;
                box->done(QMessageBox::Ok);
            }
    });
    late.start(3000);
    StartBeforeTheOffSlot(9, 39, 0); // the off slot begins 21 minutes after the start
    EXPECT_EQ(pressed, 0) << "start-up waited for somebody to press OK";
    EXPECT_FALSE(form->isHidden());
    EXPECT_TRUE(tray.state.shown);
    QCoreApplication::processEvents();
    std::vector<std::string> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            open.push_back(box->text().toStdString());
    EXPECT_EQ(open, std::vector<std::string>{
                        "Power-off is not permitted\n(polkit: org.freedesktop.login1.power-off)"});

    Tick(20 * 60 + 58); // to 09:59:58
    EXPECT_TRUE(Requests(mock->Calls()).empty());
    Tick(); // 09:59:59, the box still unanswered
    EXPECT_EQ(Requests(mock->Calls()), std::vector<std::string>{"Suspend True"});
    late.stop();
    EXPECT_EQ(pressed, 0);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            box->done(QMessageBox::Ok);
}

// --- Start-up

TEST_F(LogindFormTest, NoLogindOnTheBusAbortsStartUpWithoutSaving) {
    LogindMock empty(LogindMock::Setup::BusOnly);
    ASSERT_TRUE(empty.Ok()) << empty.Failure();
    platform::SetPowerManagerForTesting(platform::MakeLogindPowerManager(empty.Address()));
    Start();
    EXPECT_FALSE(S().StartupComplete);
    EXPECT_EQ(notices,
              std::vector<std::string>{"Could not reach the power manager (logind) - Aborting"});
    EXPECT_TRUE(form->isHidden());
    Stop();
    EXPECT_EQ(QFileInfo(QString::fromStdString(folder.Path() + "Quelmo.ini")).size(), 0)
        << "the portable copy's empty settings file stays as it was";
}

TEST_F(LogindFormTest, NoSystemBusAtAllAbortsStartUpToo) {
    platform::SetPowerManagerForTesting(
        platform::MakeLogindPowerManager("unix:path=/nonexistent/quelmo-system-bus"));
    Start();
    EXPECT_FALSE(S().StartupComplete);
    EXPECT_EQ(notices,
              std::vector<std::string>{"Could not reach the power manager (logind) - Aborting"});
}

TEST_F(LogindFormTest, ARefusedPowerOffShowsThePrivilegeNoticeAndGoesOn) {
    ASSERT_TRUE(SetAnswer("CanPowerOff", "no"));
    Start();
    EXPECT_TRUE(S().StartupComplete);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front(),
              "Power-off is not permitted\n(polkit: org.freedesktop.login1.power-off)");
    EXPECT_FALSE(form->isHidden());
}

TEST_F(LogindFormTest, LogindFallingSilentAfterConnectShowsCannotObtainAndGoesOn) {
    // The first CanPowerOff (the capability read) answers; the next (the privilege) fails.
    // A counter of its own for each run, as the mock outlives the test.
    static int run = 0;
    const std::string asked = "self.quelmo_asked_" + std::to_string(++run);
    ASSERT_TRUE(mock->AddMethod("CanPowerOff", "", "s",
                                asked + " = getattr(self, '" + asked.substr(5) + "', 0) + 1\n" +
                                    "if " + asked + " > 1:\n" +
                                    "    raise dbus.exceptions.DBusException('gone', "
                                    "name='org.freedesktop.DBus.Error.NoReply')\n"
                                    "ret = 'yes'"));
    Start();
    EXPECT_TRUE(S().StartupComplete);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front(), "Cannot obtain ShutDown privileges");
    EXPECT_FALSE(form->isHidden());
}

} // namespace
} // namespace quelmo::test
