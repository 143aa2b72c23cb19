// Logging in to the details panel, the 300-second lock countdown and what locks it again.
#include "config/settings.h"
#include "schedule/schedule_row.h"
#include "tests/app/access_test_util.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>

#include <functional>

namespace quelmo {
namespace {

using test::PanelTest;

class LoginTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        StartAt(2026, 12, 7, 9, 0, 0);
    }

    // The panel's settings that the lock disables, in the order they are switched.
    std::vector<QWidget*> Settings() const {
        return {form->Config,    form->Browse,   form->Load,  form->Save,
                form->LogOff,    form->Exit,     form->OnP,   form->OffP,
                form->StandbyP,  form->Pass1,    form->Pass2, form->ChangePassword,
                form->OffAction, form->AutoStart};
    }
    void ExpectSettingsEnabled(bool enabled) const {
        for (QWidget* w : Settings())
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
    }
    // Controls that stay usable while locked.
    void ExpectOthersUsable() const {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 form->PowerOptions, form->DelayedOff, form->DelayAction, form->DelayMins,
                 form->NowButton, form->ShowDetails, form->Help, form->Login, form->Monday})
            EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(form->Login, key, mods);
    }
};

TEST_F(LoginTest, StartsLockedWithThePanelHidden) {
    EXPECT_EQ(S().LockCountdown, 0);
    EXPECT_TRUE(form->ConfigBox->isHidden());
    ExpectSettingsEnabled(false);
    ExpectOthersUsable();
}

TEST_F(LoginTest, ThePasswordFieldsShowStarsAndTakeEightCharacters) {
    for (QLineEdit* field : {form->Login, form->Pass1, form->Pass2}) {
        field->setEnabled(true);
        field->clear();
        QTest::keyClicks(field, QStringLiteral("abcdefgh9"));
        EXPECT_EQ(field->text(), "abcdefgh") << field->objectName().toStdString();
        EXPECT_EQ(field->displayText(), "********") << field->objectName().toStdString();
    }
}

TEST_F(LoginTest, TheFourthKeyOfTheStoredPasswordUnlocks) {
    TypeLogin("wre");
    EXPECT_EQ(S().LockCountdown, 0);
    EXPECT_EQ(form->Login->text(), "wre");
    TypeLogin("n");
    EXPECT_EQ(S().LockCountdown, 300);
    EXPECT_FALSE(form->ConfigBox->isHidden());
    ExpectSettingsEnabled(true);
    // The field was emptied and then the key itself still arrived.
    EXPECT_EQ(form->Login->text(), "n");
    Tick();
    EXPECT_EQ(form->Login->text(), "");
    EXPECT_EQ(S().LockCountdown, 299);
}

TEST_F(LoginTest, CapitalsTypedWithShiftUnlockToo) {
    // Each Shift press is itself a key tried against the password, and fails harmlessly.
    for (char c : {'W', 'R', 'E'})
        QTest::keyClick(form->Login, c, Qt::ShiftModifier);
    EXPECT_EQ(S().LockCountdown, 0);
    EXPECT_EQ(form->Login->text(), "WRE");
    QTest::keyClick(form->Login, 'N', Qt::ShiftModifier);
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, MixedCaseWithCapsLockUnlocks) {
    // Caps Lock gives capitals without Shift: the key is the same, only the text differs.
    QTest::keyClick(form->Login, Qt::Key_W, Qt::NoModifier);
    QTest::keyClicks(form->Login, QStringLiteral("RE"));
    EXPECT_EQ(S().LockCountdown, 0);
    QTest::keyClicks(form->Login, QStringLiteral("N"));
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, AWrongKeyIsCorrectedAndEveryKeyIsTriedAgain) {
    TypeLogin("wrex");
    EXPECT_EQ(S().LockCountdown, 0);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(form->Login->text(), "wre");
    EXPECT_EQ(S().LockCountdown, 0);
    TypeLogin("n");
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, AWrongPasswordStaysLocked) {
    TypeLogin("wrem");
    TypeLogin("\r");
    EXPECT_EQ(S().LockCountdown, 0);
    Tick();
    EXPECT_EQ(form->Login->text(), "wrem"); // only an unlocked panel empties it
}

