// Editing the week with the mouse on the day rows, through the window's own event path.
#include "schedule/schedule_row.h"
#include "schedule/week_schedule.h"
#include "tests/app/access_test_util.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quelmo {
namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlack = 0xFF000000;
constexpr int kThursday = 3, kFriday = 4, kSunday = 6;

class DragTest : public test::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        StartAt(2026, 12, 10, 9, 0, 0); // a Thursday; the marker stands at columns 214–217
        LogIn();
    }
    // The whole week set to one value, shown.
    void Week(std::uint8_t value) {
        S().WeekSchedule.fill(value);
        form->ConfigBox->update();
        OnScreen(form->ConfigBox);
    }
    static std::string Slots(std::uint8_t value, int from, int to, std::uint8_t rest) {
        std::string day(144, rest ? '1' : '0');
        for (int s = from; s <= to; ++s)
            day[s] = value ? '1' : '0';
        return day;
    }
    // The slots as the row shows them, read from the screen above the marker's rows.
    static std::string Shown(ScheduleRow* row) {
        const QImage image = OnScreen(row);
        std::string day;
        for (int slot = 0; slot < 144; ++slot) {
            const QRgb left = image.pixel(4 * slot, 2), right = image.pixel(4 * slot + 3, 16);
            day += left != right ? '?' : left == kRed ? '1' : left == kBlack ? '0' : '?';
        }
        return day;
    }
    // Columns of a screen row at height y in one colour.
    static bool Columns(ScheduleRow* row, int from, int to, QRgb colour, int y = 2) {
        const QImage image = OnScreen(row);
        for (int x = from; x <= to; ++x)
            if (image.pixel(x, y) != colour)
                return false;
        return true;
    }
    void ExpectUntouchedExcept(int day, std::uint8_t value) {
        for (int d = 0; d < 7; ++d) {
            if (d == day)
                continue;
            EXPECT_EQ(DayStringOf(S().WeekSchedule, d), std::string(144, value ? '1' : '0'))
                << "day " << d;
        }
    }
    ScheduleRow* Row(int day) const { return form->Rows.rows[day]; }
};

TEST_F(DragTest, APlainDragSetsTheSpanOff) {
    Week(1);
    Press(Row(kThursday), 10);
    EXPECT_EQ(S().EditHoldOff, 10);
    Move(Row(kThursday), 15);
    Move(Row(kThursday), 21);
    Release(Row(kThursday), 21);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 2, 5, 1));
    EXPECT_EQ(Shown(Row(kThursday)), DayStringOf(S().WeekSchedule, kThursday));
    ExpectUntouchedExcept(kThursday, 1);
    EXPECT_EQ(S().EditHoldOff, 3);
    EXPECT_EQ(form->DragBox, nullptr);
}

TEST_F(DragTest, CtrlAtThePressSetsTheSpanOnWhateverItDoesLater) {
    Week(0);
    Press(Row(kThursday), 10, Qt::ControlModifier);
    Move(Row(kThursday), 21); // Ctrl let go
    Release(Row(kThursday), 21);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(1, 2, 5, 0));
    EXPECT_EQ(Shown(Row(kThursday)), DayStringOf(S().WeekSchedule, kThursday));

    Press(Row(kThursday), 12);
    Release(Row(kThursday), 17, Qt::ControlModifier); // Ctrl only at the release
    std::string expected = Slots(1, 2, 5, 0);
    expected[3] = expected[4] = '0';
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), expected);
    ExpectUntouchedExcept(kThursday, 0);
}

TEST_F(DragTest, ADragFromRightToLeftCoversTheSameSpan) {
    Week(1);
    Press(Row(kThursday), 300);
    Move(Row(kThursday), 200);
    Move(Row(kThursday), 100);
    Release(Row(kThursday), 100);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 25, 75, 1));
    EXPECT_EQ(Shown(Row(kThursday)), DayStringOf(S().WeekSchedule, kThursday));
}

