#include "schedule/schedule_rows.h"

#include "schedule/schedule_row.h"
#include "schedule/week_schedule.h"

#include <cmath>
#include <cstdio>

namespace quelmo {

namespace {
double FractionOfDay(DayCount t) {
    return t - std::trunc(t);
}
unsigned SlotColour(const WeekTable& week, int index) {
    return week[index] ? kColourOn : kColourOff;
}
} // namespace

int ScheduleRows::RowOfBox(const QObject* box) const {
    for (int i = 0; i < 7; ++i)
        if (rows[i] == box)
            return i;
    return 0;
}

ScheduleRow* ScheduleRows::BoxOfDay(DayCount t) const {
    return rows[DayIndex(t)];
}

void ScheduleRows::PaintSlotAt(DayCount t) {
    const double f = FractionOfDay(t);
    const int x0 = static_cast<int>(f * 576);
    const int x1 = static_cast<int>(f * 576 + 4);
    const int slot = static_cast<int>(f * SlotsPerDay);
    if (auto* box = BoxOfDay(t))
        box->FillBand(x0, x1, SlotColour(*week, DayIndex(t) * SlotsPerDay + slot));
}

void ScheduleRows::SetTimeHint(ScheduleRow* box, int x) {
    const int m = static_cast<int>(std::trunc(x * 1440.0 / 576));
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", m / 60, m % 60);
    box->setToolTip(QString::fromLatin1(text));
}

void ScheduleRows::PaintRow(ScheduleRow* box) {
    const int row = RowOfBox(box);
    for (int i = 0; i < SlotsPerDay; ++i)
        box->FillBand(4 * i, 4 * i + 4, SlotColour(*week, row * SlotsPerDay + i));
    DrawTimeMarker(true);
}

void ScheduleRows::DrawTimeMarker(bool force) {
    const DayCount now = WallClockNow();
    int x = static_cast<int>(FractionOfDay(now) * 576) - 2;
    if (x < 0)
        x = 0;
    if (x == MarkerX && !force)
        return;
    MarkerX = x;
    if (MarkerTime > 0) {
        PaintSlotAt(MarkerTime);
        PaintSlotAt(now);
    }
    MarkerTime = now;
    if (auto* box = BoxOfDay(now))
        box->FillRect(x, 6, x + 4, 10, kColourMarker);
}

} // namespace quelmo
