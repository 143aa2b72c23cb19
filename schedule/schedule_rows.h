#pragma once
// Drawing of the seven day rows and the current-time marker.

#include "power/stuff.h"
#include "schedule/week_schedule.h"

#include <array>

class QObject;

namespace quelmo {

class ScheduleRow;

inline constexpr unsigned kColourOn = 255;       // red
inline constexpr unsigned kColourOff = 0;        // black
inline constexpr unsigned kColourMarker = 65280; // green

class ScheduleRows {
public:
    std::array<ScheduleRow*, 7> rows{}; // Monday … Sunday
    const WeekTable* week = nullptr;    // the table drawn

    // 0 … 6 for the rows, 0 for anything else.
    int RowOfBox(const QObject* box) const;
    ScheduleRow* BoxOfDay(DayCount t) const;
    // Repaints the 4-column band at t's pixel in the colour of the slot holding t.
    void PaintSlotAt(DayCount t);
    // The hint "%02d:%02d" of the minute under column x.
    static void SetTimeHint(ScheduleRow* box, int x);
    // The row drawn from the table, then the marker (force).
    void PaintRow(ScheduleRow* box);
    // Redraws the marker when it has moved, or always with force.
    void DrawTimeMarker(bool force);

    int MarkerX = -1;
    DayCount MarkerTime = -1.0;
};

} // namespace quelmo
