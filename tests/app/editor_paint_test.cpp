// What the day rows show: the table four pixels a slot and the current-time marker with the
// trail it leaves, read back from the screen.
#include "schedule/schedule_row.h"
#include "schedule/week_schedule.h"
#include "tests/app/access_test_util.h"

#include <QGroupBox>
#include <QPushButton>

namespace quelmo {
namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlack = 0xFF000000, kGreen = 0xFF00FF00;
constexpr int kThursday = 3;

class PaintTest : public test::PanelTest {
protected:
    ScheduleRow* Row(int day) const { return form->Rows.rows[day]; }
    // Green columns of one pixel row of a screen image, as "first-last" ranges.
    static std::string GreenRuns(const QImage& image, int y) {
        std::string runs;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kGreen)
                continue;
            int end = x;
            while (end + 1 < image.width() && image.pixel(end + 1, y) == kGreen)
                ++end;
            runs += (runs.empty() ? "" : ",") + std::to_string(x) + "-" + std::to_string(end);
            x = end;
        }
        return runs;
    }
    static void ExpectMarkerRowsOnly(const QImage& image, const std::string& runs) {
        for (int y = 0; y < 17; ++y)
            EXPECT_EQ(GreenRuns(image, y), y >= 6 && y <= 9 ? runs : "") << "pixel row " << y;
    }
    // Every pixel outside the marker's rows in its slot's colour.
    void ExpectTable(const QImage& image, int day) {
        int wrong = 0;
        for (int x = 0; x < 576; ++x) {
            const QRgb want = S().WeekSchedule[day * 144 + x / 4] ? kRed : kBlack;
            for (int y = 0; y < 17; ++y)
                if ((y < 6 || y > 9) && image.pixel(x, y) != want)
                    ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "day " << day;
    }
};

TEST_F(PaintTest, TheRowsShowTheTableAndTheMarkerAtNoon) {
    StartAt(2026, 12, 10, 12, 0, 0); // Thursday
    Click(form->ShowDetails);
    for (int day = 0; day < 7; ++day) {
        const QImage shown = OnScreen(Row(day));
        ASSERT_EQ(shown.size(), QSize(576, 17));
        ExpectTable(shown, day);
        ExpectMarkerRowsOnly(shown, day == kThursday ? "286-289" : "");
        // Drawn afresh off the screen, the row gives the same picture.
        EXPECT_EQ(Row(day)->grab().toImage().convertToFormat(QImage::Format_RGB32), shown)
            << "day " << day;
    }
    // The default Thursday: on 01:00–01:20 and 05:20–11:30.
    const QImage thursday = OnScreen(Row(kThursday));
    EXPECT_EQ(thursday.pixel(23, 0), kBlack);
    EXPECT_EQ(thursday.pixel(24, 0), kRed);
    EXPECT_EQ(thursday.pixel(31, 16), kRed);
    EXPECT_EQ(thursday.pixel(32, 16), kBlack);
    EXPECT_EQ(thursday.pixel(128, 5), kRed);
    EXPECT_EQ(thursday.pixel(275, 10), kRed);
    EXPECT_EQ(thursday.pixel(276, 10), kBlack);
    EXPECT_EQ(thursday.pixel(285, 7), kBlack);
    EXPECT_EQ(thursday.pixel(290, 7), kBlack);
}

TEST_F(PaintTest, AtMidnightTheMarkerStandsAtTheRowsStart) {
    StartAt(2026, 12, 10, 0, 0, 0);
    Click(form->ShowDetails);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "0-3");
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday - 1)), "");
}

TEST_F(PaintTest, TheMarkerLeavesATrailUntilTheRowIsRepainted) {
    StartAt(2026, 12, 10, 12, 0, 0);
    Click(form->ShowDetails);
    Tick(149);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "286-289"); // moves every 150 seconds
    Tick(2); // 12:02:31 (a tick exactly on the pixel's time may fall either side of it)
    EXPECT_EQ(form->Rows.MarkerX, 287);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "286-290");
    Tick(150);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "286-291");
    // The rest of the row still shows the table.
    ExpectTable(OnScreen(Row(kThursday)), kThursday);

    Click(form->ShowDetails);
    Click(form->ShowDetails);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "288-291");
    ExpectTable(OnScreen(Row(kThursday)), kThursday);
}

TEST_F(PaintTest, TheMarkerMovesOnToTheNextDaysRowAtMidnight) {
    StartAt(2026, 12, 10, 23, 59, 0);
    Click(form->ShowDetails);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "573-575");
    Tick(60);
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday + 1)), "0-3");
    // Thursday's band at the old time's pixel (575) was repainted from the table; the two
    // columns left of it stay green.
    ExpectMarkerRowsOnly(OnScreen(Row(kThursday)), "573-574");
}

TEST_F(PaintTest, ANewlyLoadedTableIsShownWhenThePanelIsShownAgain) {
    StartAt(2026, 12, 10, 9, 0, 0);
    Click(form->ShowDetails);
    for (int slot = 0; slot < 144; ++slot)
        S().WeekSchedule[kThursday * 144 + slot] = slot % 2;
    Click(form->ShowDetails);
    Click(form->ShowDetails);
    ExpectTable(OnScreen(Row(kThursday)), kThursday);
}

} // namespace
} // namespace quelmo
