#pragma once
// Whole files that may be gzip-compressed, as rotated logs are: read through zlib, which
// passes plain files through unchanged.

#include <optional>
#include <string>

namespace quelmo::platform {

// The file's bytes, decompressed when it is gzip data (several members one after the other
// included); nullopt when it cannot be opened or its compressed data is damaged.
std::optional<std::string> ReadMaybeCompressed(const std::string& path);

} // namespace quelmo::platform
