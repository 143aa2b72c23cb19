#pragma once
// The running program's own file and the identity of file systems (OS paths, "/" separators).

#include <cstdint>
#include <optional>
#include <string>

namespace quelmo::platform {

// Full path of the running executable; empty when it cannot be found out.
std::string ExecutablePath();

// Low 32 bits of the file system id (statvfs f_fsid) of the file system holding `path`.
std::optional<std::uint32_t> FileSystemId(const std::string& path);

} // namespace quelmo::platform
