#include "app/application.h"
#include "control/command_line.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (const auto code = quelmo::RunCommandLine(argc, argv)) {
        // Qt's bus thread may still be dispatching the bus's own greeting while static objects
        // are destroyed at a normal exit; a finished command has nothing left to tidy.
        std::fflush(nullptr);
        std::quick_exit(*code);
    }
    return quelmo::RunQuelmo(argc, argv);
}
