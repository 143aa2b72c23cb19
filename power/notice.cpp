#include "power/stuff.h"

#include <QApplication>
#include <QMessageBox>

#include <optional>

namespace quelmo {

namespace {
bool gNoticeOpen = false;
int gHolds = 0;
std::optional<std::string> gHeldNotice;
NoticePresenter gPresenter;
BeepSink gBeepSink;

void ShowModalBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromUtf8(text), QMessageBox::Ok,
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
    if (gHolds > 0 && !gNoticeOpen && !gHeldNotice) {
        gHeldNotice = text; // it beeps when it is shown
        return;
    }
    DefaultBeep();
    if (gNoticeOpen || gHolds > 0)
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

NoticeHold::NoticeHold() {
    ++gHolds;
}

NoticeHold::~NoticeHold() {
    if (--gHolds > 0 || !gHeldNotice)
        return;
    const std::string text = std::move(*gHeldNotice);
    gHeldNotice.reset();
    ShowNotice(text);
}

} // namespace quelmo
