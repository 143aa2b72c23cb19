#include "power/stuff.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace quelmo {

namespace {
// A notice on screen, or about to be; `box` is only compared (null while the presenter seam
// stands in for the box).
struct OpenNotice {
    std::string text;
    const QMessageBox* box;
};
std::vector<OpenNotice> gOpen;
int gHolds = 0;
std::vector<std::string> gHeld;
NoticePresenter gPresenter;
BeepSink gBeepSink;

bool IsOpen(const std::string& text) {
    return std::any_of(gOpen.begin(), gOpen.end(),
                       [&](const OpenNotice& notice) { return notice.text == text; });
}

void Forget(const std::string& text, const QMessageBox* box) {
    std::erase_if(
        gOpen, [&](const OpenNotice& notice) { return notice.text == text && notice.box == box; });
}

// Nobody may be at the PC for months: the box never waits for its OK. It opens once the
// event loop runs, so that a notice raised during start-up holds nothing of it back.
void OpenBox(const std::string& text) {
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QString(), QString::fromUtf8(text), QMessageBox::Ok);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    gOpen.push_back({text, box});
    QObject::connect(box, &QDialog::finished, [text, box] { Forget(text, box); });
    QObject::connect(box, &QObject::destroyed, [text, box] { Forget(text, box); });
    QTimer::singleShot(0, box, [box] { box->show(); });
}
} // namespace

void SetNoticePresenter(NoticePresenter presenter) {
    gPresenter = std::move(presenter);
}
void SetBeepSink(BeepSink sink) {
    gBeepSink = std::move(sink);
}
bool NoticeIsOpen() {
    return !gOpen.empty();
}

void DefaultBeep() {
    if (gBeepSink)
        gBeepSink();
    else
        QApplication::beep();
}

void ShowNotice(const std::string& text) {
    const bool known = IsOpen(text) || std::find(gHeld.begin(), gHeld.end(), text) != gHeld.end();
    if (gHolds > 0 && !known) {
        gHeld.push_back(text); // it beeps when it is shown
        return;
    }
    DefaultBeep();
    // The same notice again (a tick's, say) does not pile up a second box.
    if (known)
        return;
    if (!gPresenter) {
        OpenBox(text);
        return;
    }
    gOpen.push_back({text, nullptr});
    struct Close {
        const std::string& text;
        ~Close() { Forget(text, nullptr); }
    } close{text};
    gPresenter(text);
}

void WaitForNotices() {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (gOpen.empty())
            loop.quit();
    });
    poll.start(100);
    if (!gOpen.empty())
        loop.exec();
}

NoticeHold::NoticeHold() {
    ++gHolds;
}

NoticeHold::~NoticeHold() {
    if (--gHolds > 0)
        return;
    for (const std::string& text : std::exchange(gHeld, {}))
        ShowNotice(text);
}

} // namespace quelmo
