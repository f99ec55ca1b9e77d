#include "ValidateReport.h"

#include "ItemParser.h"
#include "validate/DialogDriver.h"

#include <cstdio>
#include <regex>
#include <map>

namespace kestrow::cli {
namespace {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

// A message with every number (nan and inf included) replaced, so messages
// that differ only in their numbers group together.
std::string WithoutNumbers(const std::string& message)
{
    static const std::regex number(R"([-+]?(nan|inf|[0-9]+(\.[0-9]*)?([eE][-+]?[0-9]+)?))");
    return std::regex_replace(message, number, "#");
}

}  // namespace

std::string ReproduceLine(const validate::CaseId& id, const std::string& module)
{
    return "kestrow validate --module " + ShellQuoted(module) + " --case " + ShellQuoted(validate::FormatCaseId(id));
}

void PrintSummary(const validate::Summary& s, const validate::ValidateOptions& options, std::ostream& out)
{
    out << "kestrow validate: " << options.modulePath << " (seed " << options.seed
        << (options.quick ? ", one status per failing call" : "") << ")\n";
    out << "  scenarios        " << s.scenarios;
    if (s.scenariosSkipped) out << " (" << s.scenariosSkipped << " dialog scenarios skipped: the editor cannot build the module's dialogs)";
    out << "\n  module lifetimes " << s.cases << ", " << s.runs << " calls of the entry point\n";
    out << "  faults injected  " << s.faultsInjected << " failed host calls, " << s.suitesWithheld << " withheld suites\n";
    out << "  bad input        " << s.descriptorSessions << " random descriptor sessions, " << s.randomDescriptors
        << " descriptors handed in\n";
    out << "  dialog sessions  " << s.dialogSessions << " random, " << s.randomDialogSteps << " steps ("
        << s.dialogSteps << " dialog steps in all cases)\n";
    out << "  violations       " << s.findings.size() << "\n";
    out << "  wall time        " << Seconds(s.seconds) << "\n";

    // The same fault tends to show in many cases, often with other numbers:
    // each message once, with the first case that shows it and how many more do.
    std::map<std::pair<std::string, std::string>, size_t> groups;
    std::vector<const validate::Finding*> order;
    for (const auto& finding : s.findings) {
        if (groups[{finding.violation.check, WithoutNumbers(finding.violation.message)}]++ == 0) order.push_back(&finding);
    }
    for (const validate::Finding* finding : order) {
        const size_t count = groups[{finding->violation.check, WithoutNumbers(finding->violation.message)}];
        out << "violation [" << finding->violation.check << "] " << finding->violation.message << "\n";
        if (!finding->violation.cause.empty()) out << "  when: " << finding->violation.cause << "\n";
        out << "  reproduce: " << ReproduceLine(finding->id, options.modulePath) << "\n";
        if (count > 1) out << "  (and " << count - 1 << " more case(s) like it; --json lists them all)\n";
    }
}

nlohmann::ordered_json SummaryToJson(const validate::Summary& s, const validate::ValidateOptions& options)
{
    nlohmann::ordered_json violations = nlohmann::ordered_json::array();
    for (const auto& finding : s.findings) {
        violations.push_back({{"check", finding.violation.check},
                              {"message", finding.violation.message},
                              {"cause", finding.violation.cause},
                              {"case", validate::FormatCaseId(finding.id)},
                              {"reproduce", ReproduceLine(finding.id, options.modulePath)}});
    }
    return {{"module", options.modulePath},
            {"seed", options.seed},
            {"scenarios", s.scenarios},
            {"scenariosSkipped", s.scenariosSkipped},
            {"dialogsAvailable", s.dialogsAvailable},
            {"cases", s.cases},
            {"runs", s.runs},
            {"faultsInjected", s.faultsInjected},
            {"suitesWithheld", s.suitesWithheld},
            {"descriptorSessions", s.descriptorSessions},
            {"randomDescriptors", s.randomDescriptors},
            {"dialogSessions", s.dialogSessions},
            {"randomDialogSteps", s.randomDialogSteps},
            {"dialogSteps", s.dialogSteps},
            {"seconds", s.seconds},
            {"violations", violations}};
}

void PrintStep(const validate::Step& step, std::ostream& out)
{
    out << "run:";
    if (step.request.descriptor) {
        out << " descriptor {";
        const auto& items = step.request.descriptor->Items();
        for (size_t i = 0; i < items.size(); ++i) out << (i ? " " : "") << FormatItem(items[i]);
        out << "}";
    } else if (validate::IsDoIt(step.request)) {
        out << " no descriptor";
    }
    if (!step.request.passParameters.value_or(true)) out << ", no action parameters record";
    out << "\n";
    for (const auto& action : step.dialog) out << "  dialog step: " << validate::DescribeAction(action) << "\n";
}

void PrintCaseResult(const validate::CaseId& id, const validate::CaseResult& result, std::ostream& out)
{
    out << "case " << validate::FormatCaseId(id) << ": " << result.runs << " call(s) of the entry point";
    if (id.fault.kind != validate::Fault::Kind::None) out << (result.faultFired ? ", fault reached" : ", fault not reached");
    out << ", " << result.violations.size() << " violation(s)\n";
    for (const auto& violation : result.violations) {
        out << "violation [" << violation.check << "] " << violation.message << "\n";
        if (!violation.cause.empty()) out << "  when: " << violation.cause << "\n";
    }
}

nlohmann::ordered_json CaseResultToJson(const validate::CaseId& id, const validate::CaseResult& result,
                                        const std::string& module)
{
    nlohmann::ordered_json violations = nlohmann::ordered_json::array();
    for (const auto& v : result.violations)
        violations.push_back({{"check", v.check}, {"message", v.message}, {"cause", v.cause}});
    return {{"case", validate::FormatCaseId(id)},
            {"reproduce", ReproduceLine(id, module)},
            {"runs", result.runs},
            {"faultFired", result.faultFired},
            {"dialogSteps", result.dialogSteps},
            {"violations", violations}};
}

}  // namespace kestrow::cli
