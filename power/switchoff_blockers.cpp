// SPDX-License-Identifier: GPL-3.0-or-later
// Programs that hold the PC awake: logind's "block" inhibitor locks. A switch-off of our own
// waits for them instead of asking logind to override them, which would put a password
// question to an empty desk.
#include "platform/power_manager.h"
#include "platform/process.h"
#include "power/switchoff.h"

#include <string_view>

namespace quelmo {

namespace {

// Whether a colon-separated list such as "shutdown:sleep:idle" names `kind`.
bool Names(std::string_view list, std::string_view kind) {
    while (!list.empty()) {
        const auto colon = list.find(':');
        if (list.substr(0, colon) == kind)
            return true;
        if (colon == std::string_view::npos)
            break;
        list.remove_prefix(colon + 1);
    }
    return false;
}

} // namespace

std::optional<std::vector<Blocker>> SwitchOffBlockers(int action) {
    const char* kind = action == kShutDown                          ? "shutdown"
                       : action == kStandBy || action == kHibernate ? "sleep"
                                                                    : nullptr;
    if (!kind)
        return std::vector<Blocker>{};
    auto& power = platform::Power();
    // The cheap look: while no block lock of that kind is held, the list is not asked for.
    if (const auto held = power.BlockInhibited(); held && !Names(*held, kind))
        return std::vector<Blocker>{};
    const auto locks = power.ListInhibitors();
    if (!locks)
        return std::nullopt;
    const std::uint32_t self = platform::OwnProcessId();
    std::vector<Blocker> blockers;
    for (const platform::Inhibitor& lock : *locks) {
        if (lock.mode == "block" && lock.pid != self && Names(lock.what, kind))
            blockers.push_back({lock.who, lock.why});
    }
    return blockers;
}

} // namespace quelmo
