// SPDX-License-Identifier: GPL-3.0-or-later
// TTrayIcon on the offscreen platform with a notification area double: what each press and
// mouse event does, and where Minimize sends the window with and without a tray.
#include "tests/support/form_fixture.h"
#include "tray/trayicon.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWidget>

namespace quelmo {
namespace {

using platform::TrayPress;

class TrayIconTest : public ::testing::Test {
protected:
    test::TrayDouble tray;
    QWidget window;
    TTrayIcon* icon = new TTrayIcon(&window);
    void SetUp() override {
        icon->RestoreOn = imMouseDown; // as the main window makes it
        icon->SetVisible(true);
        window.show();
    }
    bool Shown() const { return !window.isHidden() && !window.isMinimized(); }
};

struct PressRow {
    const char* name;
    std::vector<TrayPress> presses; // what the desktop reports for one press of a button
};

class EachPress : public TrayIconTest, public ::testing::WithParamInterface<PressRow> {};

TEST_P(EachPress, RestoresTheWindowOnceAndShowsNoMenu) {
    QMenu menu;
    icon->PopupMenu = &menu;
    icon->Minimize();
    ASSERT_TRUE(window.isHidden());
    for (TrayPress press : GetParam().presses)
        tray.Press(press);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(icon->RestoreCount(), 1) << "the release after the press adds nothing";
    EXPECT_FALSE(menu.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, EachPress,
    ::testing::Values(PressRow{"sni_activate", {TrayPress::Activate}},
                      PressRow{"sni_secondary_activate", {TrayPress::SecondaryActivate}},
                      PressRow{"sni_context_menu", {TrayPress::ContextMenu}},
                      PressRow{"xembed_trigger", {TrayPress::Trigger}},
                      PressRow{"xembed_middle_click", {TrayPress::MiddleClick}},
                      PressRow{"xembed_context", {TrayPress::Context}},
                      // Qt reports the first press of a double click, then the double click.
                      PressRow{"xembed_double_click",
                               {TrayPress::Trigger, TrayPress::DoubleClick}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TriggerRow {
    const char* name;
    TTrayIconMessage trigger;
    TrayMouse event;
    bool fires;
};

class Triggers : public TrayIconTest, public ::testing::WithParamInterface<TriggerRow> {};

TEST_P(Triggers, RestoreAndMenuFollowTheirSetting) {
    const TriggerRow& row = GetParam();
    icon->RestoreOn = row.trigger;
    icon->DoMessage(row.event);
    EXPECT_EQ(icon->RestoreCount(), row.fires ? 1 : 0);

    QMenu menu;
    icon->PopupMenu = &menu;
    icon->RestoreOn = imNone;
    icon->PopupMenuOn = row.trigger;
    icon->DoMessage(row.event);
    EXPECT_EQ(menu.isVisible(), row.fires);
    EXPECT_EQ(icon->RestoreCount(), row.fires ? 1 : 0);
    menu.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Triggers,
    ::testing::Values(
        TriggerRow{"mouse_down_right_press", imMouseDown, TrayMouse::RightDown, true},
        TriggerRow{"mouse_down_not_release", imMouseDown, TrayMouse::LeftUp, false},
        TriggerRow{"mouse_up_middle_release", imMouseUp, TrayMouse::MiddleUp, true},
        TriggerRow{"mouse_up_not_press", imMouseUp, TrayMouse::LeftDown, false},
        TriggerRow{"double_click_middle", imDoubleClick, TrayMouse::MiddleDouble, true},
        TriggerRow{"double_click_not_press", imDoubleClick, TrayMouse::LeftDown, false},
        TriggerRow{"left_click_up", imLeftClickUp, TrayMouse::LeftUp, true},
        TriggerRow{"left_click_up_not_right", imLeftClickUp, TrayMouse::RightUp, false},
        TriggerRow{"left_double", imLeftDoubleClick, TrayMouse::LeftDouble, true},
        TriggerRow{"left_double_not_right", imLeftDoubleClick, TrayMouse::RightDouble, false},
        TriggerRow{"right_click_up", imRightClickUp, TrayMouse::RightUp, true},
        TriggerRow{"right_click_up_not_middle", imRightClickUp, TrayMouse::MiddleUp, false},
        TriggerRow{"right_double", imRightDoubleClick, TrayMouse::RightDouble, true},
        TriggerRow{"click_is_left_release", imClick, TrayMouse::LeftUp, true},
        TriggerRow{"click_not_right_release", imClick, TrayMouse::RightUp, false},
        TriggerRow{"none_never", imNone, TrayMouse::LeftDown, false},
        TriggerRow{"a_move_is_nothing", imMouseDown, TrayMouse::Move, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayIconTest, EventsReportTheButtonAndTheMoves) {
    std::vector<std::string> seen;
    icon->OnMouseDown = [&](TTrayIcon*, Qt::MouseButton b) {
        seen.push_back("down " + std::to_string(b));
    };
    icon->OnMouseUp = [&](TTrayIcon*, Qt::MouseButton b) {
        seen.push_back("up " + std::to_string(b));
    };
    icon->OnClick = [&](TTrayIcon*) { seen.push_back("click"); };
    icon->OnRestore = [&](TTrayIcon*) { seen.push_back("restore"); };
    icon->OnMinimize = [&](TTrayIcon*) { seen.push_back("minimize"); };
    icon->Minimize();
    tray.Press(TrayPress::ContextMenu);
    tray.Press(TrayPress::Activate);
    EXPECT_EQ(seen, (std::vector<std::string>{"minimize", "restore", "down 2", "up 2", "restore",
                                              "down 1", "up 1", "click"}));
}

TEST_F(TrayIconTest, WithoutANotificationAreaMinimizeIconifiesInsteadOfHiding) {
    tray.SetHosted(false);
    icon->Minimize();
    EXPECT_FALSE(window.isHidden());
    EXPECT_TRUE(window.isMinimized());
    EXPECT_FALSE(icon->InTray());
    icon->Restore();
    EXPECT_TRUE(Shown());
}

TEST_F(TrayIconTest, ATrayThatGoesAwayGivesTheWindowBackToTheTaskBar) {
    icon->Minimize();
    ASSERT_TRUE(icon->InTray());
    tray.SetHosted(false);
    EXPECT_FALSE(window.isHidden());
    EXPECT_TRUE(window.isMinimized());
    EXPECT_FALSE(icon->InTray());
}

TEST_F(TrayIconTest, RemovingTheIconNeverStrandsTheWindow) {
    icon->Minimize();
    icon->SetVisible(false);
    EXPECT_FALSE(tray.state.shown);
    EXPECT_FALSE(icon->Hide);
    EXPECT_FALSE(window.isHidden());
    icon->SetVisible(true);
    EXPECT_TRUE(tray.state.shown);
    EXPECT_TRUE(icon->Hide);
}

TEST_F(TrayIconTest, TheWindowsMinimiseCommandSendsItToTheTrayWhereThereIsOne) {
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.isHidden(); }, 2000));
    EXPECT_TRUE(icon->InTray());
    tray.Press(TrayPress::Activate);
    EXPECT_TRUE(Shown());

    tray.SetHosted(false);
    window.setWindowState(Qt::WindowMinimized);
    QTest::qWait(50);
    EXPECT_FALSE(window.isHidden()) << "no tray: it stays in the task bar";
}

TEST_F(TrayIconTest, ACountdownsNumbersReachTheAreaAtMostOncePerInterval) {
    icon->HintInterval = 400;
    QStringList& given = tray.state.toolTips;
    QTest::qWait(icon->HintInterval); // quiet since the icon was added
    given.clear();
    QElapsedTimer sincePush;
    icon->SetHint(QStringLiteral("in 59"));
    sincePush.start();
    icon->SetHint(QStringLiteral("in 59"));
    EXPECT_EQ(given, QStringList{"in 59"}) << "new words at once, and only once";

    icon->SetHint(QStringLiteral("in 58"));
    icon->SetHint(QStringLiteral("in 57"));
    EXPECT_EQ(given.size(), 1) << "the numbers wait for the interval";
    ASSERT_TRUE(QTest::qWaitFor([&] { return given.size() == 2; }, 5000))
        << "a change nobody follows is still delivered";
    EXPECT_EQ(given.last(), "in 57") << "the latest text, the ones between never";
    EXPECT_GE(sincePush.elapsed(), icon->HintInterval * 9 / 10);

    icon->SetHint(QStringLiteral("in 56"));
    icon->SetHint(QStringLiteral("in 57")); // back to what the area shows
    QTest::qWait(icon->HintInterval * 2);
    EXPECT_EQ(given.size(), 2);

    icon->SetHint(QStringLiteral("in 56 (stopped)"));
    EXPECT_EQ(given.last(), "in 56 (stopped)") << "new words at once";
    icon->SetHint(QStringLiteral("in 55 (stopped)"));
    icon->SetAttention(true);
    EXPECT_EQ(given.last(), "in 55 (stopped)") << "what was held, once the seconds count";
    icon->SetHint(QStringLiteral("in 54 (stopped)"));
    EXPECT_EQ(given.last(), "in 54 (stopped)") << "every second while asking for attention";
}

class TrayFormTest : public test::FormTest {};

TEST_F(TrayFormTest, AFarCountdownRedrawsTheToolTipOnceAMinute) {
    StartAt(2026, 12, 7, 13, 0, 0); // counting towards the afternoon's switch-off
    tray.state.toolTips.clear();
    Tick(90);
    ASSERT_EQ(tray.state.toolTips.size(), 1) << tray.state.toolTips.join(" | ").toStdString();
    EXPECT_EQ(tray.state.toolTip.toStdString(), "PC will StandBy in 12:19:00 Hours")
        << "a minute on";
    EXPECT_EQ(form->TrayIcon->Hint(), S().StatusText) << "the icon holds the latest";
}

TEST_F(TrayFormTest, AsleepTheToolTipIsTheSecondsWhenTheDesktopReadsIt) {
    ownTicks = true;
    StartAt(2026, 12, 7, 13, 0, 0);
    form->TrayIcon->Minimize();
    driver->RunSeconds(40); // past the thirtieth tick
    ASSERT_TRUE(model->Asleep());
    const QStringList given = tray.state.toolTips;
    driver->RunSeconds(6 * 60 + 22.75); // to 13:07:02.75, after that second's tick
    EXPECT_EQ(tray.state.toolTips, given) << "nothing wakes the program meanwhile";
    ASSERT_TRUE(tray.state.area->onToolTipWanted);
    tray.state.area->onToolTipWanted();
    EXPECT_EQ(tray.state.toolTip.toStdString(), "PC will StandBy in 12:12:58 Hours");
}

TEST_F(TrayFormTest, TheWindowMakesItsIconAsTheProgramNeedsIt) {
    StartAt(2026, 12, 7, 9, 0, 0);
    EXPECT_EQ(form->TrayIcon->RestoreOn, imMouseDown);
    EXPECT_EQ(form->TrayIcon->PopupMenuOn, imNone);
    EXPECT_TRUE(form->TrayIcon->Visible());
    EXPECT_TRUE(tray.state.shown);
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_FALSE(ProgramIcon().pixmap(16, 16).isNull());
}

TEST_F(TrayFormTest, WithoutATrayTheThirtiethTickLeavesTheWindowReachable) {
    tray.state.hosted = false;
    StartAt(2026, 12, 7, 9, 0, 0);
    Tick(29);
    EXPECT_EQ(form->TrayIcon->MinimizeCount(), 1);
    EXPECT_FALSE(form->isHidden());
    EXPECT_TRUE(form->isMinimized());
}

} // namespace
} // namespace quelmo
