#pragma once
// Files that may be gzip-compressed, as rotated logs are: read through zlib, which passes plain
// files through unchanged, piece by piece so that a large log never sits in memory whole.

#include <functional>
#include <string>
#include <string_view>

namespace quelmo::platform {

// Hands the file's bytes to `piece` in order, decompressed when it is gzip data (several
// members one after the other included); each piece is valid only during its call. False when
// the file cannot be opened or its compressed data is damaged (the pieces before the damage
// have been handed out).
bool ReadMaybeCompressed(const std::string& path,
                         const std::function<void(std::string_view piece)>& piece);

} // namespace quelmo::platform
