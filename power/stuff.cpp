#include "power/stuff.h"
#include "power/ascii_case.h"
#include "power/linux_wording.h"
#include "power/texts.h"

#include "platform/process.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quelmo {

namespace {
UrlOpener gUrlOpener;
ProgramRunner gProgramRunner;

// The entries of the runtime's error table: codes 0 to 48.
constexpr int kRuntimeErrorTableSize = 49;
// The hyperlink service takes at most this many characters.
constexpr std::size_t kMaxUrlLength = 255;

struct PowerSettingsProgram {
    const char* desktop; // as named in XDG_CURRENT_DESKTOP
    const char* program;
    const char* parameters;
};
// In order of preference when the desktop is none of these.
constexpr std::array<PowerSettingsProgram, 8> kPowerSettings{{
    {"GNOME", "gnome-control-center", "power"},
    {"KDE", "systemsettings", "kcm_powerdevilprofilesconfig"},
    {"KDE", "systemsettings5", "powerdevilprofilesconfig"},
    {"XFCE", "xfce4-power-manager-settings", ""},
    {"MATE", "mate-power-preferences", ""},
    {"X-Cinnamon", "cinnamon-settings", "power"},
    {"LXQt", "lxqt-config-powermanagement", ""},
    {"Unity", "unity-control-center", "power"},
}};

std::vector<std::string> SplitDesktops(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start)
            names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}
} // namespace

std::string LastErrorText() {
    // Marked with their context: lupdate loses the class's scope in a function returning
    // std::string.
    static constexpr const char* kSysError = QT_TRANSLATE_NOOP("Quelmo", " Sys Error: ");
    static constexpr const char* kError = QT_TRANSLATE_NOOP("Quelmo", " Error: ");
    const int code = errno;
    if (code == 0)
        return {};
    if (code > 0 && code < kRuntimeErrorTableSize)
        return Texts::Tr(kSysError) + std::string(std::strerror(code));
    return Texts::Tr(kError) + std::to_string(code);
}

bool EnablePrivilege(const AccessToken& token, const std::string& privilegeName) {
    if (token.grantable.count(privilegeName) != 0)
        return true;
    errno = EPERM;
    ShowNotice(privilegeName == kShutdownPrivilegeName
                   ? Texts::Tr(wording::kPowerOffNotPermitted)
                   : Texts::tr(wording::kPrivilegeNotPermitted)
                         .arg(QString::fromStdString(privilegeName))
                         .toStdString());
    return false;
}

void SetUrlOpener(UrlOpener opener) {
    gUrlOpener = std::move(opener);
}

bool OpenURL(const std::string& url) {
    std::string target =
        StartsWithIgnoringAsciiCase(url, "http://") || StartsWithIgnoringAsciiCase(url, "file://")
            ? url
            : "http://" + url;
    if (target.size() > kMaxUrlLength)
        target.resize(kMaxUrlLength);
    if (gUrlOpener)
        return gUrlOpener(target);
    return QDesktopServices::openUrl(QUrl(QString::fromLatin1(target)));
}

std::vector<std::string> CommandArguments(const std::string& program,
                                          const std::string& parameters) {
    std::vector<std::string> arguments{program};
    std::string current;
    bool inArgument = false, quoted = false;
    for (const char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument)
                arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current.push_back(c);
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}

void SetProgramRunner(ProgramRunner runner) {
    gProgramRunner = std::move(runner);
}

bool RunProgram(const std::string& program, const std::string& parameters) {
    const std::vector<std::string> arguments = CommandArguments(program, parameters);
    if (gProgramRunner)
        return gProgramRunner(arguments);
    return platform::SpawnDetached(arguments);
}

PowerOptionsCommandLine
PowerOptionsCommand(const std::string& currentDesktop,
                    const std::function<bool(const std::string& program)>& onPath) {
    for (const std::string& desktop : SplitDesktops(currentDesktop)) {
        for (const auto& entry : kPowerSettings) {
            if (desktop == entry.desktop && onPath(entry.program))
                return {entry.program, entry.parameters};
        }
    }
    for (const auto& entry : kPowerSettings) {
        if (onPath(entry.program))
            return {entry.program, entry.parameters};
    }
    return {};
}

bool OpenPowerOptions() {
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    const auto command = PowerOptionsCommand(desktop ? desktop : "", [](const std::string& name) {
        return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
    });
    if (command.program.empty())
        return false;
    return RunProgram(command.program, command.parameters);
}

} // namespace quelmo
