#pragma once
// Helpers shared by the configuration tests.

#include "config/config_host.h"
#include "platform/fs_mounts.h"
#include "tests/support/fakes.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace quelmo::test {

// Creates the folders on the way.
inline void WriteBytes(const std::string& osPath, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(osPath).parent_path());
    std::ofstream out(osPath, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::optional<std::string> ReadBytes(const std::string& osPath) {
    std::ifstream in(osPath, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Autostart folders of the test's own (XDG_CONFIG_HOME and XDG_CONFIG_DIRS point into a
// temporary folder), so that no test touches the machine's entries.
class AutostartSandbox {
public:
    AutostartSandbox() {
        mEnvironment.Set("XDG_CONFIG_HOME", Root() + "/home");
        mEnvironment.Set("XDG_CONFIG_DIRS", Root() + "/system");
    }
    std::string Root() const { return mDir.path().toStdString(); }
    std::string UserFolder() const { return Root() + "/home/autostart"; }
    std::string SystemFolder() const { return Root() + "/system/autostart"; }

private:
    QTemporaryDir mDir;
    ScopedEnvironment mEnvironment;
};

// A writable temporary folder on another file system than `path`, or nullptr.
inline std::unique_ptr<QTemporaryDir> FolderOnOtherFileSystem(const std::string& path) {
    const std::string here = platform::MountOf(path).mountPoint;
    std::vector<std::string> candidates = {"/dev/shm", "/run/shm", "/run/user", "/var/tmp", "/tmp"};
    if (const char* home = std::getenv("HOME"))
        candidates.emplace_back(home);
    for (const std::string& candidate : candidates) {
        const std::string mount = platform::MountOf(candidate).mountPoint;
        if (mount.empty() || mount == here)
            continue;
        auto dir = std::make_unique<QTemporaryDir>(QString::fromStdString(candidate) +
                                                   QStringLiteral("/quelmo-test-XXXXXX"));
        if (dir->isValid())
            return dir;
    }
    return nullptr;
}

// A main window stand-in that records what the configuration code sets.
struct FakeHost : ConfigHost {
    StoredState stored;
    std::string config = "Default.db";
    int on = -1, off = -1, standby = -1;
    bool autoStart = false;
    int delayIndex = 0, offIndex = 0;
    bool saveEnabled = true;
    std::vector<std::string> events;

    StoredState& Stored() override { return stored; }
    std::string ConfigText() const override { return config; }
    void SetConfigText(const std::string& text) override { config = text; }
    void SetRatingEdits(int o, int f, int s) override {
        on = o;
        off = f;
        standby = s;
    }
    bool AutoStartChecked() const override { return autoStart; }
    void SetAutoStartChecked(bool checked) override { autoStart = checked; }
    int ActionIndex(ActionList list) const override {
        return list == ActionList::Delay ? delayIndex : offIndex;
    }
    void SetActionIndex(ActionList list, int index) override {
        (list == ActionList::Delay ? delayIndex : offIndex) = index;
        events.push_back(std::string(list == ActionList::Delay ? "Delay=" : "Off=") +
                         std::to_string(index));
    }
    void ActionListChanged(ActionList list) override {
        events.push_back(list == ActionList::Delay ? "DelayChanged" : "OffChanged");
    }
    bool SaveEnabled() const override { return saveEnabled; }
};

} // namespace quelmo::test
