// Runs the real program entry with a failure during the window's construction: the notice of
// a refused start-up throws. Prints what the exception box would show.
#include "app/application.h"
#include "config/paths.h"
#include "platform/instance_lock.h"
#include "power/stuff.h"
#include "tests/support/fakes.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The autostart entry goes into the given folder, never into the desktop's own.
    setenv("XDG_CONFIG_HOME", (std::string(argv[1]) + "/xdg-home").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (std::string(argv[1]) + "/xdg-system").c_str(), 1);
    quelmo::platform::SetInstanceLockNameForTesting("Quelmo_exception_probe_" +
                                                    std::to_string(getpid()));
    quelmo::SetProgramPathForTesting(std::string(argv[1]) + "/quelmo");
    quelmo::test::PowerDoubles doubles;
    doubles.power.reachable = false;
    quelmo::SetNoticePresenter(
        [](const std::string& text) { throw std::runtime_error("while showing: " + text); });
    quelmo::SetExceptionBoxForTesting([](const QString& message) {
        std::printf("EXCEPTION:%s\n", message.toLocal8Bit().constData());
        std::fflush(stdout);
    });
    return quelmo::RunQuelmo(argc, argv);
}
