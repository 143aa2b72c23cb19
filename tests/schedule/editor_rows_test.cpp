// The day rows' drawing operations and the paint box that shows them.
#include "schedule/schedule_row.h"
#include "schedule/schedule_rows.h"
#include "schedule/week_schedule.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quelmo {
namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlack = 0xFF000000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr unsigned kBlueNumber = 0xFF0000;

class RowsTest : public ::testing::Test {
protected:
    test::TestClock clock;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    ScheduleRows rows;
    WeekTable WeekSchedule{};
    int paints = 0;

    void SetUp() override {
        rows.week = &WeekSchedule;
        window->resize(600, 7 * 18);
        for (int i = 0; i < 7; ++i) {
            rows.rows[i] = new ScheduleRow(window.get());
            rows.rows[i]->setGeometry(0, 18 * i, 576, 17);
            rows.rows[i]->onPaint = [this](ScheduleRow* r) {
                ++paints;
                rows.PaintRow(r);
            };
        }
        WeekSchedule.fill(0);
    }
    void Show() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Screen(rows.rows[0]);
    }
    // 2026-12-07 is a Monday.
    void At(int day, int hour, int minute, int second) {
        clock.SetLocal(2026, 12, 7 + day, hour, minute, second);
    }
    DayCount Time(int day, int hour, int minute, int second) const {
        return EncodeDayCount(2026, 12, 7 + day, hour, minute, second, 0);
    }
    static QImage Screen(QWidget* w) {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
        return w->window()
            ->screen()
            ->grabWindow(w->window()->winId(), at.x(), at.y(), w->width(), w->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static int Count(const QImage& image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }
    static QRect Bounds(const QImage& image, QRgb colour) {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    r |= QRect(x, y, 1, 1);
        return r;
    }
};

TEST_F(RowsTest, FillBandCoversTheColumnsBetweenInEitherOrderAndStaysOnTheCanvas) {
    ScheduleRow* row = rows.rows[0];
    row->FillBand(10, 20, kColourOn);
    EXPECT_EQ(Bounds(row->Canvas(), kRed), QRect(10, 0, 10, 17));
    row->FillBand(0, 576, kColourOff);
    row->FillBand(40, 30, kColourMarker);
    EXPECT_EQ(Bounds(row->Canvas(), kGreen), QRect(30, 0, 10, 17));
    row->FillBand(-50, 3, kColourOn);
    row->FillBand(570, 900, kColourOn);
    EXPECT_EQ(Count(row->Canvas(), kRed), (3 + 6) * 17);
    row->FillBand(600, 700, kColourOn); // wholly outside: nothing
    row->FillBand(5, 5, kColourOn);     // empty
    EXPECT_EQ(Count(row->Canvas(), kRed), (3 + 6) * 17);
}

TEST_F(RowsTest, RowOfBoxAndBoxOfDay) {
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rows.RowOfBox(rows.rows[i]), i);
    EXPECT_EQ(rows.RowOfBox(window.get()), 0);
    EXPECT_EQ(rows.RowOfBox(nullptr), 0);
    EXPECT_EQ(rows.BoxOfDay(Time(0, 23, 59, 59)), rows.rows[0]);
    EXPECT_EQ(rows.BoxOfDay(Time(6, 0, 0, 0)), rows.rows[6]);
    EXPECT_EQ(rows.BoxOfDay(Time(7, 12, 0, 0)), rows.rows[0]);
}

TEST_F(RowsTest, SetTimeHintNamesTheMinuteUnderTheColumn) {
    const std::pair<int, const char*> cases[] = {{0, "00:00"},   {1, "00:02"},   {2, "00:05"},
                                                 {24, "01:00"},  {287, "11:57"}, {288, "12:00"},
                                                 {575, "23:57"}, {576, "24:00"}};
    for (const auto& [x, hint] : cases) {
        ScheduleRows::SetTimeHint(rows.rows[2], x);
        EXPECT_EQ(rows.rows[2]->toolTip(), hint) << x;
    }
}

