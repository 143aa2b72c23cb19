#include "platform/process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace quelmo::platform {

std::uint32_t OwnProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

bool SpawnDetached(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) {
        errno = ENOENT;
        return false;
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    // glibc reports a failed exec (a missing program) here rather than in the child.
    const int error = ::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        errno = error;
        return false;
    }
    // Nobody waits for the program, but it must not stay a zombie until Quelmo ends.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

} // namespace quelmo::platform
