#include "schedule/schedule_row.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quelmo {

QColor ColourFromNumber(unsigned colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ScheduleRow::ScheduleRow(QWidget* parent)
    : QWidget(parent), mCanvas(576, 17, QImage::Format_RGB32) {
    mCanvas.fill(Qt::black);
    // Movements only while a button is held: with none held no drag can be open.
    setMouseTracking(false);
    // Not marked opaque: an opaque child is left out when its parent is redrawn, and a redraw
    // of the panel is meant to draw the rows afresh.
}

void ScheduleRow::FillRect(int x0, int y0, int x1, int y1, unsigned colour) {
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    const QRect r = QRect(x0, y0, x1 - x0, y1 - y0).intersected(mCanvas.rect());
    if (r.isEmpty())
        return;
    QPainter painter(&mCanvas);
    if (mInPaint) {
        painter.setClipRegion(mPaintClip);
        painter.fillRect(r, ColourFromNumber(colour));
        return; // the paint under way shows it
    }
    painter.fillRect(r, ColourFromNumber(colour));
    // Drawing on a row that is not on show is never seen: the row is drawn afresh when shown.
    if (isVisible()) {
        mDrawnByHandlers += r;
        update(r);
    }
}

void ScheduleRow::FillBand(int x0, int x1, unsigned colour) {
    FillRect(x0, 0, x1, 17, colour);
}

void ScheduleRow::Repaint() {
    if (onPaint)
        onPaint(this);
}

void ScheduleRow::paintEvent(QPaintEvent* event) {
    const QRegion fresh = event->region() - mDrawnByHandlers;
    mDrawnByHandlers -= event->region();
    if (!fresh.isEmpty() && onPaint) {
        mPaintClip = fresh;
        mInPaint = true;
        onPaint(this);
        mInPaint = false;
    }
    QPainter painter(this);
    for (const QRect& r : event->region())
        painter.drawImage(r, mCanvas, r);
}

void ScheduleRow::showEvent(QShowEvent* event) {
    mDrawnByHandlers = QRegion();
    QWidget::showEvent(event);
}

void ScheduleRow::hideEvent(QHideEvent* event) {
    mDrawnByHandlers = QRegion();
    QWidget::hideEvent(event);
}

void ScheduleRow::resizeEvent(QResizeEvent* event) {
    if (mCanvas.size() != size()) {
        QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        grown.fill(Qt::black);
        QPainter(&grown).drawImage(0, 0, mCanvas);
        mCanvas = grown;
    }
    QWidget::resizeEvent(event);
}

void ScheduleRow::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
    }
}

void ScheduleRow::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(this, event->modifiers(), p.x(), p.y());
    }
}

void ScheduleRow::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp) {
        const QPoint p = event->position().toPoint();
        onMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
    }
}

} // namespace quelmo
