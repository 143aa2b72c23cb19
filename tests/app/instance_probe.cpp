// A copy of Quelmo for the single-instance test: the real window and start-up, with the power
// services replaced, notices printed instead of shown, and the lock and folder given as
// arguments. It runs until its standard input closes.
#include "app/form1.h"
#include "config/paths.h"
#include "platform/instance_lock.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The autostart entry goes into the given folder, never into the desktop's own.
    setenv("XDG_CONFIG_HOME", (std::string(argv[2]) + "/xdg-home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (std::string(argv[2]) + "/xdg-system").c_str(), 1);
    QApplication app(argc, argv);
    quelmo::platform::SetInstanceLockNameForTesting(argv[1]);
    quelmo::SetProgramPathForTesting(std::string(argv[2]) + "/quelmo");
    quelmo::test::PowerDoubles doubles;
    quelmo::SetNoticePresenter([](const std::string& text) {
        std::printf("NOTICE:%s\n", text.c_str());
        std::fflush(stdout);
    });
    auto* form = new quelmo::TForm1();
    if (quelmo::StartupComplete) {
        std::printf("RUNNING\n");
        std::fflush(stdout);
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, form, &quelmo::TForm1::ExitClick);
        QApplication::exec();
    } else {
        delete form;
    }
    return 0;
}
