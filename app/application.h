#pragma once
// The application object: shows exceptions that escape an event handler and goes on.

#include <QApplication>

#include <functional>

namespace quelmo {

class QuelmoApplication : public QApplication {
public:
    QuelmoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard exception box.
void ShowExceptionBox(const QString& message);
// Test seam: shows the box's message some other way; nullptr for the real box.
void SetExceptionBoxForTesting(std::function<void(const QString&)> show);

// Program entry: builds the window, runs the message loop when start-up completed; 0 always.
int RunQuelmo(int argc, char** argv);

} // namespace quelmo
