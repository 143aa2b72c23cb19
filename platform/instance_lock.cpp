#include "platform/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quelmo::platform {

namespace {
std::string& NameSlot() {
    static std::string name = "Quelmo_Multiple_Instance_Mutex";
    return name;
}
} // namespace

const std::string& InstanceLockName() {
    return NameSlot();
}
void SetInstanceLockNameForTesting(std::string name) {
    NameSlot() = std::move(name);
}

std::string RuntimeFilePath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = (runtime && *runtime) ? runtime : "/tmp";
    return folder + "/" + name;
}

InstanceLock::InstanceLock(const std::string& name) {
    const std::string path = RuntimeFilePath(name);
    mFd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (mFd < 0)
        return;
    if (::flock(mFd, LOCK_EX | LOCK_NB) != 0)
        mAlreadyExisted = (errno == EWOULDBLOCK);
}

InstanceLock::~InstanceLock() {
    if (mFd >= 0)
        ::close(mFd); // closing drops the flock
}

} // namespace quelmo::platform
