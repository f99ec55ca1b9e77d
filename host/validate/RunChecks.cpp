#include "validate/RunChecks.h"

#include "editor/CanvasSizeEvent.h"
#include "model/FourCodeText.h"
#include "validate/ItemCompare.h"
#include "validate/RecordingCheck.h"
#include "validate/Scenario.h"

#include <algorithm>

namespace kestrow::validate {
namespace {

using host::HandleProblem;

std::string Results(const std::vector<PlugStatus>& results)
{
    std::string text;
    for (size_t i = 0; i < results.size(); ++i)
        text += (i == 0 ? "" : i + 1 == results.size() ? " or " : ", ") + std::to_string(results[i]);
    return text;
}

// A handle problem in words that are the same in every case it happens in.
std::string DescribeProblem(const HandleProblem& problem)
{
    const std::string kind = host::HandleKindName(problem.kind);
    const std::string where = problem.operation.empty() ? "" : " in " + problem.operation;
    switch (problem.what) {
    case HandleProblem::What::Leaked: return kind + " made by the module and never freed";
    case HandleProblem::What::FreedTwice: return kind + " freed twice" + where;
    case HandleProblem::What::FreedUnknown: return "freed a handle the host never gave out" + where;
    case HandleProblem::What::FreedWrongKind: return kind + " freed as another kind of handle" + where;
    case HandleProblem::What::FreedHostOwned: return "freed the host's own " + kind + where;
    case HandleProblem::What::UsedAfterFree: return kind + " used after it was freed" + where;
    case HandleProblem::What::UsedUnknown: return "used a handle the host never gave out" + where;
    }
    return kind + where;
}

class Checker {
public:
    Checker(const RunFacts& facts, const Expectation& expectation) : f_(facts), e_(expectation) {}

    std::vector<Violation> Run()
    {
        Result();
        NothingHappens();
        Suites();
        Handles();
        Events();
        Dialogs();
        Document();
        Parameters();
        return std::move(found_);
    }

private:
    void Add(const char* check, std::string message) { found_.push_back(Violation{check, std::move(message), e_.why}); }

    void Result()
    {
        const PlugStatus result = f_.report.result;
        if (std::find(e_.results.begin(), e_.results.end(), result) == e_.results.end())
            Add("result", "the entry point returned " + std::to_string(result) + " where " + Results(e_.results) +
                              " is documented");
    }

    void NothingHappens()
    {
        if (!e_.nothingHappens) return;
        const auto& r = f_.report;
        if (!r.dialogs.empty()) Add("result", "a dialog opened although the command could not start");
        if (!r.events.empty()) Add("result", "events were played although the command could not start");
        if (r.recorded) Add("parameters", "a recording was handed back although the command could not start");
    }

    void Suites()
    {
        std::vector<host::SuiteRegistry::Usage> held = f_.report.suitesHeld;
        if (e_.releaseRefused && held.size() == 1 && held.front().Held() == 1) held.clear();
        for (const auto& suite : held)
            Add("suites", "suite \"" + suite.name + "\" left acquired after the call");
    }

    void Handles()
    {
        bool excused = false;
        for (const auto& problem : f_.report.handleProblems) {
            const bool refusedFree = e_.freeRefused && problem.what == HandleProblem::What::Leaked &&
                                     problem.kind == *e_.freeRefused;
            if (refusedFree && !excused) {
                excused = true;
                continue;
            }
            Add("handles", DescribeProblem(problem));
        }
    }

    void Events()
    {
        for (const auto& event : f_.report.events) {
            if (event.event != host::kCanvasSizeEvent)
                Add("events", "played '" + host::FourCodeText(event.event) + "', not the canvas-size event");
            if (event.dialogOption != 2)
                Add("events", "played with dialog option " + std::to_string(event.dialogOption) + " instead of 2");
        }
    }

    // A module shows only the dialogs its own resources hold.
    void Dialogs()
    {
        for (const auto& dialog : f_.report.dialogs)
            if (!dialog.built)
                Add("dialogs", "the module opened dialog " + std::to_string(dialog.resourceId) + " (\"" + dialog.name +
                                   "\"), which its resources do not hold");
    }

    // The document may change only by the events the host applied, all
    // inside one suspended history step of the run.
    void Document()
    {
        const auto& r = f_.report;
        if (!f_.before || !r.document) return;
        if (r.document->id != f_.before->id) {
            Add("document", "the target document changed during the run");
            return;
        }
        host::Document replay(f_.before->id, f_.before->width, f_.before->height, f_.before->resolution);
        bool changed = false;
        for (const auto& event : r.events) {
            if (event.status != 0) continue;
            host::Descriptor d;
            for (const auto& item : event.items) d.Put(item.key, item.type, item.value);
            const host::CanvasSizePlan plan = host::PlanCanvasSize(d, replay);
            if (plan.status != 0) {
                Add("document", "the host applied an event it refuses on replay: " + plan.reason);
                return;
            }
            changed = changed || plan.change.newWidth != plan.change.oldWidth || plan.change.newHeight != plan.change.oldHeight;
            replay.Apply(plan.change);
        }
        const auto& now = *r.document;
        if (now.width != replay.Width() || now.height != replay.Height() ||
            now.imageX - f_.before->imageX != replay.ImageX() || now.imageY - f_.before->imageY != replay.ImageY()) {
            Add("document", "the document is " + std::to_string(now.width) + " x " + std::to_string(now.height) +
                                " where the applied events give " + std::to_string(replay.Width()) + " x " +
                                std::to_string(replay.Height()));
        }
        const std::vector<std::string> oneState = {f_.historyName};
        if (changed && r.history != oneState)
            Add("history", "the run's changes did not form exactly one history state named \"" + f_.historyName + "\"");
        if (!changed && !r.history.empty()) Add("history", "a history state was added without any change");
    }

    void Parameters()
    {
        const auto& r = f_.report;
        if (!r.parametersPassed) return;
        if (!r.recorded) {
            if (r.recordOption != f_.request.recordOption)
                Add("parameters", "the record option changed although nothing was recorded");
            // Without a host failure every run that is not cancelled records.
            if (e_.why.empty() && r.result == 0 && IsDoIt(f_.request))
                Add("parameters", "a run that succeeded handed back no recording");
            return;
        }
        if (r.result == -128) Add("parameters", "a recording was handed back by a cancelled run");
        if (r.recordOption != 0) Add("parameters", "a recording was handed back with record option " +
                                                       std::to_string(r.recordOption) + " instead of 0");
        if (auto problem = CheckRecording(*r.recorded)) Add("parameters", *problem);
    }

    const RunFacts& f_;
    const Expectation& e_;
    std::vector<Violation> found_;
};

}  // namespace

std::vector<Violation> CheckRun(const RunFacts& facts, const Expectation& expectation)
{
    return Checker(facts, expectation).Run();
}

}  // namespace kestrow::validate
