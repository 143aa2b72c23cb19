#include "config/machine_registry.h"

#include "config/desktop_entry.h"
#include "platform/fs_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace quelmo {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

bool SameKey(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The entry's file name, or nothing for a name that could leave the folder.
std::optional<std::string> EntryFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
        return std::nullopt;
    std::string file = name;
    for (char& c : file)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return file + ".desktop";
}

std::string AbsoluteEnv(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0] == '/' ? std::string(value) : std::string();
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

} // namespace

std::string SystemAutostartFolder() {
    std::string dirs = AbsoluteEnv("XDG_CONFIG_DIRS");
    dirs = dirs.substr(0, dirs.find(':'));
    return (dirs.empty() ? std::string("/etc/xdg") : dirs) + "/autostart";
}

std::string UserAutostartFolder() {
    std::string home = AbsoluteEnv("XDG_CONFIG_HOME");
    if (home.empty()) {
        home = AbsoluteEnv("HOME");
        if (home.empty())
            return {};
        home += "/.config";
    }
    return home + "/autostart";
}

std::string MachineRegRead(const std::string& key, const std::string& name,
                           const std::string& def) {
    const std::optional<std::string> file = EntryFileName(name);
    if (!SameKey(key, kRunKey) || !file)
        return def;
    const std::string user = UserAutostartFolder();
    const std::string system = SystemAutostartFolder();
    std::optional<std::string> text;
    if (!user.empty())
        text = ReadFile(user + "/" + *file);
    if (!text)
        text = ReadFile(system + "/" + *file);
    if (!text)
        return platform::IsFolder(system) || (!user.empty() && platform::IsFolder(user))
                   ? std::string()
                   : def;
    const DesktopEntryFields fields = ParseDesktopEntry(*text);
    if (fields.hidden || !fields.hasExec)
        return {};
    return "\"" + ProgramOfExec(fields.exec) + "\"";
}

bool MachineRegWrite(const std::string& key, const std::string& name, const std::string& value) {
    const std::optional<std::string> file = EntryFileName(name);
    if (!SameKey(key, kRunKey) || !file)
        return false;
    const std::string text = AutostartEntryText(Unquoted(value));
    const std::string system = SystemAutostartFolder();
    const std::string user = UserAutostartFolder();
    if (platform::FolderIsWritable(system)) {
        if (!WriteFile(system + "/" + *file, text))
            return false;
        // The user's entry would win over the one just written.
        if (!user.empty())
            platform::RemoveFile(user + "/" + *file);
        return true;
    }
    return !user.empty() && MakeFolders(user) && WriteFile(user + "/" + *file, text);
}

void MachineRegDelete(const std::string& key, const std::string& name) {
    const std::optional<std::string> file = EntryFileName(name);
    if (!SameKey(key, kRunKey) || !file)
        return;
    const std::string user = UserAutostartFolder();
    const std::string systemFile = SystemAutostartFolder() + "/" + *file;
    if (!user.empty())
        platform::RemoveFile(user + "/" + *file);
    if (platform::IsRegularFile(systemFile))
        platform::RemoveFile(systemFile);
    // Without the right to remove the system-wide entry, a user entry hides it.
    if (platform::IsRegularFile(systemFile) && !user.empty() && MakeFolders(user))
        WriteFile(user + "/" + *file, HiddenEntryText());
}

} // namespace quelmo
