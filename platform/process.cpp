#include "platform/process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace quelmo::platform {

namespace {
std::vector<char*> Argv(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// The child's exit status (−1 for a signal or a lost child) once it has ended, looked for
// every 5 ms; nothing when the time is up first.
std::optional<int> AwaitExit(pid_t pid, int timeoutMs) {
    int status = 0;
    for (int waited = 0;; waited += 5) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (ended < 0 && errno != EINTR)
            return -1;
        if (waited >= timeoutMs)
            return std::nullopt;
        const timespec pause{0, 5 * 1000000L};
        ::nanosleep(&pause, nullptr);
    }
}
} // namespace

std::uint32_t OwnProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

int RunAndWait(const std::vector<std::string>& arguments, int timeoutMs) {
    if (arguments.empty() || arguments.front().empty())
        return -1;
    auto argv = Argv(arguments);
    posix_spawn_file_actions_t files;
    ::posix_spawn_file_actions_init(&files);
    ::posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&files);
    if (error != 0)
        return -1;
    if (const auto code = AwaitExit(pid, timeoutMs))
        return *code;
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return -1;
}

bool SpawnDetached(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) {
        errno = ENOENT;
        return false;
    }
    auto argv = Argv(arguments);
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
