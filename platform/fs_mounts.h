#pragma once
// Which mounted file system holds a path (OS paths, "/" separators).

#include <optional>
#include <string>

namespace quelmo::platform {

struct MountEntry {
    std::string mountPoint; // "/" or "/mnt/data", no trailing separator except for the root
    std::string type;       // "ext4", "nfs4", "fuse.sshfs", …
};

// The file system holding `path`, found in the mount table by the longest mount point that
// contains the path's real location (symbolic links of its existing part resolved). A path
// that does not exist yet belongs where its nearest existing folder is. Empty fields when the
// mount table cannot be read.
MountEntry MountOf(const std::string& path);

// nfs, cifs, smb3 and sshfs (and their variants).
bool IsNetworkFileSystem(const std::string& type);

// The mount table in /proc/self/mountinfo syntax instead of the real one; std::nullopt returns
// to the real table.
void SetMountTableForTesting(std::optional<std::string> mountInfo);

} // namespace quelmo::platform
