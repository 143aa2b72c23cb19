// The "Start with Windows" check box against the autostart list.
#include "config/settings.h"

#include "config/paths.h"
#include "registry/machine_registry.h"

namespace quelmo {

namespace {
const char* const kValueName = "Quelmo";
}

bool AutoStartIsSet() {
    const std::string value = MachineRegRead(kRunKey, kValueName, "");
    const std::string program = FileNameOf(ExePath());
    return !program.empty() && value.find(program) != std::string::npos;
}

void SetAutoStart(bool on) {
    if (on)
        MachineRegWrite(kRunKey, kValueName, "\"" + ProgramFileOsPath() + "\"");
    else
        MachineRegDelete(kRunKey, kValueName);
}

} // namespace quelmo
