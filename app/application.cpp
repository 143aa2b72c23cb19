#include "app/application.h"

#include "app/form1.h"
#include "app/translations.h"
#include "control/remote_control.h"
#include "model/model.h"
#include "notify/countdown_notification.h"
#include "power/stuff.h"
#include "power/texts.h"

#include <QMessageBox>
#include <QPointer>
#include <QSessionManager>

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
        Model model;
        // The window runs the model's start-up.
        QPointer<TForm1> form = new TForm1(model);
        if (model.State().StartupComplete) {
            // The other views, for the life of the program or until the session ends.
            auto control = std::make_unique<RemoteControl>(model);
            auto notification = std::make_unique<CountdownNotification>(model);
            QObject viewsAlive; // goes first: the model's end never reaches views already gone
            QObject::connect(&model, &Model::Ending, &viewsAlive, [&] {
                control.reset();
                notification.reset();
            });
            // Saving is all the session needs from us; a log-out is never held up or cancelled.
            QObject::connect(&app, &QGuiApplication::commitDataRequest, &model,
                             [&model](QSessionManager&) { model.EndSession(); });
            QuelmoApplication::exec();
        } else {
            WaitForNotices(); // why the start-up was refused
        }
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