TEST_F(DragTest, TheFeedbackFollowsTheMouseAndTheReleaseShowsTheTable) {
    Week(1);
    Press(Row(kThursday), 100);
    Move(Row(kThursday), 160);
    EXPECT_TRUE(Columns(Row(kThursday), 100, 159, kBlack));
    EXPECT_TRUE(Columns(Row(kThursday), 160, 175, kRed));
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday),
              std::string(144, '1')); // not yet in the table
    Move(Row(kThursday), 130);        // moving back does not take the feedback away
    EXPECT_TRUE(Columns(Row(kThursday), 100, 159, kBlack));
    Release(Row(kThursday), 130);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 25, 32, 1));
    EXPECT_TRUE(Columns(Row(kThursday), 100, 131, kBlack));
    EXPECT_TRUE(Columns(Row(kThursday), 132, 175, kRed));
}

TEST_F(DragTest, APressAndReleaseAtOneXChangesNothingButRepaints) {
    Week(1);
    Press(Row(kThursday), 120);
    Move(Row(kThursday), 200);
    EXPECT_TRUE(Columns(Row(kThursday), 120, 199, kBlack));
    Release(Row(kThursday), 120);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), std::string(144, '1'));
    EXPECT_EQ(Shown(Row(kThursday)), std::string(144, '1'));
    EXPECT_EQ(Row(kThursday)->toolTip(), "05:00");
    EXPECT_EQ(S().EditHoldOff, 3);
}

TEST_F(DragTest, AReleaseOverAnotherRowChangesThePressedRowOnly) {
    Week(1);
    Press(Row(kThursday), 40);
    Move(Row(kFriday), 80);
    Release(Row(kFriday), 80);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 10, 20, 1));
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kFriday), std::string(144, '1'));
    EXPECT_EQ(Shown(Row(kFriday)), std::string(144, '1'));
    EXPECT_EQ(Shown(Row(kThursday)), DayStringOf(S().WeekSchedule, kThursday));
}

TEST_F(DragTest, ARightButtonPressOnlySetsTheHintAndTheRow) {
    Week(1);
    Press(Row(kThursday), 200, {}, Qt::RightButton);
    EXPECT_EQ(Row(kThursday)->toolTip(), "08:20");
    EXPECT_EQ(form->DragBox, Row(kThursday));
    EXPECT_EQ(S().EditHoldOff, 0);
    Move(Row(kThursday), 300);
    Release(Row(kThursday), 300, {}, Qt::RightButton);
    EXPECT_EQ(form->DragBox, nullptr);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), std::string(144, '1'));
    EXPECT_EQ(Shown(Row(kThursday)), std::string(144, '1'));
}

TEST_F(DragTest, TheHintShowsTheTimeUnderThePress) {
    const std::pair<int, const char*> cases[] = {
        {0, "00:00"}, {1, "00:02"}, {10, "00:25"}, {300, "12:30"}, {575, "23:57"}};
    for (const auto& [x, hint] : cases) {
        Press(Row(kSunday), x, {}, Qt::RightButton);
        Release(Row(kSunday), x, {}, Qt::RightButton);
        EXPECT_EQ(Row(kSunday)->toolTip(), hint) << x;
    }
}

TEST_F(DragTest, ADragIsDroppedAfterTenTicksWithoutMovement) {
    Week(1);
    Press(Row(kThursday), 10);
    Tick(10);
    EXPECT_EQ(S().EditHoldOff, 0);
    Move(Row(kThursday), 50);
    EXPECT_TRUE(Columns(Row(kThursday), 10, 49, kRed)); // no feedback either
    Release(Row(kThursday), 50);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), std::string(144, '1'));
    EXPECT_EQ(form->DragBox, nullptr);
    EXPECT_EQ(S().EditHoldOff, 0);
}

TEST_F(DragTest, EachMovementKeepsTheDragOpenForTenMoreTicks) {
    Week(1);
    Press(Row(kThursday), 10);
    Tick(9);
    Move(Row(kThursday), 30);
    EXPECT_EQ(S().EditHoldOff, 10);
    Tick(9);
    Release(Row(kThursday), 50);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 2, 12, 1));
}

TEST_F(DragTest, NothingChangesWhileThePanelIsLocked) {
    Week(1);
    Click(form->LogOff);
    Press(Row(kThursday), 10);
    EXPECT_EQ(form->DragBox, Row(kThursday));
    EXPECT_EQ(Row(kThursday)->toolTip(), "00:25");
    EXPECT_EQ(S().EditHoldOff, 0);
    Move(Row(kThursday), 100);
    EXPECT_TRUE(Columns(Row(kThursday), 10, 99, kRed));
    Release(Row(kThursday), 100);
    EXPECT_EQ(form->DragBox, nullptr);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), std::string(144, '1'));
    EXPECT_EQ(S().LockCountdown, 0);
}

