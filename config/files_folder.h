// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps its files, and where its help pages are (OS paths, "/" separators,
// no trailing separator).
//
// A portable copy, one with "Quelmo.ini" beside the executable, keeps its files beside itself.
// An installed program cannot write beside itself: it keeps them in the user's configuration
// folder ($XDG_CONFIG_HOME/quelmo), which its first start for the user creates and fills with
// the machine-wide defaults an administrator put in quelmo/ of a system configuration folder
// ($XDG_CONFIG_DIRS, by default /etc/xdg).

#include <string>

namespace quelmo {

// The folder for the files of a program whose executable lies in `exeFolder`; seeds the user's
// folder when this call created it. Never reports: a folder that cannot be made is returned
// all the same, so that reading finds nothing there and writing fails there, and nowhere else.
std::string FilesFolderFor(const std::string& exeFolder);

// The help pages: a "help" folder beside the executable, else the installed data folder found
// from the executable's (<prefix>/bin → <prefix>/share/quelmo/help), else beside the
// executable all the same.
std::string HelpFolderFor(const std::string& exeFolder);

} // namespace quelmo
