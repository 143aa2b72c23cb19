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
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    painter.fillRect(r, ColourFromNumber(colour));
    if (mInPaint)
        return; // the paint under way shows it
    mCanvasCurrent = true;
    update(r);
}

void ScheduleRow::FillBand(int x0, int x1, unsigned colour) {
    FillRect(x0, 0, x1, 17, colour);
}

void ScheduleRow::Repaint() {
    if (onPaint)
        onPaint(this);
    mCanvasCurrent = true;
    update();
}

void ScheduleRow::paintEvent(QPaintEvent* event) {
    // A paint the handlers did not cause (an expose, a restore) draws the row afresh, as the
    // toolkit's paint event would; otherwise the canvas is shown as the handlers left it.
    if (!mCanvasCurrent && onPaint) {
        mInPaint = true;
        onPaint(this);
        mInPaint = false;
    }
    mCanvasCurrent = false;
    QPainter painter(this);
    painter.drawImage(event->rect(), mCanvas, event->rect());
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
