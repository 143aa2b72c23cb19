// PLACEHOLDER until the logind client lands: reports logind as unreachable.
#include "platform/power_manager.h"

namespace quelmo::platform {
namespace {
class Unreachable final : public PowerManager {
public:
    bool Connect() override { return false; }
    void Disconnect() override {}
    bool CanSuspend() override { return false; }
    bool CanHibernate() override { return false; }
    bool CanPowerOff() override { return false; }
    bool Suspend() override { return false; }
    bool Hibernate() override { return false; }
    bool SchedulePowerOff(const std::string&, std::uint64_t) override { return false; }
    bool CancelScheduledPowerOff() override { return false; }
};
} // namespace
std::unique_ptr<PowerManager> MakeLogindPowerManager() {
    return std::make_unique<Unreachable>();
}
} // namespace quelmo::platform
