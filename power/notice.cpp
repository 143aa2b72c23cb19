#include "power/stuff.h"

#include <QApplication>
#include <QMessageBox>

namespace quelmo {

namespace {
bool gNoticeOpen = false;
NoticePresenter gPresenter;
BeepSink gBeepSink;

void ShowModalBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromLatin1(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
} // namespace

void SetNoticePresenter(NoticePresenter presenter) {
    gPresenter = std::move(presenter);
}
void SetBeepSink(BeepSink sink) {
    gBeepSink = std::move(sink);
}
bool NoticeIsOpen() {
    return gNoticeOpen;
}

void DefaultBeep() {
    if (gBeepSink)
        gBeepSink();
    else
        QApplication::beep();
}

void ShowNotice(const std::string& text) {
    DefaultBeep();
    if (gNoticeOpen)
        return;
    gNoticeOpen = true;
    // Ticks keep running inside the box's event loop; the flag keeps them from stacking boxes.
    struct Reset {
        ~Reset() { gNoticeOpen = false; }
    } reset;
    if (gPresenter)
        gPresenter(text);
    else
        ShowModalBox(text);
}

} // namespace quelmo
