// kestrow validate: checks a build of the module the way a careful editor
// vendor would before shipping it, and prints what ran and every violation
// with a line that runs its case again.
#include "Commands.h"
#include "ReportText.h"
#include "RunSupport.h"
#include "ValidateReport.h"

#include "validate/CaseRunner.h"
#include "validate/Validator.h"

#include <iostream>
#include <memory>

namespace kestrow::cli {
namespace {

struct ValidateArguments {
    std::string module;
    uint64_t seed = 1;
    unsigned runs = 500;
    bool json = false;
    bool noSweep = false;
    bool quick = false;
    int timeout = 30;
    std::string caseId;
    std::vector<std::string> scenarios;
};

// One case in this process, with the report of each of its runs.
int RunOneCase(const ValidateArguments& arguments, const std::string& module)
{
    std::string error;
    const auto id = validate::ParseCaseId(arguments.caseId, error);
    if (!id) throw UsageError("bad --case '" + arguments.caseId + "': " + error);
    validate::CaseResult result;
    try {
        result = validate::RunCase(*id, validate::ModuleUnderTest::Open(module),
                                   [&](const validate::Step& step, const host::RunReport& report) {
                                       if (arguments.json) return;
                                       PrintStep(step, std::cout);
                                       PrintReport(report, std::cout);
                                   });
    } catch (const std::invalid_argument& bad) {
        throw UsageError("bad --case '" + arguments.caseId + "': " + bad.what());
    }
    if (arguments.json) std::cout << CaseResultToJson(*id, result, module).dump() << "\n";
    else PrintCaseResult(*id, result, std::cout);
    return result.violations.empty() ? 0 : 1;
}

int RunValidate(const ValidateArguments& arguments)
{
    const std::string module = arguments.module.empty() ? DefaultModulePath() : arguments.module;
    {
        host::Editor probe;
        std::string error;
        if (!probe.LoadModule(module, error)) throw UsageError("cannot load module " + module + ": " + error);
    }
    if (arguments.timeout <= 0) throw UsageError("--timeout must be a positive number of seconds");
    if (!arguments.caseId.empty()) return RunOneCase(arguments, module);

    validate::ValidateOptions options;
    options.modulePath = module;
    options.seed = arguments.seed;
    options.runs = arguments.runs;
    options.sweep = !arguments.noSweep;
    options.quick = arguments.quick;
    options.timeoutSeconds = arguments.timeout;
    for (const auto& name : arguments.scenarios)
        if (!validate::FindScenario(name)) throw UsageError("no scenario is named '" + name + "'");
    options.scenarios = arguments.scenarios;
    const validate::Summary summary = validate::Validate(options);
    if (arguments.json) std::cout << SummaryToJson(summary, options).dump() << "\n";
    else PrintSummary(summary, options, std::cout);
    return summary.findings.empty() ? 0 : 1;
}

}  // namespace

void AddValidateCommand(CLI::App& command, int& exitStatus)
{
    auto arguments = std::make_shared<ValidateArguments>();
    command.add_option("--module", arguments->module, "The plug-in module to check (default: the one built with kestrow)");
    command.add_option("--seed", arguments->seed, "Seed of the random descriptors and dialog sessions")->capture_default_str();
    command.add_option("--runs", arguments->runs, "Random descriptor sessions, and as many random dialog sessions")
        ->capture_default_str();
    command.add_flag("--json", arguments->json, "Print the summary as JSON");
    command.add_flag("--no-sweep", arguments->noSweep, "Run each scenario once, without the fault sweep");
    command.add_flag("--quick", arguments->quick, "Fail each host call with one status instead of three");
    command.add_option("--timeout", arguments->timeout, "Seconds a case may take before it counts as a hang")
        ->capture_default_str();
    command.add_option("--scenario", arguments->scenarios, "Only this scenario (repeatable); the random sessions still run");
    command.add_option("--case", arguments->caseId, "Run one case again, as a violation's reproduce line names it");
    command.callback([arguments, &exitStatus] { exitStatus = RunValidate(*arguments); });
}

}  // namespace kestrow::cli
