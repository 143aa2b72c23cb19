// Helper of config_crash_test: loads the settings of the program folder given, then saves
// them in a loop, each save with the next counter and values derived from it, and reports
// every completed save on standard output, until it is killed.
#include "config/paths.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    quelmo::SetProgramPathForTesting(argv[1]);
    quelmo::InitProgramPaths();
    quelmo::test::FakeHost host;
    quelmo::LoadSettings(host);
    long n = static_cast<long>(host.stored.WhUsed);
    std::printf("ready %ld\n", n);
    std::fflush(stdout);
    for (;;) {
        ++n;
        host.stored.WhUsed = static_cast<double>(n) + 0.75; // the fraction is not stored
        host.stored.WhSaved = static_cast<double>(2 * n);
        host.stored.OnPower = static_cast<double>(n % 1000) + 0.5;
        host.config = "cfg" + std::to_string(n) + ".db";
        quelmo::SaveSettings(host);
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}
