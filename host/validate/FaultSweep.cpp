#include "validate/FaultSweep.h"

#include "runtime/Host.h"

#include <algorithm>
#include <set>

namespace kestrow::validate {
namespace {

// A fault that crashes or hangs every time is reported once per few calls,
// not once per call up to an arbitrary count.
constexpr unsigned kMaxLostInARow = 3;
// No scenario calls one operation anywhere near this often.
constexpr unsigned kMaxCalls = 5000;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool Lost(const CaseResult& result)
{
    for (const auto& v : result.violations)
        if (v.check == "crash" || v.check == "hang" || v.check == "worker") return true;
    return false;
}

}  // namespace

const std::vector<HostStatus>& SweepStatuses()
{
    static const std::vector<HostStatus> statuses = {-1, -1728, 1};
    return statuses;
}

bool OperationHasStatus(const std::string& op)
{
    if (op == "Dialog.Modal") return true;
    return !(op == "Basic.IsEqual" || StartsWith(op, "Dialog.") || StartsWith(op, "Item.") || StartsWith(op, "List.") ||
             StartsWith(op, "Entry.") || StartsWith(op, "Tracker."));
}

std::vector<std::string> OfferedSuites()
{
    host::Host host;
    std::vector<std::string> names;
    for (const auto& usage : host.suites.AllUsage()) names.push_back(usage.name);
    return names;
}

void SweepScenario(const Scenario& scenario, CaseExecutor& executor, const CaseSink& sink, size_t statuses)
{
    const std::vector<HostStatus> several(SweepStatuses().begin(),
                                          SweepStatuses().begin() + std::clamp<size_t>(statuses, 1, SweepStatuses().size()));
    const auto run = [&](const CaseId& id) {
        CaseResult result = executor.Execute(id);
        sink(id, result);
        return result;
    };
    const CaseResult clean = run(CaseId::ForScenario(scenario.name));

    // Operations are discovered as they are reached: a failure may lead the
    // module down a path that calls operations the clean run never did.
    std::vector<std::string> operations = clean.operations;
    std::set<std::string> known(operations.begin(), operations.end());
    for (size_t i = 0; i < operations.size(); ++i) {
        const std::string operation = operations[i];
        const std::vector<HostStatus> single = {SweepStatuses().front()};
        for (HostStatus status : OperationHasStatus(operation) ? several : single) {
            unsigned lostInARow = 0;
            for (unsigned n = 1; n <= kMaxCalls; ++n) {
                const CaseResult result = run(CaseId::ForScenario(scenario.name, Fault::FailCall(operation, n, status)));
                for (const auto& seen : result.operations)
                    if (known.insert(seen).second) operations.push_back(seen);
                lostInARow = Lost(result) ? lostInARow + 1 : 0;
                if (!result.faultFired || lostInARow >= kMaxLostInARow) break;
            }
        }
    }
    for (const std::string& suite : OfferedSuites()) run(CaseId::ForScenario(scenario.name, Fault::Withhold(suite)));
}

}  // namespace kestrow::validate
