// SPDX-License-Identifier: GPL-3.0-or-later
// Power events from outside: a suspend that someone else started still leaves the wake-up
// timer armed for the next scheduled switch-on. (The application-wide message hook that sits
// beside this elsewhere has no counterpart here.)
#include "app/form1.h"

#include "power/stuff.h"
#include "power/switchoff.h"

#include <QTimer>

#include <memory>

namespace quelmo {

void TForm1::PowerBroadcast(int code) {
    if (code != PBT_APMQUERYSUSPEND)
        return;
    // ArmWakeTimer's own limits leave the timer alone under 30 seconds or beyond 7.5 days. Its
    // notices wait until this handler has returned and the suspend is no longer held back, so
    // that they are read when the PC is back. logind does not say whether a suspend or a
    // hibernation is coming: kAnySleep sets what both need.
    auto hold = std::make_shared<NoticeHold>();
    ArmWakeTimer(TimeToNextOn, kAnySleep);
    QTimer::singleShot(0, this, [hold] {});
}

} // namespace quelmo
