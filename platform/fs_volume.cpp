#include "platform/fs_volume.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <vector>

namespace quelmo::platform {

std::string ExecutablePath() {
    std::vector<char> buffer(512);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2); // the name may have been cut: ask again with room
    }
}

std::optional<std::uint32_t> FileSystemId(const std::string& path) {
    struct statvfs info {};
    if (path.empty() || ::statvfs(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(info.f_fsid & 0xFFFFFFFFu);
}

} // namespace quelmo::platform
