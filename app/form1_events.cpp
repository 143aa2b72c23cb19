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

namespace {
// Virtual-key codes of the keys that have one of their own, by Qt key.
struct KeyCode {
    int key;
    int code;
};
constexpr KeyCode kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, 0x2F},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    // Punctuation of the main block, both levels of a US layout (the OEM codes).
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
};

// Keypad keys other than the digits.
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

// The key at each physical position of the main block, as X and Wayland number them (the
// kernel's key code + 8): the codes a US layout gives, which is what positions stand for.
int CodeOfPosition(quint32 scanCode) {
    static constexpr char kRowQ[] = "QWERTYUIOP";
    static constexpr char kRowA[] = "ASDFGHJKL";
    static constexpr char kRowZ[] = "ZXCVBNM";
    if (scanCode >= 10 && scanCode <= 18)
        return '1' + static_cast<int>(scanCode - 10);
    if (scanCode == 19)
        return '0';
    if (scanCode >= 24 && scanCode <= 33)
        return kRowQ[scanCode - 24];
    if (scanCode >= 38 && scanCode <= 46)
        return kRowA[scanCode - 38];
    if (scanCode >= 52 && scanCode <= 58)
        return kRowZ[scanCode - 52];
    return 0;
}

int Lookup(const KeyCode* begin, const KeyCode* end, int key) {
    for (const KeyCode* k = begin; k != end; ++k)
        if (k->key == key)
            return k->code;
    return 0;
}
} // namespace

// The 8-bit virtual-key code of a key press, 0 for a key without one. Letters give their
// capital whatever the Shift and Caps Lock state; the digit keys of the main row give their
// digit, also with Shift held (found by their position, since Qt reports the shifted symbol);
// the keypad's digits give 0x60..0x69; the space bar a blank.
int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return 0x60 + (key - Qt::Key_0);
        if (const int code = Lookup(std::begin(kKeypadKeys), std::end(kKeypadKeys), key))
            return code;
        return Lookup(std::begin(kNamedKeys), std::end(kNamedKeys), key); // Num Lock off
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    const int position = CodeOfPosition(event.nativeScanCode());
    if (position >= '0' && position <= '9')
        return position;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (const int code = Lookup(std::begin(kNamedKeys), std::end(kNamedKeys), key))
        return code;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    // A letter of a layout beyond A–Z still has the code of its key's position.
    return position;
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

namespace {
// Where a release elsewhere lies in the open drag's row, so that a commit it leads to spans
// the columns under the mouse (the release is reported in the reporting control's terms).
QPoint ReleasePoint(const QMouseEvent& event, const QWidget* dragBox) {
    if (dragBox)
        return dragBox->mapFromGlobal(event.globalPosition()).toPoint();
    return event.position().toPoint();
}
} // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Login && event->type() == QEvent::KeyPress) {
        // Tried before the key reaches the field; the key is never swallowed.
        LoginKeyDown(VirtualKeyOf(*static_cast<QKeyEvent*>(event)));
    } else if ((watched == BackGroundImage || watched == ConfigBox) &&
               event->type() == QEvent::MouseButtonRelease) {
        // BackGroundImageMouseUp and ConfigBoxMouseUp. Handled here, so that the release does
        // not travel on to the window and arrive a second time.
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = ReleasePoint(*mouse, DragBox);
        FormMouseUp(DragBox, mouse->button(), mouse->modifiers(), p.x(), p.y());
        mouse->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = ReleasePoint(*event, DragBox);
    FormMouseUp(DragBox, event->button(), event->modifiers(), p.x(), p.y());
}

} // namespace quelmo
