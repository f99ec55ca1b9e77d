#include "validate/CaseRunner.h"

#include "dialog/ModuleDialogSource.h"
#include "session/Editor.h"
#include "validate/DialogDriver.h"
#include "validate/PlaybackModel.h"
#include "validate/RandomDialog.h"
#include "validate/RandomInput.h"
#include "validate/RunChecks.h"

#include <algorithm>
#include <stdexcept>

namespace kestrow::validate {
namespace {

constexpr PlugStatus kSuiteMissing = -30900;

std::optional<host::DocumentState> DocumentStateOf(const host::Document* document)
{
    if (!document) return std::nullopt;
    return host::DocumentState{document->Id(), document->Width(), document->Height(), document->Resolution(),
                               document->ImageX(), document->ImageY()};
}

Expectation Expect(std::vector<PlugStatus> results, std::string why, bool nothingHappens = false)
{
    Expectation expectation;
    expectation.results = std::move(results);
    expectation.why = std::move(why);
    expectation.nothingHappens = nothingHappens;
    return expectation;
}

// What a run may return, by the module's documented failure handling.
Expectation ExpectationFor(const Step& step, const Fault& fault, bool firedNow, unsigned callInStep, bool firedBefore)
{
    const host::RunRequest& request = step.request;
    std::vector<PlugStatus> documented = {0};
    if (ShowsDialog(request)) documented.push_back(-128);
    const std::vector<PlugStatus> clean = step.expected ? std::vector<PlugStatus>{*step.expected} : documented;

    if (!request.passBasicSuite) return Expect({kSuiteMissing}, "the message carries no basic suite", true);
    if (fault.kind == Fault::Kind::WithholdSuite) return Expect({kSuiteMissing}, DescribeFault(fault), true);
    if (!firedNow) return firedBefore ? Expect(documented, DescribeFault(fault) + " in an earlier run") : Expect(clean, "");

    const std::string why = DescribeFault(fault);
    const std::string& op = fault.operation;
    if (op == "Basic.AcquireSuite") return Expect({kSuiteMissing}, why, true);
    if (op == "Basic.ReleaseSuite") {
        Expectation refused = Expect(clean, why);
        refused.releaseRefused = true;
        return refused;
    }
    if (op == "ActionDescriptor.Free" || op == "ActionReference.Free") {
        Expectation refused = Expect(documented, why);
        refused.freeRefused = op == "ActionDescriptor.Free" ? host::HandleKind::Descriptor : host::HandleKind::Reference;
        return refused;
    }
    if (op == "Basic.IsEqual") {
        std::vector<PlugStatus> results = clean;
        results.push_back(0);
        return Expect(results, why);
    }
    // The entry point's own calls before the command starts: their failure
    // is its result, and nothing else happens.
    const bool startsCommand = op == "UIHooks.GetPluginName" || op == "ActionControl.SuspendHistory" ||
                               ((op == "ActionReference.Make" || op == "ActionReference.PutEnumerated") && callInStep == 1);
    if (IsDoIt(request) && startsCommand) return Expect({PlugStatus(fault.status)}, why, true);
    return Expect(documented, why);
}

class CaseRun {
public:
    CaseRun(const CaseId& id, const ModuleUnderTest& module, const RunObserver& observer)
        : id_(id), module_(module), observer_(observer)
    {
    }

    CaseResult Run()
    {
        const Scenario scenario = ScenarioFor(id_);
        if (!Load()) return std::move(result_);
        Arm();
        editor_.OpenDocument(scenario.document.width, scenario.document.height, scenario.document.resolution);
        for (const Step& step : scenario.steps) {
            switch (step.kind) {
            case Step::Kind::OpenDocument:
                editor_.OpenDocument(step.document.width, step.document.height, step.document.resolution);
                break;
            case Step::Kind::Reload:
                editor_.UnloadModule();
                if (!Load()) return std::move(result_);
                model_.Load();
                modifierHeld_ = false;
                break;
            case Step::Kind::Run:
                RunStep(step);
                break;
            }
        }
        for (const auto& [operation, count] : editor_.faults().CallCounts()) result_.operations.push_back(operation);
        result_.faultFired = FaultFired();
        return std::move(result_);
    }

private:
    bool Load()
    {
        std::string error;
        if (editor_.LoadModule(module_.path, module_.dialogs, error)) return true;
        result_.violations.push_back(Violation{"load", "the module cannot be loaded: " + error, {}});
        return false;
    }

