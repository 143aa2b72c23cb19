// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's control interface on the session bus: the running copy serves it, the command
// line and a second start call it.

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

namespace quelmo::platform {

inline constexpr const char* kControlService = "io.github.quelmo.Quelmo";
inline constexpr const char* kControlPath = "/io/github/quelmo/Quelmo";
inline constexpr const char* kControlInterface = "io.github.quelmo.Quelmo";

// The values the interface publishes as properties.
struct ControlState {
    QString status;
    QString action;       // empty when nothing is pending
    int secondsLeft = -1; // −1 when nothing is pending
    double kwhUsed = 0;
    double kwhSaved = 0;
    bool locked = true;
    bool operator==(const ControlState&) const = default;
};

// A refusal: a D-Bus error name and the message the caller sees. Empty = done.
struct ControlError {
    QString name;
    QString message;
    bool Failed() const { return !name.isEmpty(); }
};

// What the interface asks of the program.
class ControlTarget {
public:
    virtual ~ControlTarget() = default;
    // Before a property is read or a method runs: the published state may be brought up to date.
    virtual void BeforeRead() {}
    virtual void Show() = 0;
    // `action` may be empty: the action chosen in the window stays.
    virtual ControlError SwitchOff(int minutes, const QString& action) = 0;
    virtual ControlError SwitchOffNow(const QString& action) = 0;
    virtual ControlError Cancel() = 0;
    virtual ControlError Resume() = 0;
};

class ControlObject;

// Serves the interface for `target` while it lives.
class ControlService {
public:
    explicit ControlService(ControlTarget& target);
    ~ControlService();
    ControlService(const ControlService&) = delete;
    ControlService& operator=(const ControlService&) = delete;

    // Owns the name and serves the object; false without a session bus or when another
    // process owns the name.
    bool Serving() const { return mServing; }
    // Takes the new values, which Get answers from then on. PropertiesChanged carries those
    // that differ from the values last announced; `holdCount` keeps a change of the countdown
    // alone (Status and SecondsLeft) back until the next announcement.
    void Publish(const ControlState& state, bool holdCount = false);
    const ControlState& State() const { return mState; }
    const ControlState& Announced() const { return mAnnounced; }

private:
    std::unique_ptr<ControlObject> mObject;
    ControlState mState, mAnnounced;
    bool mServing = false;
};

// The answer of the running copy.
struct ControlReply {
    enum Outcome { Done, NoCopy, Refused };
    Outcome outcome = NoCopy;
    QString message;        // the refusal's message
    QVariantMap properties; // for ReadControlProperties
};

// Calls `method` of the running copy with `arguments`.
ControlReply CallRunningCopy(const QString& method, const QVariantList& arguments = {});
// All properties of the running copy.
ControlReply ReadControlProperties();

} // namespace quelmo::platform
