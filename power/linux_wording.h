// SPDX-License-Identifier: GPL-3.0-or-later
// Texts whose first wording named parts of another operating system (a library, a system
// call, a dialogue) or carried a typo. Each now names the Linux part that stands in for it,
// keeping the text's meaning and line breaks. A new text of that kind belongs here, too.
#pragma once

#include <QtGlobal>

namespace quelmo::wording {

// Start-up, when logind cannot be reached on the system bus.
// Was "Could not load (or use) PowrProf.dll - Aborting".
inline constexpr const char* kPowerManagerUnreachable =
    QT_TRANSLATE_NOOP("Quelmo", "Could not reach the power manager (logind) - Aborting");
// Power-off refused by polkit (the shutdown privilege).
// Was "AdjustTokenPrivileges(SeShutdownPrivilege)\nFailed".
inline constexpr const char* kPowerOffNotPermitted = QT_TRANSLATE_NOOP(
    "Quelmo", "Power-off is not permitted\n(polkit: org.freedesktop.login1.power-off)");
// Any other privilege; %1 is its name. Was "AdjustTokenPrivileges(%1)\nFailed".
inline constexpr const char* kPrivilegeNotPermitted =
    QT_TRANSLATE_NOOP("Quelmo", "%1\nis not permitted");
// The wake-up timer (a timerfd) could not be made, or could not be armed.
// Were "CreateWaitableTimer()\nfailed\n" and "SetWaitableTimer()\nfailed".
inline constexpr const char* kWakeTimerCreateFailed =
    QT_TRANSLATE_NOOP("Quelmo", "Wake-up timer (timerfd)\ncould not be created\n");
inline constexpr const char* kWakeTimerSetFailed =
    QT_TRANSLATE_NOOP("Quelmo", "Wake-up timer (timerfd)\ncould not be set");
// Follows a power action's "not available" notice.
// Was "\nCheck the Windows\nPower Options dialogue".
inline constexpr const char* kCheckPowerSettings =
    QT_TRANSLATE_NOOP("Quelmo", "\nCheck the system's\npower settings");
// The check box for the XDG autostart entry. Was "Start with Windows".
inline constexpr const char* kStartAtLogIn = QT_TRANSLATE_NOOP("Quelmo", "Start at log-in");
// The button that opens the desktop's power settings program. Was "PC Power Options".
inline constexpr const char* kPowerSettingsButton =
    QT_TRANSLATE_NOOP("Quelmo", "PC Power Settings");
// The password group box. Was "Change Pasword".
inline constexpr const char* kChangePassword = QT_TRANSLATE_NOOP("Quelmo", "Change Password");

} // namespace quelmo::wording
