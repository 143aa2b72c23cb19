#pragma once
// The window started for tests of the details panel and the schedule rows: keys and mouse
// through Qt's own event path, and the screen as the window shows it.

#include "tests/support/form_fixture.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <string>
#include <vector>

namespace quelmo::test {

class PanelTest : public FormTest {
protected:
    void SetUp() override {
        // Saving the settings also writes the autostart entry: keep it in the test's folder.
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
            const char* value = std::getenv(name);
            saved.push_back({name, value != nullptr, value ? value : ""});
            setenv(name, (folder.Path() + "xdg-" + name).c_str(), 1);
        }
    }
    void TearDown() override {
        FormTest::TearDown();
        for (const auto& s : saved) {
            if (s.had)
                setenv(s.name.c_str(), s.value.c_str(), 1);
            else
                unsetenv(s.name.c_str());
        }
    }

public:
    // Types into the login field key by key, as a keyboard would.
    void TypeLogin(const char* text) { QTest::keyClicks(form->Login, QString::fromLatin1(text)); }
    void LogIn() {
        TypeLogin("wren");
        ASSERT_EQ(S().LockCountdown, 300);
    }

    // The widget as it stands on the screen, once pending paints are done.
    static QImage OnScreen(QWidget* widget) {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        QWidget* top = widget->window();
        const QPoint at = widget->mapTo(top, QPoint(0, 0));
        return top->screen()
            ->grabWindow(top->winId(), at.x(), at.y(), widget->width(), widget->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Mouse events at a point of a control, delivered to the window as the system would.
    QPoint InWindow(QWidget* control, QPoint p) const { return control->mapTo(form.get(), p); }
    void Press(QWidget* control, int x, Qt::KeyboardModifiers mods = {},
               Qt::MouseButton button = Qt::LeftButton, int y = 8) {
        QTest::mousePress(form->windowHandle(), button, mods, InWindow(control, {x, y}));
    }
    void Move(QWidget* control, int x, int y = 8) {
        QTest::mouseMove(form->windowHandle(), InWindow(control, {x, y}));
    }
    void Release(QWidget* control, int x, Qt::KeyboardModifiers mods = {},
                 Qt::MouseButton button = Qt::LeftButton, int y = 8) {
        QTest::mouseRelease(form->windowHandle(), button, mods, InWindow(control, {x, y}));
    }
    void Click(QWidget* control) {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                          InWindow(control, control->rect().center()));
    }

protected:
    struct Saved {
        std::string name;
        bool had;
        std::string value;
    };
    std::vector<Saved> saved;
};

} // namespace quelmo::test
