// SPDX-License-Identifier: GPL-3.0-or-later
// The wake-up timer in a process of its own, so that a test can run it as another user and
// with or without CAP_WAKE_ALARM (setpriv): the real timerfd and RTC code on a stand-in
// attribute and a stand-in helper, with logind replaced by a double that accepts.
//
//   wake_probe ATTRIBUTE HELPER STEP...
//   arm:ACTION:DAYS  ArmWakeTimer; prints "armed" or "not supported", each notice as "notice"
//   perform:ACTION   PerformPowerAction; prints "accepted"
//   close            CloseWakeTimer
// Without "close" the probe ends as if killed, leaving the RTC as the steps left it.
#include "platform/power_manager.h"
#include "platform/wake_alarm.h"
#include "power/stuff.h"
#include "power/switchoff.h"
#include "tests/support/fakes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using namespace quelmo;
    if (argc < 3)
        return 2;
    test::FakePowerManager::State logind;
    platform::SetPowerManagerForTesting(std::make_unique<test::FakePowerManager>(logind));
    platform::SetWakeAlarmForTesting(platform::MakeTimerfdWakeAlarm(argv[1], {argv[2]}));
    SetBeepSink([] {});
    SetNoticePresenter([](const std::string&) { std::puts("notice"); });
    for (int i = 3; i < argc; ++i) {
        const std::string step = argv[i];
        int action = 0;
        double days = 0;
        if (std::sscanf(argv[i], "arm:%d:%lf", &action, &days) == 2) {
            std::puts(ArmWakeTimer(days, action) ? "armed" : "not supported");
        } else if (std::sscanf(argv[i], "perform:%d", &action) == 1) {
            if (PerformPowerAction(action).accepted)
                std::puts("accepted");
        } else if (step == "close") {
            CloseWakeTimer();
        } else {
            return 2;
        }
    }
    // Ends as a process that is killed: whatever the steps left in the RTC stays.
    std::fflush(stdout);
    std::_Exit(0);
}