TEST_F(DragTest, APanelLockedDuringADragCommitsNothing) {
    Week(1);
    Press(Row(kThursday), 10);
    Move(Row(kThursday), 100);
    ASSERT_TRUE(Columns(Row(kThursday), 10, 99, kBlack));
    Tick(5);
    S().LockCountdown = 1; // the last second of the countdown
    Tick();
    ASSERT_EQ(S().LockCountdown, 0);
    // Locking redraws the panel, and with it the row: the feedback is gone.
    EXPECT_EQ(Shown(Row(kThursday)), std::string(144, '1'));
    Release(Row(kThursday), 100);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), std::string(144, '1'));
}

TEST_F(DragTest, AReleaseBeyondEitherEndOfTheRowStopsAtTheDaysLastSlot) {
    Week(1);
    Press(Row(kSunday), 560);
    Move(Row(kSunday), 700);
    Release(Row(kSunday), 700);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kSunday), Slots(0, 140, 143, 1));
    Press(Row(kThursday), 20);
    Move(Row(kThursday), -30);
    Release(Row(kThursday), -30);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 0, 5, 1));
    // Neither the next day nor the one before took any of it.
    for (int d : {0, 1, 2, 4, 5})
        EXPECT_EQ(DayStringOf(S().WeekSchedule, d), std::string(144, '1')) << "day " << d;
}

// A point of a control where a mouse press meets the control itself, not a child of it.
QPoint Bare(QWidget* control) {
    for (int y = 2; y < control->height(); y += 3)
        for (int x = 2; x < control->width(); x += 3)
            if (control->childAt(x, y) == nullptr)
                return {x, y};
    ADD_FAILURE() << "no bare point on " << control->objectName().toStdString();
    return {};
}

TEST_F(DragTest, AReleaseOnTheBackgroundOrThePanelRenewsAShortHoldOff) {
    Week(1);
    Press(Row(kThursday), 10);
    Release(Row(kThursday), 21);
    Tick();
    ASSERT_EQ(S().EditHoldOff, 2);
    for (QWidget* surface :
         {static_cast<QWidget*>(form->BackGroundImage), static_cast<QWidget*>(form->ConfigBox)}) {
        const QPoint p = Bare(surface);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, InWindow(surface, p));
        EXPECT_EQ(S().EditHoldOff, 3) << surface->objectName().toStdString();
        Tick(2);
        ASSERT_EQ(S().EditHoldOff, 1);
    }
    Tick();
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      InWindow(form->BackGroundImage, Bare(form->BackGroundImage)));
    EXPECT_EQ(S().EditHoldOff, 0); // a drag long over is not revived
}

TEST_F(DragTest, ADragWhoseReleaseTheBackgroundGetsIsCommittedInTheRowsTerms) {
    Week(1);
    Press(Row(kThursday), 40);
    // The row's own release went astray (a box opened over the window, say); the next left
    // release arrives on the background image, over the row's column 80.
    const QPointF overRow = Row(kThursday)->mapToGlobal(QPointF(80, 8));
    const QPointF onImage = form->BackGroundImage->mapFromGlobal(overRow);
    QMouseEvent right(QEvent::MouseButtonRelease, onImage, overRow, Qt::RightButton, Qt::LeftButton,
                      {});
    QApplication::sendEvent(form->BackGroundImage, &right);
    EXPECT_EQ(form->DragBox, Row(kThursday)); // only the left button closes the drag
    QMouseEvent left(QEvent::MouseButtonRelease, onImage, overRow, Qt::LeftButton, {}, {});
    QApplication::sendEvent(form->BackGroundImage, &left);
    EXPECT_EQ(form->DragBox, nullptr);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 10, 20, 1));
    EXPECT_EQ(Shown(Row(kThursday)), DayStringOf(S().WeekSchedule, kThursday));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {},
                        InWindow(Row(kThursday), {80, 8}));
    EXPECT_EQ(DayStringOf(S().WeekSchedule, kThursday), Slots(0, 10, 20, 1));
}

} // namespace
} // namespace quelmo
