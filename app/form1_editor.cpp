// Editing the week by dragging across the day rows.
#include "app/form1.h"

#include "model/model.h"
#include "schedule/schedule_row.h"
#include "schedule/week_schedule.h"

#include <algorithm>

namespace quelmo {

namespace {
constexpr int kDragHoldOff = 10;
constexpr int kReleaseHoldOff = 3;
constexpr int kLastColumn = 4 * SlotsPerDay - 1;
} // namespace

void TForm1::SchedulePaint(ScheduleRow* sender) {
    Rows.PaintRow(sender);
}

void TForm1::ScheduleMouseDown(ScheduleRow* sender, Qt::MouseButton button,
                               Qt::KeyboardModifiers shift, int x, int) {
    DragBox = sender;
    ScheduleRows::SetTimeHint(sender, x);
    if (button == Qt::LeftButton && mModel.State().LockCountdown > 0) {
        DragStartX = x;
        DragValue = (shift & Qt::ControlModifier) ? 1 : 0;
        mModel.HoldForEditing(kDragHoldOff);
    }
    mModel.TouchLockCountdown();
}

void TForm1::ScheduleMouseMove(ScheduleRow* sender, Qt::KeyboardModifiers, int x, int) {
    const ProgramState& s = mModel.State();
    if (!DragBox || s.LockCountdown <= 0 || sender != DragBox || s.EditHoldOff <= 0)
        return;
    mModel.HoldForEditing(kDragHoldOff);
    // Feedback only: the table is written on the release.
    if (x != DragStartX)
        DragBox->FillBand(DragStartX, x, DragValue ? kColourOn : kColourOff);
}

void TForm1::ScheduleMouseUp(ScheduleRow*, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                             int) {
    const ProgramState& s = mModel.State();
    if (button == Qt::LeftButton && s.LockCountdown > 0 && s.EditHoldOff > 0 && DragBox) {
        mModel.HoldForEditing(kReleaseHoldOff);
        if (x != DragStartX) {
            // The mouse is captured by the row, so a release can lie beyond either end of it;
            // such a position stands for the day's first or last slot.
            const int lo = std::clamp(std::min(x, DragStartX), 0, kLastColumn);
            const int hi = std::clamp(std::max(x, DragStartX), 0, kLastColumn);
            mModel.SetSlots(Rows.RowOfBox(DragBox), lo / 4, hi / 4, DragValue);
        }
        DragBox->Repaint();
    }
    DragBox = nullptr;
}

void TForm1::FormMouseUp(ScheduleRow*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                         int y) {
    const int holdOff = mModel.State().EditHoldOff;
    if (holdOff == 1 || holdOff == 2)
        mModel.HoldForEditing(kReleaseHoldOff);
    if (button != Qt::LeftButton)
        return;
    if (DragBox) {
        if (mModel.State().EditHoldOff > 0)
            ScheduleMouseUp(DragBox, Qt::LeftButton, shift, x, y);
        DragBox = nullptr;
    }
}

} // namespace quelmo