TEST_F(LoginTest, MainRowDigitsCountButKeypadDigitsDoNot) {
    S().PasswordScramble = ScramblePassword("abc1");
    TypeLogin("abc");
    Key(Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(S().LockCountdown, 0);
    EXPECT_EQ(form->Login->text(), "abc1");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_1);
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, TheDigitKeyCountsWithShiftHeld) {
    // On a keyboard Shift+1 arrives as "!"; the key's position makes it the digit key still.
    S().PasswordScramble = ScramblePassword("abc1");
    TypeLogin("abc");
    const quint32 keyOneOfTheMainRow = 10;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, keyOneOfTheMainRow, '!', 0,
                    QStringLiteral("!"));
    QApplication::sendEvent(form->Login, &press);
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, APasswordEndingInABlankIsRecognisedAtTheSpaceBar) {
    S().PasswordScramble = ScramblePassword("wren ");
    TypeLogin("wren");
    EXPECT_EQ(S().LockCountdown, 0);
    Key(Qt::Key_Space);
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(LoginTest, APasswordEndingInPunctuationIsNeverRecognised) {
    S().PasswordScramble = ScramblePassword("wren!");
    TypeLogin("wren!");
    Key(Qt::Key_1, Qt::ShiftModifier);
    EXPECT_EQ(S().LockCountdown, 0);
}

TEST_F(LoginTest, AnEmptyStoredScrambleIsUnlockedByNothing) {
    S().PasswordScramble.clear();
    auto tryAll = [&] {
        for (char c = ' '; c <= '~'; ++c)
            QTest::keyClick(form->Login, c);
        for (int digit = 0; digit < 10; ++digit)
            Key(static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::KeypadModifier);
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Delete,
                            Qt::Key_Tab, Qt::Key_F1, Qt::Key_Left})
            Key(key);
    };
    tryAll(); // on a field that fills up to 8 characters
    form->Login->clear();
    tryAll();
    TypeLogin("wren");
    EXPECT_EQ(S().LockCountdown, 0);
    ExpectSettingsEnabled(false);
}

TEST_F(LoginTest, KeysOfAnUnlockedPanelAreNotTried) {
    LogIn();
    Tick(5);
    TypeLogin("wren");
    EXPECT_EQ(S().LockCountdown, 295);
    EXPECT_EQ(form->Login->text(), "wren");
    Tick();
    EXPECT_EQ(form->Login->text(), "");
}

TEST_F(LoginTest, LocksAgain300TicksAfterTheLogin) {
    LogIn();
    Tick(299);
    EXPECT_EQ(S().LockCountdown, 1);
    ExpectSettingsEnabled(true);
    form->Login->setText(QStringLiteral("x"));
    Tick();
    EXPECT_EQ(S().LockCountdown, 0);
    ExpectSettingsEnabled(false);
    ExpectOthersUsable();
    EXPECT_EQ(form->Login->text(), "");
    EXPECT_FALSE(form->ConfigBox->isHidden()); // locking never hides the panel
    // Locked, the password works again.
    TypeLogin("wren");
    EXPECT_EQ(S().LockCountdown, 300);
}

// The handlers of the panel that start the 300 seconds anew.
struct Renewal {
    const char* name;
    std::function<void(LoginTest&, TForm1&)> act;
};

class RenewalTest : public LoginTest, public ::testing::WithParamInterface<Renewal> {};

