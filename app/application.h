#pragma once
// The application object: shows exceptions that escape an event handler and goes on.

#include <QApplication>

namespace quelmo {

class QuelmoApplication : public QApplication {
public:
    QuelmoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard exception box.
void ShowExceptionBox(const QString& message);

// Program entry: builds the window, runs the message loop when start-up completed; 0 always.
int RunQuelmo(int argc, char** argv);

} // namespace quelmo
