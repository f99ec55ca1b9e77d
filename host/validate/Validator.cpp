#include "validate/Validator.h"

#include "validate/CaseExecutor.h"
#include "validate/FaultSweep.h"

#include <algorithm>
#include <chrono>

namespace kestrow::validate {
namespace {

class Run {
public:
    Run(const ValidateOptions& options, const std::function<void(const std::string&)>& progress)
        : options_(options), progress_(progress),
          executor_(options.isolate ? MakeIsolatedExecutor(options.modulePath, options.timeoutSeconds)
                                    : MakeInProcessExecutor(options.modulePath))
    {
    }

    Summary Go()
    {
        const auto start = std::chrono::steady_clock::now();
        summary_.dialogsAvailable = DialogsAvailable();
        const CaseSink sink = [this](const CaseId& id, const CaseResult& result) { Record(id, result); };
        for (const Scenario& scenario : Scenarios()) {
            if (!Chosen(scenario)) continue;
            if (scenario.usesDialogs && !summary_.dialogsAvailable) {
                ++summary_.scenariosSkipped;
                continue;
            }
            Tell("scenario " + scenario.name);
            ++summary_.scenarios;
            if (options_.sweep) SweepScenario(scenario, *executor_, sink, options_.quick ? 1 : SweepStatuses().size());
            else sink(CaseId::ForScenario(scenario.name), executor_->Execute(CaseId::ForScenario(scenario.name)));
        }
        Tell("random descriptor sessions");
        for (unsigned i = 0; i < options_.runs; ++i) {
            const CaseId id = CaseId::Random(CaseId::Kind::RandomDescriptors, options_.seed, i);
            Record(id, executor_->Execute(id));
            ++summary_.descriptorSessions;
        }
        if (summary_.dialogsAvailable) {
            Tell("random dialog sessions");
            for (unsigned i = 0; i < options_.runs; ++i) {
                const CaseId id = CaseId::Random(CaseId::Kind::RandomDialog, options_.seed, i);
                Record(id, executor_->Execute(id));
                ++summary_.dialogSessions;
            }
        }
        summary_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return std::move(summary_);
    }

private:
    bool Chosen(const Scenario& scenario) const
    {
        const auto& only = options_.scenarios;
        return only.empty() || std::find(only.begin(), only.end(), scenario.name) != only.end();
    }

    void Tell(const std::string& line)
    {
        if (progress_) progress_(line);
    }

    // Whether the editor builds the module's dialogs from its resources: the
    // About box of a plain "About" call tells.
    bool DialogsAvailable() { return executor_->Execute(CaseId::ForScenario("about")).dialogsBuilt > 0; }

    void Record(const CaseId& id, const CaseResult& result)
    {
        ++summary_.cases;
        summary_.runs += result.runs;
        summary_.dialogSteps += result.dialogSteps;
        if (id.kind == CaseId::Kind::RandomDescriptors) summary_.randomDescriptors += result.descriptors;
        if (id.kind == CaseId::Kind::RandomDialog) summary_.randomDialogSteps += result.dialogSteps;
        if (id.kind == CaseId::Kind::Scenario && result.faultFired) {
            if (id.fault.kind == Fault::Kind::FailCall) ++summary_.faultsInjected;
            if (id.fault.kind == Fault::Kind::WithholdSuite) ++summary_.suitesWithheld;
        }
        for (Violation violation : result.violations) {
            // A worker that died cannot say what the host was doing; the case can.
            if (violation.cause.empty() && (violation.check == "crash" || violation.check == "hang"))
                violation.cause = DescribeFault(id.fault);
            summary_.findings.push_back(Finding{id, std::move(violation)});
        }
    }

    const ValidateOptions& options_;
    const std::function<void(const std::string&)>& progress_;
    std::unique_ptr<CaseExecutor> executor_;
    Summary summary_;
};

}  // namespace

Summary Validate(const ValidateOptions& options, const std::function<void(const std::string&)>& progress)
{
    return Run(options, progress).Go();
}

}  // namespace kestrow::validate
