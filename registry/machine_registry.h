#pragma once
// The per-machine autostart list, reached the way the rest of the system asks for it: a key,
// a value name, a string. The one key with a counterpart here is the Run key; each value of
// it is an XDG autostart entry "io.github.quelmo.<name>.desktop" (for "Quelmo" the program's
// desktop id) whose Exec starts the program the value names. Entries are written in the
// system-wide autostart folder (the first folder of XDG_CONFIG_DIRS, by default /etc/xdg) when
// it can be written, else in the user's ($XDG_CONFIG_HOME, by default ~/.config); reading
// looks at the user's entry first, and an entry with Hidden=true counts as absent. An entry
// "<name in lower case>.desktop" of earlier versions is read too, and replaced by writing.

#include <string>

namespace quelmo {

extern const char* const kRunKey; // "Software\Microsoft\Windows\CurrentVersion\Run"

// The value ("\"" + program + "\""), "" when the entry is missing or hidden, `def` when no
// autostart folder exists or the key has no counterpart.
std::string MachineRegRead(const std::string& key, const std::string& name, const std::string& def);
// Writes the entry that starts the program in `value` (surrounding quotes optional).
bool MachineRegWrite(const std::string& key, const std::string& name, const std::string& value);
// Removes the entry; one that cannot be removed is hidden by a user entry.
void MachineRegDelete(const std::string& key, const std::string& name);

// The two autostart folders as OS paths (empty when there is no user folder).
std::string SystemAutostartFolder();
std::string UserAutostartFolder();

} // namespace quelmo
