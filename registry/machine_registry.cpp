#include "registry/machine_registry.h"

#include "platform/fs_files.h"
#include "power/ascii_case.h"
#include "registry/desktop_entry.h"
#include "registry/xdg_folders.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

namespace quelmo {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

bool SameKey(const std::string& a, const std::string& b) {
    return AsciiLower(a) == AsciiLower(b);
}

// The entry's file is named by the desktop id of the value, "io.github.quelmo.<name>", so that
// the program's own value "Quelmo" is its desktop id; earlier versions named it after the
// value in lower case, and such an entry still counts. Nothing for a name that could leave
// the folder.
struct EntryFiles {
    std::string current, earlier;
};
std::optional<EntryFiles> EntryFileNames(const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
        return std::nullopt;
    return EntryFiles{"io.github.quelmo." + name + ".desktop", AsciiLower(name) + ".desktop"};
}

std::optional<std::string> ReadFile(const std::string& path) {
    if (!platform::IsRegularFile(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool MakeFolders(const std::string& path) {
    for (std::size_t i = path.find('/', 1); i != std::string::npos; i = path.find('/', i + 1))
        platform::MakeFolder(path.substr(0, i));
    return platform::MakeFolder(path);
}

// Replaces the file whole; an identical file is left untouched.
bool WriteFile(const std::string& path, const std::string& text) {
    if (ReadFile(path) == text)
        return true;
    const std::string temporary = path + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wbe");
    if (!out)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (!platform::SyncAndClose(out) || !written || !platform::RenameFile(temporary, path)) {
        platform::RemoveFile(temporary);
        return false;
    }
    platform::SyncFolderOf(path);
    return true;
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The entry of that file name that the desktop goes by (the user's wins), as the value it
// stands for: "" when hidden or without a program, nothing when there is no such file.
std::optional<std::string> EntryValue(const std::string& user, const std::string& system,
                                      const std::string& file) {
    std::optional<std::string> text;
    if (!user.empty())
        text = ReadFile(user + "/" + file);
    if (!text)
        text = ReadFile(system + "/" + file);
    if (!text)
        return std::nullopt;
    const DesktopEntryFields fields = ParseDesktopEntry(*text);
    if (fields.hidden || !fields.hasExec)
        return std::string();
    return '"' + ProgramOfExec(fields.exec) + '"';
}

void RemoveEntry(const std::string& user, const std::string& system, const std::string& file) {
    const std::string systemFile = system + "/" + file;
    if (!user.empty())
        platform::RemoveFile(user + "/" + file);
    if (platform::IsRegularFile(systemFile))
        platform::RemoveFile(systemFile);
    // Without the right to remove the system-wide entry, a user entry hides it.
    if (platform::IsRegularFile(systemFile) && !user.empty() && MakeFolders(user))
        WriteFile(user + "/" + file, HiddenEntryText());
}

} // namespace

std::string SystemAutostartFolder() {
    return SystemConfigFolders().front() + "/autostart";
}

std::string UserAutostartFolder() {
    const std::string config = UserConfigFolder();
    return config.empty() ? std::string() : config + "/autostart";
}

std::string MachineRegRead(const std::string& key, const std::string& name,
                           const std::string& def) {
    const std::optional<EntryFiles> files = EntryFileNames(name);
    if (!SameKey(key, kRunKey) || !files)
        return def;
    const std::string user = UserAutostartFolder();
    const std::string system = SystemAutostartFolder();
    const std::optional<std::string> current = EntryValue(user, system, files->current);
    if (current && !current->empty())
        return *current;
    // An entry an earlier version wrote starts the program just as well.
    const std::optional<std::string> earlier = EntryValue(user, system, files->earlier);
    if (current || earlier)
        return earlier.value_or(std::string());
    return platform::IsFolder(system) || (!user.empty() && platform::IsFolder(user)) ? std::string()
                                                                                     : def;
}

bool MachineRegWrite(const std::string& key, const std::string& name, const std::string& value) {
    const std::optional<EntryFiles> files = EntryFileNames(name);
    if (!SameKey(key, kRunKey) || !files)
        return false;
    const std::string text = AutostartEntryText(Unquoted(value));
    const std::string system = SystemAutostartFolder();
    const std::string user = UserAutostartFolder();
    bool written = false;
    if (platform::FolderIsWritable(system)) {
        written = WriteFile(system + "/" + files->current, text);
        // The user's entry would win over the one just written.
        if (written && !user.empty())
            platform::RemoveFile(user + "/" + files->current);
    } else {
        written =
            !user.empty() && MakeFolders(user) && WriteFile(user + "/" + files->current, text);
    }
    // An entry under the earlier name would start the program a second time.
    if (written)
        RemoveEntry(user, system, files->earlier);
    return written;
}

void MachineRegDelete(const std::string& key, const std::string& name) {
    const std::optional<EntryFiles> files = EntryFileNames(name);
    if (!SameKey(key, kRunKey) || !files)
        return;
    const std::string user = UserAutostartFolder();
    const std::string system = SystemAutostartFolder();
    RemoveEntry(user, system, files->current);
    RemoveEntry(user, system, files->earlier);
}

} // namespace quelmo