TEST_F(RowsTest, PaintSlotAtRepaintsTheFourColumnsFromTheTimesPixel) {
    ScheduleRow* tuesday = rows.rows[1];
    tuesday->FillBand(0, 576, kBlueNumber);
    WeekSchedule[1 * 144 + 60] = 1;       // 10:00–10:10
    rows.PaintSlotAt(Time(1, 10, 1, 15)); // pixel 240.5: columns 240–243, slot 60
    EXPECT_EQ(Bounds(tuesday->Canvas(), kRed), QRect(240, 0, 4, 17));
    rows.PaintSlotAt(Time(1, 10, 8, 45)); // pixel 243.5: 243–246, still slot 60's colour
    EXPECT_EQ(Bounds(tuesday->Canvas(), kRed), QRect(240, 0, 7, 17));
    rows.PaintSlotAt(Time(1, 10, 10, 30)); // pixel 244.2: 244–247, slot 61, off
    EXPECT_EQ(Bounds(tuesday->Canvas(), kBlack), QRect(244, 0, 4, 17));
    EXPECT_EQ(Bounds(tuesday->Canvas(), kRed), QRect(240, 0, 4, 17));
    EXPECT_EQ(Count(rows.rows[0]->Canvas(), kBlue), 0);
    EXPECT_EQ(Count(rows.rows[2]->Canvas(), kRed), 0);
}

TEST_F(RowsTest, TheFirstMarkerIsDrawnWithoutRepaintingAnyBand) {
    for (ScheduleRow* row : rows.rows)
        row->FillBand(0, 576, kBlueNumber);
    At(3, 12, 0, 0);
    rows.DrawTimeMarker(false);
    EXPECT_EQ(rows.MarkerX, 286);
    EXPECT_DOUBLE_EQ(rows.MarkerTime, Time(3, 12, 0, 0));
    const QImage& thursday = rows.rows[3]->Canvas();
    EXPECT_EQ(Bounds(thursday, kGreen), QRect(286, 6, 4, 4));
    EXPECT_EQ(Count(thursday, kBlue), 576 * 17 - 16);
}

TEST_F(RowsTest, TheMarkerIsRedrawnOnlyWhenItMovesUnlessForced) {
    At(3, 12, 0, 0);
    rows.DrawTimeMarker(false);
    ScheduleRow* thursday = rows.rows[3];
    thursday->FillBand(0, 576, kBlueNumber);
    clock.Advance(100); // still column 286
    rows.DrawTimeMarker(false);
    EXPECT_EQ(Count(thursday->Canvas(), kBlue), 576 * 17);
    rows.DrawTimeMarker(true);
    EXPECT_EQ(Bounds(thursday->Canvas(), kGreen), QRect(286, 6, 4, 4));
    // The forced draw repainted the bands at the old and the new time's pixel (288 and
    // 288.67), both 288–291, in the colour of the slot.
    EXPECT_EQ(Bounds(thursday->Canvas(), kBlack), QRect(288, 0, 4, 17));
    clock.Advance(60); // 12:02:40: column 287
    rows.DrawTimeMarker(false);
    EXPECT_EQ(rows.MarkerX, 287);
    EXPECT_EQ(Bounds(thursday->Canvas(), kGreen), QRect(286, 6, 5, 4));
}

TEST_F(RowsTest, EarlyInTheDayTheMarkerStaysAtColumnZero) {
    for (const int second : {0, 149, 299}) {
        At(0, 0, 0, second); // pixels 0, 0.99, 1.99: all give −2 or −1
        rows.DrawTimeMarker(true);
        EXPECT_EQ(rows.MarkerX, 0) << second;
        EXPECT_EQ(Bounds(rows.rows[0]->Canvas(), kGreen), QRect(0, 6, 4, 4)) << second;
    }
    At(0, 0, 7, 30); // pixel 3: column 1
    rows.DrawTimeMarker(false);
    EXPECT_EQ(rows.MarkerX, 1);
}

