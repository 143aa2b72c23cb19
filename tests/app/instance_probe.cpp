// A copy of Quelmo for the single-instance test: the real window and start-up, with the power
// services replaced, notices printed instead of shown, and the lock and folder given as
// arguments. It runs until its standard input closes; the line "edit" unlocks the details panel,
// changes Monday's first slot and answers with the energy counted so far.
#include "app/form1.h"
#include "config/paths.h"
#include "config/settings.h"
#include "control/remote_control.h"
#include "model/model.h"
#include "platform/instance_lock.h"
#include "schedule/week_schedule.h"
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
    quelmo::Model model;
    auto* form = new quelmo::TForm1(model);
    if (model.State().StartupComplete) {
        quelmo::RemoteControl control(model);
        std::printf("RUNNING\n");
        std::fflush(stdout);
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, form, [form, &model, &input] {
            char line[64] = {};
            const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
            if (got <= 0) {
                input.setEnabled(false);
                form->ExitClick();
            } else if (std::string(line, static_cast<std::size_t>(got)).rfind("edit", 0) == 0) {
                form->SetConfigUnlocked(true);
                quelmo::ProgramState& s = model.StateForTesting();
                s.WeekSchedule[0] = s.WeekSchedule[0] ? 0 : 1;
                std::printf("EDITED %f %s\n", s.WhUsed,
                            quelmo::DayStringOf(s.WeekSchedule, 0).c_str());
                std::fflush(stdout);
            }
        });
        QApplication::exec();
    } else {
        delete form;
    }
    return 0;
}
