// Changing the password from the details panel, and what the new one unlocks afterwards.
#include "config/settings.h"
#include "tests/app/access_test_util.h"

#include <QFile>
#include <QPushButton>

namespace quelmo {
namespace {

using test::PanelTest;

class PasswordTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        StartAt(2026, 12, 7, 9, 0, 0);
        LogIn();
        Tick(100);
    }
    void Change(const char* first, const char* second) {
        form->Pass1->clear();
        form->Pass2->clear();
        QTest::keyClicks(form->Pass1, QString::fromLatin1(first));
        QTest::keyClicks(form->Pass2, QString::fromLatin1(second));
        Click(form->ChangePassword);
    }
    QColor SaveColour() const {
        return form->Save->palette().color(QPalette::Active, QPalette::ButtonText);
    }
    bool Unlocks(const char* typed) {
        Click(form->LogOff);
        form->Login->clear();
        TypeLogin(typed);
        return S().LockCountdown != 0;
    }
    std::string StoredDatabase() const {
        QFile file(QString::fromStdString(folder.Path() + "Default.db"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }
};

TEST_F(PasswordTest, ThreeCharactersAreTooShort) {
    const std::string before = S().PasswordScramble;
    Change("abc", "abc");
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"New password\nis too short"});
    EXPECT_EQ(S().PasswordScramble, before);
    EXPECT_EQ(S().LockCountdown, 300);
    EXPECT_EQ(form->Pass1->text(), "abc");
    EXPECT_EQ(form->Pass2->text(), "abc");
    EXPECT_NE(SaveColour(), QColor(255, 0, 0));
}

TEST_F(PasswordTest, AConfirmationThatDiffersIsRefused) {
    const std::string before = S().PasswordScramble;
    Change("abcd", "abce");
    Change("abcd", "ABCD"); // compared exactly, case included
    Change("abcd", "");
    EXPECT_EQ(recorder.notices,
              std::vector<std::string>(3, "New password and confirmation\ndo not match"));
    EXPECT_EQ(S().PasswordScramble, before);
    EXPECT_EQ(S().LockCountdown, 300);
    EXPECT_EQ(form->Pass1->text(), "abcd");
    EXPECT_TRUE(Unlocks("wren"));
}

TEST_F(PasswordTest, FourCharactersAreAcceptedAndStoredInLowerCase) {
    Change("Kiwi", "Kiwi");
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("kiwi"));
    EXPECT_EQ(form->Login->text(), "Kiwi"); // as stars, until the next tick
    EXPECT_EQ(SaveColour(), QColor(255, 0, 0));
    EXPECT_EQ(S().LockCountdown, 300);
    EXPECT_EQ(form->Pass1->text(), "Kiwi");
    Tick();
    EXPECT_EQ(form->Login->text(), "");

    EXPECT_FALSE(Unlocks("wren"));
    EXPECT_TRUE(Unlocks("kiwi"));
    EXPECT_TRUE(Unlocks("KIWI"));
    EXPECT_TRUE(Unlocks("kIwI"));
}

TEST_F(PasswordTest, AccentedCapitalsMatchInEitherCase) {
    QTest::keyClicks(form->Pass1, QString::fromUtf8("\xc3\x89T\xc3\x89S"));
    QTest::keyClicks(form->Pass2, QString::fromUtf8("\xc3\x89T\xc3\x89S"));
    Click(form->ChangePassword);
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("\xe9t\xe9s")); // "étés" in Latin-1
    Click(form->LogOff);
    form->Login->setText(QString::fromUtf8("\xc3\xa9t\xc3\xa9")); // "été", then the S key
    QTest::keyClick(form->Login, Qt::Key_S);
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(PasswordTest, TheFieldsTakeEightCharactersAtMost) {
    QTest::keyClicks(form->Pass1, QStringLiteral("abcdefghi"));
    QTest::keyClicks(form->Pass2, QStringLiteral("abcdefgh"));
    EXPECT_EQ(form->Pass1->text(), "abcdefgh");
    Click(form->ChangePassword);
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("abcdefgh"));
    EXPECT_TRUE(Unlocks("abcdefgh"));
}

TEST_F(PasswordTest, SaveTurnsBlackAgainWhenPressed) {
    Change("kiwi", "kiwi");
    ASSERT_EQ(SaveColour(), QColor(255, 0, 0));
    Click(form->Save);
    EXPECT_EQ(SaveColour(), QColor(0, 0, 0));
}

TEST_F(PasswordTest, ADisabledSaveLooksDisabledWhateverItsColour) {
    const QColor greyed =
        QApplication::palette(form->Save).color(QPalette::Disabled, QPalette::ButtonText);
    ASSERT_NE(greyed, QColor(0, 0, 0));
    Change("kiwi", "kiwi");
    Click(form->LogOff);
    EXPECT_EQ(form->Save->palette().color(QPalette::Disabled, QPalette::ButtonText), greyed);
    TypeLogin("kiwi");
    Click(form->Save);
    Click(form->LogOff);
    EXPECT_FALSE(form->Save->isEnabled());
    EXPECT_EQ(form->Save->palette().color(QPalette::Disabled, QPalette::ButtonText), greyed);
}

TEST_F(PasswordTest, TheNewPasswordIsSavedAndHoldsAfterARestart) {
    Change("kiwi", "kiwi");
    EXPECT_NE(StoredDatabase().find("Password=" + ScramblePassword("kiwi") + "\r\n"),
              std::string::npos);
    Stop();
    Start();
    EXPECT_EQ(S().LockCountdown, 0);
    TypeLogin("wren");
    EXPECT_EQ(S().LockCountdown, 0);
    form->Login->clear();
    TypeLogin("kiwi");
    EXPECT_EQ(S().LockCountdown, 300);
}

TEST_F(PasswordTest, ALockedPanelCannotChangeIt) {
    Click(form->LogOff);
    QTest::keyClicks(form->Pass1, QStringLiteral("kiwi"));
    QTest::keyClicks(form->Pass2, QStringLiteral("kiwi"));
    Click(form->ChangePassword);
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("wren"));
    EXPECT_TRUE(recorder.notices.empty());
}

} // namespace
} // namespace quelmo
