// The switch-off's questions and requests against logind's mock: the programs' block locks
// that hold it back, and a refusal in the person's words.
#include "platform/power_manager.h"
#include "platform/process.h"
#include "power/switchoff.h"
#include "tests/power/logind_mock.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quelmo::test {
namespace {

class SwitchoffLogind : public SharedLogindMock<::testing::Test> {
protected:
    void SetUp() override {
        ResetMock();
        if (IsSkipped() || HasFatalFailure())
            return;
        platform::SetPowerManagerForTesting(platform::MakeLogindPowerManager(mock->Address()));
        ASSERT_TRUE(LoadPowerLibrary());
        mock->ClearCalls();
    }
    void TearDown() override { platform::SetPowerManagerForTesting(nullptr); }
};

using Lock = LogindMock::Lock;
using Blockers = std::optional<std::vector<Blocker>>;

struct BlockerRow {
    const char* name;
    std::vector<Lock> locks;
    int action;
    Blockers expected;
    bool listed;                          // ListInhibitors was asked
    const char* blockInhibited = nullptr; // else the kinds of the block locks
};

void PrintTo(const BlockerRow& row, std::ostream* out) {
    *out << row.name;
}

class BlockerTable : public SwitchoffLogind, public ::testing::WithParamInterface<BlockerRow> {};

TEST_P(BlockerTable, OnlyOtherProgramsBlockLocksOfTheActionsKindHoldItBack) {
    const BlockerRow& row = GetParam();
    // Our own pid is known only now.
    std::vector<Lock> locks = row.locks;
    for (Lock& lock : locks)
        lock.pid = lock.pid == 0 ? platform::OwnProcessId() : lock.pid;
    ASSERT_TRUE(mock->SetInhibitors(
        locks, row.blockInhibited ? std::optional<std::string>(row.blockInhibited) : std::nullopt));
    EXPECT_EQ(SwitchOffBlockers(row.action), row.expected);
    EXPECT_EQ(mock->CallsOf("ListInhibitors").size(), row.listed ? 1u : 0u);
}

const Lock kBackup{"sleep", "Backup", "Backing up home", "block"};
const Lock kUpdate{"shutdown", "Updates", "Installing updates", "block"};

INSTANTIATE_TEST_SUITE_P(
    Logind, BlockerTable,
    ::testing::Values(
        BlockerRow{"none", {}, kStandBy, std::vector<Blocker>{}, false},
        BlockerRow{"a_block_on_sleep",
                   {kBackup},
                   kStandBy,
                   std::vector<Blocker>{{"Backup", "Backing up home"}},
                   true},
        BlockerRow{"sleep_among_other_kinds",
                   {{"shutdown:sleep:idle", "Burner", "Writing a disc", "block"}},
                   kHibernate,
                   std::vector<Blocker>{{"Burner", "Writing a disc"}},
                   true},
        BlockerRow{"a_delay_lock_is_ignored",
                   {{"sleep", "Player", "Pausing", "delay"}},
                   kStandBy,
                   std::vector<Blocker>{},
                   true,
                   "sleep"},
        BlockerRow{"our_own_lock_is_ignored",
                   {{"sleep", "Quelmo", "ours", "block", 1000, 0}},
                   kHibernate,
                   std::vector<Blocker>{},
                   true},
        BlockerRow{
            "shutdown_only_holds_no_standby", {kUpdate}, kStandBy, std::vector<Blocker>{}, false},
        BlockerRow{"shutdown_holds_a_power_off",
                   {kUpdate, kBackup},
                   kShutDown,
                   std::vector<Blocker>{{"Updates", "Installing updates"}},
                   true},
        BlockerRow{"no_action_no_question", {kBackup}, -1, std::vector<Blocker>{}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SwitchoffLogind, WhereLogindCannotListItsLocksNothingIsKnown) {
    ASSERT_TRUE(mock->SetInhibitors({kBackup}));
    ASSERT_TRUE(mock->FailListInhibitors());
    EXPECT_EQ(SwitchOffBlockers(kStandBy), std::nullopt);
}

TEST_F(SwitchoffLogind, BlockInhibitedIsReadFirst) {
    // Held, as logind lists it, but not yet in the property: the list is not asked for.
    ASSERT_TRUE(mock->SetInhibitors({kBackup}, ""));
    EXPECT_EQ(SwitchOffBlockers(kStandBy), std::vector<Blocker>{});
    EXPECT_TRUE(mock->CallsOf("ListInhibitors").empty());
}

struct RefusedRow {
    const char* name;
    int code;
    const char* method;
    const char* shown;
};

void PrintTo(const RefusedRow& row, std::ostream* out) {
    *out << row.name;
}

class RefusedActions : public SwitchoffLogind, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedActions, SayWhyInLinuxWords) {
    const RefusedRow& row = GetParam();
    ASSERT_TRUE(mock->Refuse(row.method));
    const PowerActionResult result = PerformPowerAction(row.code);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.refusal, row.shown);
    EXPECT_EQ(mock->CallsOf(row.method).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Logind, RefusedActions,
    ::testing::Values(RefusedRow{"standby", kStandBy, "Suspend",
                                 "Standby was refused by the system: Access denied"},
                      RefusedRow{"hibernation", kHibernate, "Hibernate",
                                 "Hibernation was refused by the system: Access denied"},
                      RefusedRow{"power_off", kShutDown, "ScheduleShutdown",
                                 "Power-off was refused by the system: Access denied"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo::test
