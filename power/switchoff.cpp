#include "power/switchoff.h"

#include "platform/clock.h"
#include "platform/power_manager.h"
#include "platform/wake_alarm.h"
#include "power/linux_wording.h"
#include "power/stuff.h"
#include "power/texts.h"

#include <cmath>
#include <optional>

namespace quelmo {

// Shown in the action lists through the translation; the lists' item index is what is stored.
const std::array<std::string, 3> ActionNames = {QT_TRANSLATE_NOOP("Quelmo", "StandBy"),
                                                QT_TRANSLATE_NOOP("Quelmo", "Hibernate"),
                                                QT_TRANSLATE_NOOP("Quelmo", "ShutDown")};

bool LoadPowerLibrary() {
    return platform::Power().Connect();
}
void FreePowerLibrary() {
    platform::Power().Disconnect();
}

namespace {
constexpr const char* kShutdownPrivilege = kShutdownPrivilegeName;

// The token is what logind will let this process do: opening it is asking at all, and it
// fails only when logind gives no answer.
std::optional<AccessToken> OpenProcessToken() {
    switch (platform::Power().PowerOffDecision()) {
    case platform::CapabilityAnswer::Allowed:
        return AccessToken{{kShutdownPrivilege}};
    case platform::CapabilityAnswer::Refused:
        return AccessToken{};
    case platform::CapabilityAnswer::NoAnswer:
        break;
    }
    return std::nullopt;
}
} // namespace

bool EnableShutdownPrivilege() {
    const auto token = OpenProcessToken();
    if (!token)
        return false;
    // Its own notice tells of a refusal; whether the privilege is held is not the result.
    EnablePrivilege(*token, kShutdownPrivilege);
    return true;
}

std::int64_t WakeDueTime(double days) {
    return -static_cast<std::int64_t>(days * 24 * 3600 * 10000000.0);
}

namespace {
platform::WakeFrom WakeTarget(int action) {
    switch (action) {
    case kHibernate:
    case kShutDown:
        return platform::WakeFrom::Off;
    case kAnySleep:
        return platform::WakeFrom::AnySleep;
    default:
        return platform::WakeFrom::Standby;
    }
}
} // namespace

bool ArmWakeTimer(double days, int action) {
    if (!(days >= 1.0 / 2880 && days <= 7.5))
        return false;
    auto& wake = platform::Wake();
    if (!wake.IsCreated() && !wake.Create()) {
        ShowNotice(Texts::Tr(wording::kWakeTimerCreateFailed) + LastErrorText());
        return false;
    }
    switch (wake.ArmRelative(WakeDueTime(days), WakeTarget(action))) {
    case platform::WakeArmResult::Armed:
        return true;
    case platform::WakeArmResult::NotSupported:
        ShowNotice(Texts::Tr("Wake-up timer\nis not supported"));
        return false;
    case platform::WakeArmResult::Failed:
        break;
    }
    ShowNotice(Texts::Tr(wording::kWakeTimerSetFailed) + LastErrorText());
    return false;
}

void CloseWakeTimer() {
    platform::Wake().Close();
}

namespace {
platform::PowerRequestResult Request(int code) {
    auto& power = platform::Power();
    switch (code) {
    case kStandBy:
        return power.Suspend();
    case kHibernate:
        return power.Hibernate();
    default: {
        const auto now = platform::CurrentUtc();
        const auto when =
            static_cast<std::uint64_t>(now.seconds + kShutdownDelaySeconds) * 1000000u +
            static_cast<std::uint64_t>(now.millis) * 1000u;
        auto result =
            power.SchedulePowerOff(Texts::Tr("The System will shut down in 10 Seconds"), when);
        // Refused: a shutdown that is already counting down must not go ahead either. Whether
        // there was one to cancel, this power-off stays refused.
        if (!result)
            power.CancelScheduledPowerOff();
        return result;
    }
    }
}
} // namespace

PowerActionResult PerformPowerAction(int code) {
    if (code != kStandBy && code != kHibernate && code != kShutDown)
        return {};
    const auto result = Request(code);
    if (!result)
        return {false, RefusalText(code, RefusalReason(result.errorName, result.errorMessage))};
    // The machine goes down on the RTC alarm: an end of the process on the way (the session's
    // at a power-off) must not clear it.
    if (code != kStandBy)
        platform::Wake().KeepRtcAlarm();
    return {true, {}};
}

bool IsPwrSuspendAllowed() {
    return platform::Power().CanSuspend();
}
bool IsPwrHibernateAllowed() {
    return platform::Power().CanHibernate();
}
bool IsPwrShutdownAllowed() {
    return platform::Power().CanPowerOff();
}

} // namespace quelmo
