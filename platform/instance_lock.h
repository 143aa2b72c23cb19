#pragma once
// A named lock held for the life of the process: an exclusive flock on a file of that name in
// the runtime folder ($XDG_RUNTIME_DIR, else /tmp).

#include <string>

namespace quelmo::platform {

class InstanceLock {
public:
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool Valid() const { return mFd >= 0; }
    // Another process held the lock when this one was made.
    bool AlreadyExisted() const { return mAlreadyExisted; }

private:
    int mFd = -1;
    bool mAlreadyExisted = false;
};

// A file of that name in the runtime folder.
std::string RuntimeFilePath(const std::string& name);

// The lock's name, "Quelmo_Multiple_Instance_Mutex" unless a test has chosen another.
const std::string& InstanceLockName();
void SetInstanceLockNameForTesting(std::string name);

} // namespace quelmo::platform
