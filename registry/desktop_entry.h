#pragma once
// The few rules of XDG desktop entries that an autostart entry needs.

#include <string>

namespace quelmo {

// An Exec value that starts exactly `program`: the path in double quotes with `"`, `` ` ``,
// `$` and `\` escaped, `%` doubled, and the string escapes applied over that.
std::string ExecValueFor(const std::string& program);
// The program an Exec value starts (its first argument, unquoted); empty when there is none.
std::string ProgramOfExec(const std::string& execValue);

struct DesktopEntryFields {
    bool hasExec = false;
    std::string exec;
    bool hidden = false;
};
// The Exec and Hidden keys of the "[Desktop Entry]" group.
DesktopEntryFields ParseDesktopEntry(const std::string& text);

// The entry that starts `program` at log-in, and one that hides an entry of that name.
std::string AutostartEntryText(const std::string& program);
std::string HiddenEntryText();

} // namespace quelmo
