#pragma once
// One day of the schedule as a paint box: a 576 × 17 canvas that handlers draw into at any
// time (not only inside a paint event), shown as it stands.

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace quelmo {

class ScheduleRow : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleRow(QWidget* parent = nullptr);

    // Fills columns x0..x1 (x1 excluded; either order) over rows 0..16 in a colour 0x00BBGGRR.
    void FillBand(int x0, int x1, unsigned colour);
    // Fills an arbitrary rectangle of the canvas (right and bottom excluded).
    void FillRect(int x0, int y0, int x1, int y1, unsigned colour);
    // The canvas as drawn: what the row shows once pending paints have been flushed.
    const QImage& Canvas() const { return mCanvas; }

    // Handlers, set by the window. onPaint runs when the system asks for part of the row to be
    // drawn afresh (the row shown, uncovered, its parent redrawn) and for Repaint(); drawing
    // done by the handlers outside onPaint shows at once and stays until such a repaint.
    std::function<void(ScheduleRow*)> onPaint;
    std::function<void(ScheduleRow*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
        onMouseDown;
    std::function<void(ScheduleRow*, Qt::KeyboardModifiers, int x, int y)> onMouseMove;
    std::function<void(ScheduleRow*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
        onMouseUp;

    // Draws the whole row afresh through onPaint now.
    void Repaint();

protected:
    // Note that QWidget::render() (and so grab()) counts as a system repaint: it draws the row
    // afresh. Read the screen (QScreen::grabWindow) to see drawing that is still on show.
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage mCanvas;
    // Parts drawn by the handlers since they were last shown. A paint event over them only
    // shows the canvas; any other part of a paint event is drawn afresh first.
    QRegion mDrawnByHandlers;
    // While onPaint runs inside a paint event, its drawing is kept to the part drawn afresh,
    // so that what the handlers drew elsewhere stays on show.
    QRegion mPaintClip;
    bool mInPaint = false;
};

// The toolkit's colour number 0x00BBGGRR as a Qt colour.
QColor ColourFromNumber(unsigned colour);

} // namespace quelmo
