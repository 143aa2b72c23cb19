// ShowNotice with the real modal box on the offscreen platform.
#include "power/stuff.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

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

TEST_F(NoticeTest, ABoxWithEmptyCaptionAndOnlyOk) {
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        const auto boxes = OpenBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        QMessageBox* box = boxes.front();
        EXPECT_TRUE(box->isModal());
        EXPECT_TRUE(box->windowTitle().isEmpty());
        EXPECT_EQ(box->text(), QStringLiteral("Wake-up timer\nis not supported"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(NoticeIsOpen());
        inspected = true;
        box->button(QMessageBox::Ok)->click();
    });
    ShowNotice("Wake-up timer\nis not supported");
    EXPECT_TRUE(inspected);
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(NoticeIsOpen());
}

TEST_F(NoticeTest, TicksWhileABoxIsOpenOnlyBeepThenTheNextNoticeShowsAgain) {
    QTimer tick;
    int ticks = 0;
    std::size_t mostBoxes = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ShowNotice("from a tick"); // runs inside the first box's event loop
        mostBoxes = std::max(mostBoxes, OpenBoxes().size());
        if (++ticks == 3) {
            tick.stop();
            for (QMessageBox* box : OpenBoxes())
                box->button(QMessageBox::Ok)->click();
        }
    });
    tick.start(5);
    ShowNotice("first");
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(mostBoxes, 1u);
    EXPECT_EQ(beeps, 4); // the first notice and each tick's

    QString shown;
    QTimer::singleShot(0, [&] {
        const auto boxes = OpenBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        shown = boxes.front()->text();
        boxes.front()->button(QMessageBox::Ok)->click();
    });
    ShowNotice("after");
    EXPECT_EQ(shown, QStringLiteral("after"));
    EXPECT_EQ(beeps, 5);
}

TEST_F(NoticeTest, ThePresenterSeamCountsAsAnOpenBox) {
    std::vector<std::string> shown;
    SetNoticePresenter([&](const std::string& text) {
        shown.push_back(text);
        ShowNotice("nested");
    });
    ShowNotice("outer");
    SetNoticePresenter(nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{"outer"});
    EXPECT_EQ(beeps, 2);
}

TEST_F(NoticeTest, AHoldShowsItsFirstNoticeWhenItEndsAndOnlyBeepsForTheRest) {
    std::vector<std::string> shown;
    SetNoticePresenter([&](const std::string& text) { shown.push_back(text); });
    {
        const NoticeHold outer;
        {
            const NoticeHold inner;
            ShowNotice("first");
            ShowNotice("second");
        }
        EXPECT_TRUE(shown.empty()) << "held until the last hold ends";
        EXPECT_EQ(beeps, 1);
    }
    SetNoticePresenter(nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{"first"});
    EXPECT_EQ(beeps, 2);
}

} // namespace
} // namespace quelmo
