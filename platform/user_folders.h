// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own folders (OS paths, "/" separators).

#include <string>

namespace quelmo::platform {

// The home folder the password database gives the user running the program; empty when it
// has none.
std::string HomeFolderOfUser();

// Creates one folder level readable by its owner only. True only when this call created it:
// a folder that already existed, or one that could not be made, gives false.
bool CreatePrivateFolder(const std::string& path);

} // namespace quelmo::platform