TEST_F(RowsTest, PaintRowDrawsTheTableThenTheMarker) {
    At(3, 12, 0, 0);
    for (int slot = 0; slot < 144; slot += 3)
        WeekSchedule[3 * 144 + slot] = 1;
    rows.PaintRow(rows.rows[3]);
    const QImage& canvas = rows.rows[3]->Canvas();
    for (int x = 0; x < 576; ++x)
        EXPECT_EQ(canvas.pixel(x, 0), x / 4 % 3 == 0 ? kRed : kBlack) << x;
    EXPECT_EQ(Bounds(canvas, kGreen), QRect(286, 6, 4, 4));
}

TEST_F(RowsTest, WhatHandlersDrawStaysOnShowUntilTheSystemAsksForARepaint) {
    At(3, 12, 0, 0);
    WeekSchedule.fill(1);
    Show();
    ScheduleRow* monday = rows.rows[0];
    EXPECT_EQ(Count(Screen(monday), kRed), 576 * 17);
    const int paintsBefore = paints;
    monday->FillBand(100, 200, kColourOff);
    EXPECT_EQ(Bounds(Screen(monday), kBlack), QRect(100, 0, 100, 17));
    monday->FillBand(300, 310, kColourOff);
    const QImage both = Screen(monday);
    EXPECT_EQ(Count(both, kBlack), 110 * 17);
    EXPECT_EQ(paints, paintsBefore); // shown as drawn, not drawn afresh

    window->update(); // the system's repaint: the table again
    EXPECT_EQ(Count(Screen(monday), kRed), 576 * 17);
    EXPECT_GT(paints, paintsBefore);
}

TEST_F(RowsTest, ASystemRepaintOfPartOfARowKeepsTheHandlersDrawingElsewhere) {
    At(3, 12, 0, 0);
    WeekSchedule.fill(1);
    Show();
    ScheduleRow* monday = rows.rows[0];
    monday->FillBand(100, 200, kColourOff);
    monday->update(QRect(400, 0, 20, 17)); // an uncovered corner, say
    const QImage shown = Screen(monday);
    EXPECT_EQ(Bounds(shown, kBlack), QRect(100, 0, 100, 17));
    EXPECT_EQ(Count(shown, kRed), 476 * 17);
}

TEST_F(RowsTest, DrawingOnAHiddenRowIsNotShownWhenItComesBack) {
    At(3, 12, 0, 0);
    WeekSchedule.fill(1);
    Show();
    window->hide();
    rows.rows[1]->FillBand(0, 576, kColourOff);
    rows.DrawTimeMarker(true);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(Count(Screen(rows.rows[1]), kRed), 576 * 17);
    const QImage thursday = Screen(rows.rows[3]);
    EXPECT_EQ(Bounds(thursday, kGreen), QRect(286, 6, 4, 4));
    EXPECT_EQ(Count(thursday, kRed), 576 * 17 - 16);
}

TEST_F(RowsTest, TodaysRowShowsTheTableTheFirstTimeItIsShown) {
    // Ticks draw the marker while the rows are hidden; the first show still draws them whole.
    At(3, 12, 0, 0);
    WeekSchedule.fill(1);
    rows.DrawTimeMarker(false);
    clock.Advance(160);
    rows.DrawTimeMarker(false);
    Show();
    for (int day = 0; day < 7; ++day) {
        const QImage shown = Screen(rows.rows[day]);
        EXPECT_EQ(Count(shown, kRed), 576 * 17 - (day == 3 ? 16 : 0)) << day;
    }
    EXPECT_EQ(Bounds(Screen(rows.rows[3]), kGreen), QRect(287, 6, 4, 4));
}

} // namespace
} // namespace quelmo
