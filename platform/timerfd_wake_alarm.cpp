// PLACEHOLDER until the timerfd alarm lands.
#include "platform/wake_alarm.h"

namespace quelmo::platform {
namespace {
class Missing final : public WakeAlarm {
public:
    bool Create() override { return false; }
    bool IsCreated() const override { return false; }
    WakeArmResult ArmRelative(std::int64_t) override { return WakeArmResult::Failed; }
    void Close() override {}
};
} // namespace
std::unique_ptr<WakeAlarm> MakeTimerfdWakeAlarm() {
    return std::make_unique<Missing>();
}
} // namespace quelmo::platform
