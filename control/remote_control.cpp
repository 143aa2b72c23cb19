// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/remote_control.h"

#include "model/model.h"
#include "power/switchoff.h"

#include <cmath>

namespace quelmo {

namespace {
// The refusals the caller reads.
const QString kBadArguments = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString kRefused = QStringLiteral("io.github.quelmo.Quelmo.Error.Refused");
QString MinutesOutOfRange(int minutes) {
    return QStringLiteral("Minutes must be 1 to 60, not %1").arg(minutes);
}
QString UnknownAction(const QString& action) {
    return QStringLiteral("Unknown action \"%1\": use standby, hibernate or poweroff").arg(action);
}
QString NotAvailable(const QString& action) {
    return QStringLiteral("%1 is not available on this PC").arg(action);
}
const QString kNothingToCancel = QStringLiteral("No switch-off is pending");
const QString kNothingToResume = QStringLiteral("No cancelled switch-off to resume");

// The last ten minutes, in which every second of a countdown is announced.
constexpr int kQuietAbove = 600;

// The command line's names, by action code.
constexpr const char* kActionWords[] = {"standby", "hibernate", "poweroff"};

// As the window shows kWh: truncated to hundredths, so that the value changes about once a
// minute rather than at every tick.
double ShownKwh(double wattHours) {
    return std::floor(wattHours * 0.1) / 100;
}
} // namespace

RemoteControl::RemoteControl(Model& model) : mModel(model), mService(*this) {
    connect(&model, &Model::Changed, this, &RemoteControl::Refresh);
    Refresh();
}

RemoteControl::~RemoteControl() = default;

platform::ControlState RemoteControl::StateOf(const Model& model) {
    const ProgramState& s = model.State();
    platform::ControlState state;
    state.status = s.StatusText;
    // Only an armed (or held) countdown is pending; a cancelled one performs nothing.
    const bool pending =
        s.Countdown == CountdownState::Armed || s.Countdown == CountdownState::Held;
    if (pending && s.SecondsLeft >= 0) {
        state.secondsLeft = s.SecondsLeft;
        state.action = model.ActionText(s.CountdownDelayed ? ActionList::Delay : ActionList::Off);
    }
    state.kwhUsed = ShownKwh(s.WhUsed);
    state.kwhSaved = ShownKwh(s.WhSaved);
    state.locked = s.LockCountdown == 0;
    return state;
}

std::optional<int> RemoteControl::ActionCodeOf(const QString& name) {
    for (int code = 0; code < 3; ++code) {
        if (name.compare(QLatin1String(kActionWords[code]), Qt::CaseInsensitive) == 0 ||
            name.compare(QString::fromStdString(ActionNames[code]), Qt::CaseInsensitive) == 0)
            return code;
    }
    return std::nullopt;
}

void RemoteControl::Refresh() {
    // Each signal wakes the bus and everyone who listens. While more than the warning's ten
    // minutes are left, a countdown's progress is announced once a minute; Get always answers
    // the second, and a countdown that grows or begins is announced at once.
    const platform::ControlState state = StateOf(mModel);
    const int announced = mService.Announced().secondsLeft;
    const bool hold = state.secondsLeft > kQuietAbove && announced > kQuietAbove &&
                      announced >= state.secondsLeft && announced - state.secondsLeft < 60;
    mService.Publish(state, hold);
}

void RemoteControl::BeforeRead() {
    // Asleep, the model catches up first: the answer is the present second.
    mModel.CatchUp();
}

void RemoteControl::Show() {
    mModel.RequestShow();
}

platform::ControlError RemoteControl::ChooseDelayAction(const QString& action) {
    if (action.isEmpty())
        return {};
    const std::optional<int> code = ActionCodeOf(action);
    if (!code)
        return {kBadArguments, UnknownAction(action)};
    const bool allowed = *code == kStandBy     ? IsPwrSuspendAllowed()
                         : *code == kHibernate ? IsPwrHibernateAllowed()
                                               : IsPwrShutdownAllowed();
    if (!allowed)
        return {kRefused, NotAvailable(QString::fromStdString(ActionNames[*code]))};
    mModel.ChooseAction(ActionList::Delay, {*code, {}});
    return {};
}

platform::ControlError RemoteControl::SwitchOff(int minutes, const QString& action) {
    if (minutes < 1 || minutes > 60)
        return {kBadArguments, MinutesOutOfRange(minutes)};
    if (auto refused = ChooseDelayAction(action); refused.Failed())
        return refused;
    mModel.DelayedOff(minutes);
    return {};
}

platform::ControlError RemoteControl::SwitchOffNow(const QString& action) {
    if (auto refused = ChooseDelayAction(action); refused.Failed())
        return refused;
    mModel.SwitchOffNow();
    return {};
}

platform::ControlError RemoteControl::Cancel() {
    const CountdownState countdown = mModel.State().Countdown;
    if (countdown != CountdownState::Armed && countdown != CountdownState::Held)
        return {kRefused, kNothingToCancel};
    mModel.Abort();
    return {};
}

platform::ControlError RemoteControl::Resume() {
    if (mModel.State().Countdown != CountdownState::Cancelled)
        return {kRefused, kNothingToResume};
    mModel.Resume();
    return {};
}

} // namespace quelmo
