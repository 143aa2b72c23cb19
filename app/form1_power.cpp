// SPDX-License-Identifier: GPL-3.0-or-later
// Power events from outside: a suspend that someone else started still leaves the wake-up
// timer armed for the next scheduled switch-on. (The application-wide message hook that sits
// beside this elsewhere has no counterpart here.)
#include "app/form1.h"

#include "power/switchoff.h"

namespace quelmo {

void TForm1::PowerBroadcast(int code) {
    // ArmWakeTimer's own limits leave the timer alone under 30 seconds or beyond 7.5 days; its
    // failures have their notices. The suspend is never refused.
    if (code == PBT_APMQUERYSUSPEND)
        ArmWakeTimer(TimeToNextOn);
}

} // namespace quelmo
