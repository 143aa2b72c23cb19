#pragma once
// One day of the schedule as a paint box: a 576 × 17 canvas that handlers draw into at any
// time (not only inside a paint event), shown as it stands.

#include <QImage>
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
    // The canvas as drawn, for tests and the paint event.
    const QImage& Canvas() const { return mCanvas; }

    // Handlers, set by the window. onPaint runs when the system asks for the row to be drawn
    // afresh (expose, restore) and for Repaint(); drawing of the handlers shows at once.
    std::function<void(ScheduleRow*)> onPaint;
    std::function<void(ScheduleRow*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
        onMouseDown;
    std::function<void(ScheduleRow*, Qt::KeyboardModifiers, int x, int y)> onMouseMove;
    std::function<void(ScheduleRow*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
        onMouseUp;

    // Draws the row afresh through onPaint now.
    void Repaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage mCanvas;
    bool mCanvasCurrent = false; // the canvas holds what the handlers drew since the last paint
    bool mInPaint = false;
};

// The toolkit's colour number 0x00BBGGRR as a Qt colour.
QColor ColourFromNumber(unsigned colour);

} // namespace quelmo
