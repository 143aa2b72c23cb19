// Wiring of the controls to the handlers, and the key and mouse events that need translating.
#include "app/form1.h"

#include "schedule/schedule_row.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace quelmo {

// The 8-bit virtual-key code of a key press: capitals for letters, the digit for main-row digits,
// 0x60..0x69 for keypad digits, a blank for the space bar.
int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 0x60 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
        return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Delete:
        return 0x2E;
    default:
        // Keys without a code of their own here (punctuation, function keys) stay out of the
        // letter and digit ranges, so they never complete a password by accident.
        return static_cast<int>(event.nativeVirtualKey() & 0xFF) | 0x80;
    }
}

void TForm1::ConnectHandlers() {
    connect(PowerOptions, &QPushButton::clicked, this, &TForm1::PowerOptionsClick);
    connect(DelayedOff, &QPushButton::clicked, this, &TForm1::DelayedOffClick);
    connect(Abort, &QPushButton::clicked, this, &TForm1::AbortClick);
    connect(Resume, &QPushButton::clicked, this, &TForm1::ResumeClick);
    connect(Browse, &QPushButton::clicked, this, &TForm1::BrowseClick);
    connect(Load, &QPushButton::clicked, this, &TForm1::LoadClick);
    connect(ChangePassword, &QPushButton::clicked, this, &TForm1::ChangePasswordClick);
    connect(Save, &QPushButton::clicked, this, &TForm1::SaveClick);
    connect(Exit, &QPushButton::clicked, this, &TForm1::ExitClick);
    connect(ShowDetails, &QPushButton::clicked, this, &TForm1::ShowDetailsClick);
    connect(NowButton, &QPushButton::clicked, this, &TForm1::NowButtonClick);
    connect(LogOff, &QPushButton::clicked, this, &TForm1::LogOffClick);
    connect(Help, &QPushButton::clicked, this, &TForm1::HelpClick);
    // A choice from the list or text typed into it; programmatic changes raise nothing.
    for (QComboBox* list : {DelayAction, OffAction}) {
        connect(list, &QComboBox::activated, this, [this, list] { OffActionChange(list); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, list] { OffActionChange(list); });
    }
    for (ScheduleRow* row : Rows.rows) {
        row->onPaint = [this](ScheduleRow* r) { SchedulePaint(r); };
        row->onMouseDown = [this](ScheduleRow* r, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                  int y) { ScheduleMouseDown(r, b, m, x, y); };
        row->onMouseMove = [this](ScheduleRow* r, Qt::KeyboardModifiers m, int x, int y) {
            ScheduleMouseMove(r, m, x, y);
        };
        row->onMouseUp = [this](ScheduleRow* r, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                int y) { ScheduleMouseUp(r, b, m, x, y); };
    }
    Login->installEventFilter(this);
    BackGroundImage->installEventFilter(this);
    ConfigBox->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Login && event->type() == QEvent::KeyPress) {
        // Tried before the key reaches the field; the key is never swallowed.
        LoginKeyDown(VirtualKeyOf(*static_cast<QKeyEvent*>(event)));
    } else if ((watched == BackGroundImage || watched == ConfigBox) &&
               event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        FormMouseUp(DragBox, mouse->button(), mouse->modifiers(), p.x(), p.y());
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseUp(DragBox, event->button(), event->modifiers(), p.x(), p.y());
}

} // namespace quelmo
