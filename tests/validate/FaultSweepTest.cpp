// The fault sweep reaches every call of an operation with every status and
// stops at the first call the scenario no longer makes; each suite is
// withheld once.
#include "validate/FaultSweep.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kestrow::validate {
namespace {

TEST(FaultSweep, EveryCallFailsInTurnUntilOneIsNotReached)
{
    const auto executor = MakeInProcessExecutor(KESTROW_PLUGIN_MODULE);
    // Four margins: four canvas events.
    std::map<HostStatus, std::vector<std::pair<unsigned, bool>>> plays;
    std::set<std::string> withheld;
    unsigned clean = 0;
    SweepScenario(*FindScenario("relative-px"), *executor, [&](const CaseId& id, const CaseResult& result) {
        if (id.fault.kind == Fault::Kind::None) ++clean;
        if (id.fault.kind == Fault::Kind::WithholdSuite) withheld.insert(id.fault.suite);
        if (id.fault.kind == Fault::Kind::FailCall && id.fault.operation == "ActionControl.Play")
            plays[id.fault.status].push_back({id.fault.n, result.faultFired});
    });
    EXPECT_EQ(clean, 1u);
    EXPECT_EQ(withheld.size(), OfferedSuites().size());
    ASSERT_EQ(plays.size(), SweepStatuses().size());
    const std::vector<std::pair<unsigned, bool>> expected = {{1, true}, {2, true}, {3, true}, {4, true}, {5, false}};
    for (const auto& [status, calls] : plays) EXPECT_EQ(calls, expected) << "status " << status;
}

TEST(FaultSweep, OperationsWithoutStatusAreFailedOnce)
{
    const auto executor = MakeInProcessExecutor(KESTROW_PLUGIN_MODULE);
    std::map<std::string, std::set<HostStatus>> statuses;
    SweepScenario(*FindScenario("about"), *executor, [&](const CaseId& id, const CaseResult&) {
        if (id.fault.kind == Fault::Kind::FailCall) statuses[id.fault.operation].insert(id.fault.status);
    });
    ASSERT_TRUE(statuses.count("Basic.IsEqual"));
    EXPECT_EQ(statuses["Basic.IsEqual"].size(), 1u);
    ASSERT_TRUE(statuses.count("Dialog.Modal"));
    EXPECT_EQ(statuses["Dialog.Modal"].size(), SweepStatuses().size());
    EXPECT_EQ(statuses["Basic.AcquireSuite"].size(), SweepStatuses().size());
}

}  // namespace
}  // namespace kestrow::validate
