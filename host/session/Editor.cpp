#include "session/Editor.h"

#include "dialog/ModuleDialogSource.h"

#include <map>
#include <stdexcept>

namespace kestrow::host {
namespace {

bool IsDoIt(const RunRequest& request) { return request.caller == "PS Photoshop" && request.selector == "Do It"; }

}  // namespace

Editor::Editor() : host_(std::make_unique<Host>()) {}

Editor::~Editor() = default;

bool Editor::LoadModule(const std::string& path, std::string& error)
{
    // The module goes first, with the dialogs read from it: on Windows,
    // opening the resources of a module that is still loaded shares the
    // loaded module, which would then stay loaded, state and all.
    module_.reset();
    host_->dialogs.SetSource(nullptr);
    // The dialog manager builds the module's dialogs from its own resources;
    // a module that carries none gets dialogs without items.
    std::string noResources;
    return LoadModule(path, ModuleDialogSource::Open(path, noResources), error);
}

bool Editor::LoadModule(const std::string& path, std::shared_ptr<const DialogSource> dialogs, std::string& error)
{
    module_.reset();
    module_ = Module::Load(path, error);
    if (!module_) return false;
    host_->dialogs.SetSource(std::move(dialogs));
    return true;
}

Document& Editor::OpenDocument(int32_t width, int32_t height, double resolution)
{
    return host_->documents.Open(width, height, resolution);
}

RunReport Editor::Run(const RunRequest& request)
{
    if (!module_) throw std::logic_error("no module is loaded");
    Host& host = *host_;
    ActiveHostScope active(host);

    const size_t firstEvent = host.events.size();
    const size_t firstDialog = host.dialogs.Runs().size();
    const size_t firstProblem = host.handles.Problems().size();
    const uint64_t mark = host.handles.Mark();
    std::map<std::pair<std::string, int32_t>, unsigned> heldBefore;
    for (const auto& usage : host.suites.StillHeld()) heldBefore[{usage.name, usage.version}] = usage.Held();
    std::map<const Document*, size_t> historyBefore;
    for (const auto& document : host.documents.All()) historyBefore[document.get()] = document->History().size();

    RunReport report;
    report.caller = request.caller;
    report.selector = request.selector;
    report.playOption = request.playOption;
    report.parametersPassed = request.passParameters.value_or(IsDoIt(request));

    ActionParameters parameters{request.playOption, request.recordOption, nullptr};
    uintptr_t handedIn = 0;
    if (request.descriptor) {
        handedIn = host.handles.Add(std::make_unique<Descriptor>(*request.descriptor), HandleOwner::Host);
        parameters.descriptor = HandleOf<ActionDescriptorHandle>(handedIn);
    }
    PluginMessage message{nullptr, host.PluginHandle(), nullptr, request.passBasicSuite ? host.Basic() : nullptr,
                          report.parametersPassed ? &parameters : nullptr};

    report.result = module_->Main(request.caller.c_str(), request.selector.c_str(), &message);

    // The descriptor the plug-in left in the record is the host's from now on.
    const uintptr_t left = TokenOf(parameters.descriptor);
    if (report.parametersPassed && left != 0 && left != handedIn) {
        if (const Descriptor* recorded = host.handles.FindDescriptor(left, "ActionParameters.descriptor")) {
            report.recorded = *recorded;
            host.handles.FreeFromHost(left);
        }
    }
    report.recordOption = parameters.recordOption;
    host.handles.FreeFromHost(handedIn);
    for (uintptr_t name : host.callNames) host.handles.FreeFromHost(name);
    host.callNames.clear();
    host.handles.RecordLeaksSince(mark);

    const auto& problems = host.handles.Problems();
    report.handleProblems.assign(problems.begin() + static_cast<std::ptrdiff_t>(firstProblem), problems.end());
    report.events.assign(host.events.begin() + static_cast<std::ptrdiff_t>(firstEvent), host.events.end());
    const auto& runs = host.dialogs.Runs();
    report.dialogs.assign(runs.begin() + static_cast<std::ptrdiff_t>(firstDialog), runs.end());
    for (const auto& usage : host.suites.StillHeld())
        if (usage.Held() > heldBefore[{usage.name, usage.version}]) report.suitesHeld.push_back(usage);
    for (const auto& document : host.documents.All()) {
        const auto& history = document->History();
        for (size_t i = historyBefore[document.get()]; i < history.size(); ++i) report.history.push_back(history[i].name);
    }
    if (const Document* target = host.documents.Target()) {
        report.document = DocumentState{target->Id(), target->Width(), target->Height(), target->Resolution(),
                                        target->ImageX(), target->ImageY()};
    }
    return report;
}

}  // namespace kestrow::host
