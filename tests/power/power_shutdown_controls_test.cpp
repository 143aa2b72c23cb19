// The switch-off buttons and the watt ratings' Save, on the doubles.
#include "config/settings.h"
#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace quelmo::test {
namespace {

class ShutdownControls : public FormTest {
protected:
    void SetUp() override {
        StartAt(2024, 6, 3, 8, 0, 0);
        ASSERT_TRUE(S().StartupComplete);
    }
    // Types into the minutes field without leaving it, so the spin box has not committed.
    void TypeMinutes(const QString& text) {
        auto* edit = form->DelayMins->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
    }
};

TEST_F(ShutdownControls, SwitchOffTakesTheMinutesAsTyped) {
    struct Row {
        QString typed;
        int seconds;
    };
    for (const Row& row : {Row{"60", 3600}, Row{"1", 60}, Row{"7", 420}, Row{"", 60}}) {
        form->DelayMins->setValue(30);
        TypeMinutes(row.typed);
        form->DelayedOffClick();
        EXPECT_EQ(S().DelayedOffSeconds, row.seconds) << row.typed.toStdString();
        EXPECT_TRUE(form->Abort->isHidden());
        EXPECT_TRUE(form->Resume->isHidden());
    }
}

TEST_F(ShutdownControls, NowThenSwitchOffIsAnOrdinaryDelayedSwitchOff) {
    form->NowButtonClick();
    EXPECT_EQ(S().DelayedOffSeconds, 12);
    EXPECT_TRUE(S().NowRequested);
    EXPECT_FALSE(form->Abort->isHidden());
    EXPECT_TRUE(form->Resume->isHidden());
    form->DelayMins->setValue(5);
    form->DelayedOffClick();
    EXPECT_FALSE(S().NowRequested);
    EXPECT_EQ(S().DelayedOffSeconds, 300);
}

TEST_F(ShutdownControls, CancelEndsADelayedCountdownButOnlyPausesAScheduledOne) {
    form->NowButtonClick();
    form->AbortClick();
    EXPECT_EQ(S().DelayedOffSeconds, 0);
    EXPECT_FALSE(S().NowRequested);
    EXPECT_TRUE(form->Abort->isHidden());
    EXPECT_TRUE(form->Resume->isHidden()) << "nothing to resume";

    form->Abort->show(); // a scheduled countdown is Armed
    form->AbortClick();
    EXPECT_TRUE(form->Abort->isHidden());
    EXPECT_FALSE(form->Resume->isHidden());
    form->ResumeClick();
    EXPECT_FALSE(form->Abort->isHidden());
    EXPECT_TRUE(form->Resume->isHidden());
}

TEST_F(ShutdownControls, SaveTakesOverTheRatingsAndTurnsTheCaptionBlack) {
    model->SetRatingEdits(80, 0, 3);
    form->SetConfigUnlocked(true); // a red Save comes from a password change, so unlocked
    QPalette red = form->Save->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        red.setColor(group, QPalette::ButtonText, Qt::red);
    form->Save->setPalette(red);
    S().OnPower = S().OffPower = S().SbyPower = -1;
    form->SaveClick();
    EXPECT_EQ(S().OnPower, 80.0);
    EXPECT_EQ(S().OffPower, 0.0);
    EXPECT_EQ(S().SbyPower, 3.0);
    EXPECT_EQ(form->Save->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(Qt::black));
    EXPECT_EQ(form->Save->palette().color(QPalette::Inactive, QPalette::ButtonText),
              QColor(Qt::black));
}

TEST_F(ShutdownControls, TypedTextInTheDelayListIsABadSelectionAndOpensNothing) {
    std::vector<std::vector<std::string>> started;
    SetProgramRunner([&](const std::vector<std::string>& arguments) {
        started.push_back(arguments);
        return true;
    });
    recorder.notices.clear();
    form->DelayAction->setEditText(QStringLiteral("Sleep"));
    form->OffActionChange(form->DelayAction);
    SetProgramRunner(nullptr);
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"Bad Power\noption selection"});
    EXPECT_TRUE(started.empty());
}

// Typed text, Enter and leaving the field, as a person does it.
struct TypedRow {
    const char* name;
    bool delayList;
    int items;
};

void PrintTo(const TypedRow& row, std::ostream* out) {
    *out << row.name;
}

class TypedAction : public ShutdownControls, public ::testing::WithParamInterface<TypedRow> {};

TEST_P(TypedAction, NeverBecomesAnItemAndLeavesNothingSelected) {
    const TypedRow& row = GetParam();
    form->SetConfigUnlocked(true); // OffAction is enabled only then
    QComboBox* list = row.delayList ? form->DelayAction : form->OffAction;
    form->show();
    QApplication::setActiveWindow(form.get());
    list->setFocus();
    recorder.notices.clear();
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list->lineEdit(), QStringLiteral("x"));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        form->Save->setFocus(); // focus out
        ASSERT_FALSE(list->lineEdit()->hasFocus());
        list->setFocus();
    }
    EXPECT_EQ(list->count(), row.items);
    EXPECT_EQ(TForm1::ItemIndex(list), -1);
    EXPECT_EQ(list->currentText(), QStringLiteral("x"));
    EXPECT_EQ(recorder.notices, std::vector<std::string>(2, "Bad Power\noption selection"));
}

INSTANTIATE_TEST_SUITE_P(Lists, TypedAction,
                         ::testing::Values(TypedRow{"OffAction", false, 2},
                                           TypedRow{"DelayAction", true, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// Without a wake-up timer the PC still switches off on time: nobody is there to press OK.
TEST_F(ShutdownControls, AWakeTimerNoticeNeverHoldsTheSwitchOffBack) {
    doubles.wake.answer = platform::WakeArmResult::NotSupported;
    std::vector<std::string> requestedWhileOpen;
    recorder.whileOpen = [&](const std::string&) { requestedWhileOpen = doubles.power.calls; };
    recorder.notices.clear();
    doubles.power.calls.clear();
    form->NowButtonClick();
    Tick(12);
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"Wake-up timer\nis not supported"});
    EXPECT_EQ(requestedWhileOpen, std::vector<std::string>{"Suspend"});
}

} // namespace
} // namespace quelmo::test
