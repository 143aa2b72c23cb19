#include "app/application.h"

#include "app/form1.h"
#include "app/translations.h"
#include "power/stuff.h"
#include "power/texts.h"

#include <QMessageBox>
#include <QPointer>

#include <exception>

namespace quelmo {

QuelmoApplication::QuelmoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quelmo!"));
    // Lets the desktop match the window to the installed desktop entry and its icon.
    setDesktopFileName(QStringLiteral("io.github.quelmo.Quelmo"));
    setQuitOnLastWindowClosed(false);
}

namespace {
std::function<void(const QString&)> gExceptionBox;
}

void SetExceptionBoxForTesting(std::function<void(const QString&)> show) {
    gExceptionBox = std::move(show);
}

void ShowExceptionBox(const QString& message) {
    if (gExceptionBox)
        gExceptionBox(message);
    else
        QMessageBox::critical(nullptr, Texts::tr("Quelmo!"), message);
}

bool QuelmoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowExceptionBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowExceptionBox(QString());
    }
    return false;
}

int RunQuelmo(int argc, char** argv) {
    QuelmoApplication app(argc, argv);
    InstallTranslations(app);
    try {
        QPointer<TForm1> form = new TForm1();
        if (StartupComplete)
            QuelmoApplication::exec();
        else
            WaitForNotices(); // why the start-up was refused
        // "Exit!" has released the window already; a refused start-up or a session end has not.
        delete form.data();
    } catch (const std::exception& e) {
        ShowExceptionBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowExceptionBox(QString());
    }
    return 0;
}

} // namespace quelmo
