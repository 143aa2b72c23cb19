// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's configuration folders (XDG base directories), as OS paths without a trailing
// separator. A variable that is unset, empty or not an absolute path counts as missing.

#include <string>
#include <vector>

namespace quelmo {

// $XDG_CONFIG_HOME, else .config in the home folder ($HOME, else the user's entry in the
// password database); empty when there is no home folder.
std::string UserConfigFolder();
// The absolute entries of $XDG_CONFIG_DIRS in their order, else /etc/xdg; never empty.
std::vector<std::string> SystemConfigFolders();

} // namespace quelmo
