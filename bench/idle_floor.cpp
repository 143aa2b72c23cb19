// The least a Qt Widgets program hidden in the notification area can cost when it wakes once a
// second: a tray icon, a hidden window and a one-second timer that does nothing. The idle
// measurement runs it beside Quelmo, so that the machine's own price of a wake-up shows.
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QWidget window;
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkGreen);
    QSystemTrayIcon icon{QIcon(pixmap)};
    icon.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start(1000);
    return app.exec();
}
