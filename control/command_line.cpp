// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/command_line.h"

#include "platform/session_control.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quelmo {

namespace {
// The texts a person reads, in one place.
const char* const kDescription = "Switch the PC off by a weekly schedule and wake it again.\n"
                                 "With an option, ask the running copy instead of starting one.";
const char* const kNoCopy = "Quelmo! is not running";
const char* const kOneCommand = "Give only one of --status, --switch-off, --now, --cancel, --show";
const char* const kActionAlone = "--action goes with --switch-off or --now";
const char* const kBadMinutes = "MINUTES must be a whole number from 1 to 60";

const QStringList kCommands = {QStringLiteral("status"), QStringLiteral("switch-off"),
                               QStringLiteral("now"), QStringLiteral("cancel"),
                               QStringLiteral("show")};

void Say(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
}

int Finish(const platform::ControlReply& reply) {
    switch (reply.outcome) {
    case platform::ControlReply::Done:
        return kCommandDone;
    case platform::ControlReply::NoCopy:
        Say(stderr, QString::fromUtf8(kNoCopy));
        return kCommandNoCopy;
    case platform::ControlReply::Refused:
        break;
    }
    Say(stderr, reply.message);
    return kCommandRefused;
}

int PrintStatus() {
    const platform::ControlReply reply = platform::ReadControlProperties();
    if (reply.outcome != platform::ControlReply::Done)
        return Finish(reply);
    const QVariantMap& p = reply.properties;
    // One "Name: value" line each, for people and for scripts alike.
    Say(stdout, QStringLiteral("Status: %1").arg(p.value(QStringLiteral("Status")).toString()));
    Say(stdout, QStringLiteral("Action: %1").arg(p.value(QStringLiteral("Action")).toString()));
    Say(stdout,
        QStringLiteral("SecondsLeft: %1").arg(p.value(QStringLiteral("SecondsLeft"), -1).toInt()));
    Say(stdout, QStringLiteral("KwhUsed: %1")
                    .arg(p.value(QStringLiteral("KwhUsed")).toDouble(), 0, 'f', 2));
    Say(stdout, QStringLiteral("KwhSaved: %1")
                    .arg(p.value(QStringLiteral("KwhSaved")).toDouble(), 0, 'f', 2));
    Say(stdout, QStringLiteral("Locked: %1")
                    .arg(p.value(QStringLiteral("Locked")).toBool() ? QStringLiteral("yes")
                                                                    : QStringLiteral("no")));
    return kCommandDone;
}
} // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("status"), QStringLiteral("Print what the running copy will do next.")},
        {QStringLiteral("switch-off"), QStringLiteral("Switch the PC off in MINUTES (1 to 60)."),
         QStringLiteral("MINUTES")},
        {QStringLiteral("now"), QStringLiteral("Switch the PC off in a few seconds.")},
        {QStringLiteral("action"),
         QStringLiteral("With --switch-off or --now: standby, hibernate or poweroff."),
         QStringLiteral("ACTION")},
        {QStringLiteral("cancel"), QStringLiteral("Cancel the pending switch-off.")},
        {QStringLiteral("show"), QStringLiteral("Bring the window up.")},
    });
    // Options of Qt's own (-platform, -style …) are left to the program, which ignores the rest.
    parser.parse(arguments);
    QStringList asked;
    for (const QString& command : kCommands)
        if (parser.isSet(command))
            asked << command;
    const bool anything = !asked.isEmpty() || parser.isSet(help) || parser.isSet(version) ||
                          parser.isSet(QStringLiteral("action"));
    if (!anything)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelmo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELMO_VERSION));
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return kCommandDone;
    }
    if (parser.isSet(version)) {
        Say(stdout, QStringLiteral("quelmo %1").arg(QCoreApplication::applicationVersion()));
        return kCommandDone;
    }
    if (!parser.errorText().isEmpty()) {
        Say(stderr, parser.errorText());
        return kCommandRefused;
    }
    if (asked.size() != 1) {
        Say(stderr, QString::fromUtf8(asked.isEmpty() ? kActionAlone : kOneCommand));
        return kCommandRefused;
    }
    const QString command = asked.front();
    const QString action = parser.value(QStringLiteral("action"));
    if (!action.isEmpty() && command != QLatin1String("switch-off") &&
        command != QLatin1String("now")) {
        Say(stderr, QString::fromUtf8(kActionAlone));
        return kCommandRefused;
    }
    if (command == QLatin1String("status"))
        return PrintStatus();
    if (command == QLatin1String("switch-off")) {
        bool number = false;
        const int minutes = parser.value(command).toInt(&number);
        if (!number) {
            Say(stderr, QString::fromUtf8(kBadMinutes));
            return kCommandRefused;
        }
        return Finish(platform::CallRunningCopy(QStringLiteral("SwitchOff"), {minutes, action}));
    }
    if (command == QLatin1String("now"))
        return Finish(platform::CallRunningCopy(QStringLiteral("SwitchOffNow"), {action}));
    if (command == QLatin1String("cancel"))
        return Finish(platform::CallRunningCopy(QStringLiteral("Cancel")));
    return Finish(platform::CallRunningCopy(QStringLiteral("Show")));
}

} // namespace quelmo
