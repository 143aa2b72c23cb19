#include "power/stuff.h"

#include "platform/power_manager.h"

#include <cerrno>
#include <cstring>

namespace quelmo {

// PLACEHOLDER: thin versions until the system helpers land.
std::string LastErrorText() {
    const int code = errno;
    if (code == 0)
        return {};
    return " Sys Error: " + std::string(std::strerror(code));
}

bool EnablePrivilege(const AccessToken&, const std::string& privilegeName) {
    if (platform::Power().CanPowerOff())
        return true;
    ShowNotice("AdjustTokenPrivileges(" + privilegeName + ")\nFailed");
    return false;
}

bool OpenURL(const std::string&) {
    return false;
}
bool RunProgram(const std::string&, const std::string&) {
    return false;
}
bool OpenPowerOptions() {
    return false;
}

} // namespace quelmo
