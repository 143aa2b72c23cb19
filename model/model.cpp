// SPDX-License-Identifier: GPL-3.0-or-later
// The model's making and unmaking, and what the configuration code reads and sets in it.
#include "model/model.h"

#include "fleet/config_refresh.h"
#include "model/ticker.h"
#include "platform/abrupt_end.h"
#include "platform/instance_lock.h"
#include "platform/termination_signal.h"
#include "power/switchoff.h"
#include "power/texts.h"

namespace quelmo {

Model::Model() : Model(nullptr) {}

Model::Model(std::unique_ptr<Ticker> ticker) : mTicker(ticker ? std::move(ticker) : MakeTicker()) {
    mTicker->onTick = [this] { OnTick(); };
    mTicker->onWake = [this] { OnWake(); };
    mTicker->onClockSet = [this] { OnClockSet(); };
    mRefresh = std::make_unique<TConfigRefresh>(
        *this, [this] { return mState.LockCountdown == 0; }, [this] { emit ConfigChanged(); });
}

Model::~Model() {
    Shutdown(false);
}

void Model::Acted() {
    emit Changed();
    Reschedule();
}

QString Model::ActionText(ActionList list) const {
    const ActionChoice& choice = list == ActionList::Delay ? mState.DelayAction : mState.OffAction;
    if (choice.index < 0)
        return choice.typed;
    return Texts::tr(ActionNames[choice.index].c_str());
}

void Model::SetConfigText(const std::string& text) {
    mState.Config = text;
    emit SettingsChanged();
}

void Model::SetRatingEdits(int on, int off, int standby) {
    emit RatingEditsChanged(on, off, standby);
}

void Model::SetAutoStartChecked(bool checked) {
    mState.AutoStart = checked;
    emit SettingsChanged();
}

int Model::ActionIndex(ActionList list) const {
    return (list == ActionList::Delay ? mState.DelayAction : mState.OffAction).index;
}

void Model::SetActionIndex(ActionList list, int index) {
    // An index beyond the list leaves no item selected, as the list's own rule has it.
    const int count = list == ActionList::Delay ? 3 : 2;
    ActionChoice& choice = list == ActionList::Delay ? mState.DelayAction : mState.OffAction;
    choice = {index >= 0 && index < count ? index : -1, QString()};
    emit ConfigChanged();
}

} // namespace quelmo
