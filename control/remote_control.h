// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's switch-off controls offered on the session bus: what a person at the window may
// do without the password, no more. The schedule, the ratings, the configuration and the
// password stay out of reach.

#include "platform/session_control.h"

#include <QObject>

#include <optional>

namespace quelmo {

class Model;

class RemoteControl : public QObject, public platform::ControlTarget {
    Q_OBJECT
public:
    explicit RemoteControl(Model& model);
    ~RemoteControl() override;

    // The properties as the window shows them now.
    static platform::ControlState StateOf(const Model& model);
    // The action code a name stands for: "standby", "hibernate", "poweroff" or the name in the
    // window's list, in any letter case.
    static std::optional<int> ActionCodeOf(const QString& name);

    bool Serving() const { return mService.Serving(); }

    void BeforeRead() override;
    void Show() override;
    platform::ControlError SwitchOff(int minutes, const QString& action) override;
    platform::ControlError SwitchOffNow(const QString& action) override;
    platform::ControlError Cancel() override;
    platform::ControlError Resume() override;

private:
    // Chooses `action` in DelayAction as a person would, unless it is empty; refuses an
    // unknown action or one the PC cannot perform, changing nothing.
    platform::ControlError ChooseDelayAction(const QString& action);
    void Refresh();

    Model& mModel;
    platform::ControlService mService;
};

} // namespace quelmo