TEST_P(RenewalTest, StartsTheCountdownAnew) {
    LogIn();
    Tick(120);
    ASSERT_EQ(S().LockCountdown, 180);
    GetParam().act(*this, *form);
    EXPECT_EQ(S().LockCountdown, 300);
    Tick(299);
    EXPECT_EQ(S().LockCountdown, 1);
    Tick();
    EXPECT_EQ(S().LockCountdown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    PanelHandlers, RenewalTest,
    ::testing::Values(
        Renewal{"Save", [](LoginTest& t, TForm1& f) { t.Click(f.Save); }},
        Renewal{"Load", [](LoginTest& t, TForm1& f) { t.Click(f.Load); }},
        Renewal{"DelayedOff",
                [](LoginTest& t, TForm1& f) {
                    t.Click(f.DelayedOff);
                    f.AbortClick();
                }},
        Renewal{"ChangePassword",
                [](LoginTest& t, TForm1& f) { t.Click(f.ChangePassword); }}, // too short
        Renewal{"Help", [](LoginTest& t, TForm1& f) { t.Click(f.Help); }},
        Renewal{"OffActionChange", [](LoginTest&, TForm1& f) { f.OffActionChange(f.OffAction); }},
        Renewal{"SchedulePress",
                [](LoginTest& t, TForm1& f) {
                    t.Press(f.Monday, 10, {}, Qt::RightButton);
                    t.Release(f.Monday, 10, {}, Qt::RightButton);
                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginTest, ButtonsOutsideThePanelDoNotRenew) {
    LogIn();
    Tick(100);
    Click(form->ShowDetails);
    Click(form->ShowDetails);
    form->Login->setFocus();
    TypeLogin("wren");
    Click(form->NowButton);
    form->AbortClick(); // the visible "Cancel Shutdown"
    form->ResumeClick();
    form->AbortClick();
    EXPECT_EQ(S().LockCountdown, 200);
}

TEST_F(LoginTest, TouchingALockedPanelLeavesItLocked) {
    form->TouchLockCountdown();
    EXPECT_EQ(S().LockCountdown, 0);
    form->OffActionChange(form->OffAction);
    Press(form->Monday, 10);
    Release(form->Monday, 10);
    EXPECT_EQ(S().LockCountdown, 0);
    ExpectSettingsEnabled(false);
}

TEST_F(LoginTest, LogOffLocksAndKeepsThePanelShown) {
    LogIn();
    Click(form->LogOff);
    EXPECT_EQ(S().LockCountdown, 0);
    ExpectSettingsEnabled(false);
    EXPECT_FALSE(form->ConfigBox->isHidden());
}

TEST_F(LoginTest, AClockJumpOfMoreThan30SecondsLocks) {
    LogIn();
    clock.Advance(29); // with the tick's own second: 30 seconds, not a jump
    Tick();
    EXPECT_EQ(S().LockCountdown, 299);
    clock.Advance(30); // 31 seconds
    form->Login->setText(QStringLiteral("wr"));
    Tick();
    EXPECT_EQ(S().LockCountdown, 0);
    ExpectSettingsEnabled(false);
    EXPECT_EQ(form->Login->text(), "");
    EXPECT_FALSE(form->ConfigBox->isHidden());
}

TEST_F(LoginTest, SaveStaysDisabledForAConfigurationFromTheWeb) {
    for (const char* name : {"http://127.0.0.1:9/quelmo.db", "HTTP://127.0.0.1:9/Quelmo.db"}) {
        form->Config->setText(QString::fromLatin1(name));
        LogIn();
        EXPECT_FALSE(form->Save->isEnabled()) << name;
        EXPECT_TRUE(form->LogOff->isEnabled());
        EXPECT_TRUE(form->Config->isEnabled());
        Click(form->LogOff);
    }
    form->Config->setText(QStringLiteral("http.db")); // a file whose name begins with "http"
    LogIn();
    EXPECT_TRUE(form->Save->isEnabled());
}

TEST_F(LoginTest, TheDetailsCaptionFollowsThePanelAtEachTick) {
    Click(form->ShowDetails);
    EXPECT_FALSE(form->ConfigBox->isHidden());
    EXPECT_EQ(form->ShowDetails->text(), "Show Details");
    Tick();
    EXPECT_EQ(form->ShowDetails->text(), "Hide Details");
    Click(form->ShowDetails);
    EXPECT_TRUE(form->ConfigBox->isHidden());
    Tick();
    EXPECT_EQ(form->ShowDetails->text(), "Show Details");
    // Unlocking shows the panel, whatever it was.
    LogIn();
    Tick();
    EXPECT_EQ(form->ShowDetails->text(), "Hide Details");
}

} // namespace
} // namespace quelmo
