// SPDX-License-Identifier: GPL-3.0-or-later
// A power request that logind refused, or that never got an answer, in the person's words.
#include "power/switchoff.h"
#include "power/texts.h"

#include <QString>

#include <string_view>

namespace quelmo {

namespace {

struct Reason {
    std::string_view errorName;
    const char* words;
};

// The errors logind's callers meet; any other is told in logind's own words.
constexpr Reason kReasons[] = {
    {"org.freedesktop.DBus.Error.AccessDenied", QT_TRANSLATE_NOOP("Quelmo", "Access denied")},
    {"org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
     QT_TRANSLATE_NOOP("Quelmo", "Authentication is required")},
    {"org.freedesktop.DBus.Error.NoReply", QT_TRANSLATE_NOOP("Quelmo", "No answer in time")},
    {"org.freedesktop.DBus.Error.Timeout", QT_TRANSLATE_NOOP("Quelmo", "No answer in time")},
    {"org.freedesktop.DBus.Error.TimedOut", QT_TRANSLATE_NOOP("Quelmo", "No answer in time")},
    {"org.freedesktop.DBus.Error.Disconnected",
     QT_TRANSLATE_NOOP("Quelmo", "The power manager (logind) cannot be reached")},
    {"org.freedesktop.DBus.Error.ServiceUnknown",
     QT_TRANSLATE_NOOP("Quelmo", "The power manager (logind) cannot be reached")},
    {"org.freedesktop.DBus.Error.NameHasNoOwner",
     QT_TRANSLATE_NOOP("Quelmo", "The power manager (logind) cannot be reached")},
    {"org.freedesktop.DBus.Error.NoServer",
     QT_TRANSLATE_NOOP("Quelmo", "The power manager (logind) cannot be reached")},
    {"org.freedesktop.DBus.Error.NotSupported",
     QT_TRANSLATE_NOOP("Quelmo", "Not supported on this PC")},
    {"org.freedesktop.login1.SleepVerbNotSupported",
     QT_TRANSLATE_NOOP("Quelmo", "Not supported on this PC")},
    {"org.freedesktop.login1.OperationInProgress",
     QT_TRANSLATE_NOOP("Quelmo", "Another shutdown or sleep is already under way")},
    {"org.freedesktop.login1.BlockedByInhibitorLock",
     QT_TRANSLATE_NOOP("Quelmo", "A program is holding it back")},
};

} // namespace

std::string RefusalReason(const std::string& errorName, const std::string& message) {
    for (const Reason& reason : kReasons) {
        if (reason.errorName == errorName)
            return Texts::Tr(reason.words);
    }
    return message.empty() ? errorName : message;
}

std::string RefusalText(int code, const std::string& reason) {
    const char* text =
        code == kHibernate
            ? QT_TRANSLATE_NOOP("Quelmo", "Hibernation was refused by the system: %1")
        : code == kShutDown ? QT_TRANSLATE_NOOP("Quelmo", "Power-off was refused by the system: %1")
                            : QT_TRANSLATE_NOOP("Quelmo", "Standby was refused by the system: %1");
    return Texts::tr(text).arg(QString::fromStdString(reason)).toStdString();
}

} // namespace quelmo
