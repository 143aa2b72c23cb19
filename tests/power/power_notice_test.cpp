// ShowNotice with the real box on the offscreen platform.
#include "power/stuff.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace quelmo {
namespace {

std::vector<QMessageBox*> OpenBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            boxes.push_back(box);
    }
    return boxes;
}

class NoticeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetNoticePresenter(nullptr);
        SetBeepSink([this] { ++beeps; });
    }
    void TearDown() override { SetBeepSink(nullptr); }
    int beeps = 0;
};

TEST_F(NoticeTest, ABoxWithEmptyCaptionAndOnlyOkThatWaitsForNothing) {
    ShowNotice("Wake-up timer\nis not supported");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(OpenBoxes().empty()) << "opened once the event loop runs";
    EXPECT_TRUE(NoticeIsOpen());
    QCoreApplication::processEvents();
    const auto boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    QMessageBox* box = boxes.front();
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_TRUE(box->windowTitle().isEmpty());
    EXPECT_EQ(box->text(), QStringLiteral("Wake-up timer\nis not supported"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(NoticeIsOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(OpenBoxes().empty());
}

// A notice whose text is on screen only beeps; any other gets a box of its own, so that each
// is read. Once answered, the same text opens a box again.
TEST_F(NoticeTest, TheSameNoticeDoesNotPileUpOthersEachGetABox) {
    for (const char* text : {"from a tick", "from a tick", "other", "from a tick"})
        ShowNotice(text);
    QCoreApplication::processEvents();
    EXPECT_EQ(beeps, 4);
    std::vector<QString> texts;
    for (QMessageBox* box : OpenBoxes())
        texts.push_back(box->text());
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<QString>{"from a tick", "other"}));
    for (QMessageBox* box : OpenBoxes())
        box->button(QMessageBox::Ok)->click();

    ShowNotice("from a tick");
    QCoreApplication::processEvents();
    ASSERT_EQ(OpenBoxes().size(), 1u);
    EXPECT_EQ(beeps, 5);
    OpenBoxes().front()->button(QMessageBox::Ok)->click();
}

TEST_F(NoticeTest, WaitingForNoticesEndsWhenTheLastIsAnswered) {
    ShowNotice("first");
    ShowNotice("second");
    int answered = 0;
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (const auto boxes = OpenBoxes(); !boxes.empty()) {
            boxes.front()->button(QMessageBox::Ok)->click();
            ++answered;
        }
    });
    press.start(50);
    WaitForNotices();
    EXPECT_EQ(answered, 2);
    EXPECT_FALSE(NoticeIsOpen());
    WaitForNotices(); // nothing open: returns at once
}

TEST_F(NoticeTest, ThePresenterSeamCountsAsAnOpenBox) {
    std::vector<std::string> shown;
    SetNoticePresenter([&](const std::string& text) {
        shown.push_back(text);
        ShowNotice("outer");
        if (text == "outer")
            ShowNotice("nested");
    });
    ShowNotice("outer");
    SetNoticePresenter(nullptr);
    EXPECT_EQ(shown, (std::vector<std::string>{"outer", "nested"}));
    EXPECT_EQ(beeps, 4);
    EXPECT_FALSE(NoticeIsOpen());
}

TEST_F(NoticeTest, AHoldShowsEachNoticeOnceWhenItEnds) {
    std::vector<std::string> shown;
    SetNoticePresenter([&](const std::string& text) { shown.push_back(text); });
    {
        const NoticeHold outer;
        {
            const NoticeHold inner;
            ShowNotice("first");
            ShowNotice("second");
            ShowNotice("first");
        }
        EXPECT_TRUE(shown.empty()) << "held until the last hold ends";
        EXPECT_EQ(beeps, 1) << "the repeat beeps at once, the others when shown";
    }
    SetNoticePresenter(nullptr);
    EXPECT_EQ(shown, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(beeps, 3);
}

} // namespace
} // namespace quelmo