    void Arm()
    {
        const Fault& fault = id_.fault;
        if (fault.kind == Fault::Kind::FailCall) editor_.faults().FailNth(fault.operation, fault.n, fault.status);
        if (fault.kind == Fault::Kind::WithholdSuite) editor_.faults().WithholdSuite(fault.suite);
    }

    unsigned Calls()
    {
        return id_.fault.kind == Fault::Kind::FailCall ? editor_.faults().CallCount(id_.fault.operation) : 0;
    }

    bool FaultFired()
    {
        if (id_.fault.kind == Fault::Kind::WithholdSuite) return result_.runs > 0;
        return id_.fault.kind == Fault::Kind::FailCall && Calls() >= id_.fault.n;
    }

    void RunStep(const Step& step)
    {
        const auto before = DocumentStateOf(editor_.TargetDocument());
        const unsigned callsBefore = Calls();
        const bool firedBefore = id_.fault.kind == Fault::Kind::FailCall && callsBefore >= id_.fault.n;
        DialogDriver driver(step.dialog, [this] { return FaultFired(); }, modifierHeld_);
        editor_.dialogs().SetScript(driver.Script());

        const host::RunReport report = editor_.Run(step.request);
        editor_.dialogs().SetScript(nullptr);
        ++result_.runs;
        result_.descriptors += step.request.descriptor ? 1 : 0;
        result_.dialogSteps += driver.StepsPlayed();
        for (const auto& dialog : report.dialogs) result_.dialogsBuilt += dialog.built ? 1 : 0;
        if (observer_) observer_(step, report);

        const bool firedNow = !firedBefore && FaultFired() && id_.fault.kind == Fault::Kind::FailCall;
        const Expectation expectation =
            ExpectationFor(step, id_.fault, firedNow, id_.fault.n - callsBefore, firedBefore);
        const RunFacts facts{step.request, report, before, editor_.host().pluginName};
        auto found = CheckRun(facts, expectation);
        found.insert(found.end(), driver.Violations().begin(), driver.Violations().end());
        if (!firedNow && !firedBefore) CheckOutcome(driver, report, before, found);
        Follow(step, report, before, expectation, firedNow, found);
        for (Violation& violation : found) result_.violations.push_back(std::move(violation));
    }

    // A dialog that ended with OK and a played change must leave the
    // document at the new size it showed.
    void CheckOutcome(const DialogDriver& driver, const host::RunReport& report,
                      const std::optional<host::DocumentState>& before, std::vector<Violation>& found)
    {
        if (!driver.ShownAtOk() || report.result != 0 || !before || !report.document || !report.AllEventsApplied())
            return;
        if (auto violation = CheckOkOutcome(*driver.ShownAtOk(), *before, *report.document, report.events.size()))
            found.push_back(std::move(*violation));
    }

    // Runs without the dialog are compared with what their descriptor
    // documents. A run that never started leaves the module's values as
    // they were; one the model cannot follow makes it forget them.
    void Follow(const Step& step, const host::RunReport& report, const std::optional<host::DocumentState>& before,
                const Expectation& expectation, bool firedNow, std::vector<Violation>& found)
    {
        if (!IsDoIt(step.request) || expectation.nothingHappens) return;
        if (firedNow || ShowsDialog(step.request) || !before) {
            model_.Lose();
            return;
        }
        for (std::string& difference : model_.Follow(step.request, report, *before))
            found.push_back(Violation{"playback", std::move(difference), {}});
    }

    const CaseId& id_;
    const ModuleUnderTest& module_;
    const RunObserver& observer_;
    host::Editor editor_;
    PlaybackModel model_;
    std::optional<bool> modifierHeld_ = false;
    CaseResult result_;
};

}  // namespace

Scenario ScenarioFor(const CaseId& id)
{
    switch (id.kind) {
    case CaseId::Kind::RandomDescriptors: return RandomDescriptorSession(id.seed, id.index);
    case CaseId::Kind::RandomDialog: return RandomDialogSession(id.seed, id.index);
    case CaseId::Kind::Scenario: break;
    }
    const Scenario* scenario = FindScenario(id.scenario);
    if (!scenario) throw std::invalid_argument("no scenario is named \"" + id.scenario + "\"");
    return *scenario;
}

ModuleUnderTest ModuleUnderTest::Open(const std::string& path)
{
    std::string noResources;
    return ModuleUnderTest{path, host::ModuleDialogSource::Open(path, noResources)};
}

CaseResult RunCase(const CaseId& id, const ModuleUnderTest& module, const RunObserver& observer)
{
    return CaseRun(id, module, observer).Run();
}

}  // namespace kestrow::validate
