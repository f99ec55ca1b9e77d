// The entry point and the run sequence: acquire the suites, tell "About"
// from "Do It", and run the canvas command inside one suspended history
// step of the target document.
#include "shell/HostServices.h"

#include "dialog/Dialogs.h"
#include "ops/DocumentOps.h"
#include "params/CanvasState.h"
#include "params/Parameters.h"

namespace {

void RunAboutBox()
{
    dialogSuite->Modal(gCanvasState.pluginRef, "About", kAboutDialogId, 0, AboutDialogInit, nullptr, 0);
}

PlugStatus RunDoIt(const PluginMessage* message)
{
    ActionParameters* parameters = message->actionParameters;

    HostNameValue name = nullptr;
    PlugStatus status = Widen(uiHooksSuite->GetPluginName(message->pluginRef, &name));
    if (status != 0)
        return status;

    ActionReferenceHandle reference = nullptr;
    status = Widen(referenceSuite->Make(&reference));
    if (status != 0)
        return status;

    status = Widen(referenceSuite->PutEnumerated(reference, FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt")));
    if (status == 0) {
        const PlugStatus historyStatus = Widen(controlSuite->SuspendHistory(reference, RunCanvasCommand, parameters, name));
        status = gCanvasState.runResult;
        gCanvasState.runResult = 0;
        // A host that could not open the history step never ran the command:
        // report its refusal rather than a success.
        if (status == 0)
            status = historyStatus;
    }
    referenceSuite->Free(reference);
    return status;
}

} // namespace

PlugStatus HOSTCALL RunCanvasCommand(ActionParameters* parameters)
{
    CanvasState& s = gCanvasState;
    // Each run's modal result and recording depend on that run alone.
    s.commandPlayed = 0;
    ReadParameters(parameters);

    if (parameters != nullptr && parameters->playOption == kPlayWithDialog) {
        s.dialogRunning = true;
        const int32_t modalResult =
            dialogSuite->Modal(s.pluginRef, "Canvas", kMainDialogId, 0, MainDialogInit, nullptr, 0);
        s.dialogRunning = false;
        if (modalResult == 0) {
            s.runResult = kStatusCancelled;
            return kStatusCancelled;
        }
    } else if (s.absoluteMode) {
        ExecuteAbsolute(s.unitsIndex, s.changedDims);
    } else {
        s.uniformity = kUniformNone;
        ExecuteRelative(s.unitsIndex);
    }

    WriteParameters(parameters);
    return 0;
}

extern "C" KESTROW_EXPORT PlugStatus HOSTCALL PluginMain(const char* caller, const char* selector, void* message)
{
    const PluginMessage* record = static_cast<const PluginMessage*>(message);
    if (record == nullptr)
        return kStatusSuiteMissing;

    basicSuite = record->basicSuite;
    gCanvasState.pluginRef = record->pluginRef;

    if (AcquireSuites(basicSuite, SuiteTable, kSuiteCount) != 0) {
        // Give back whatever was acquired before the failing row.
        ReleaseSuites(basicSuite, SuiteTable, kSuiteCount);
        return kStatusSuiteMissing;
    }

    PlugStatus result = 0;
    if (basicSuite->IsEqual(caller, "SP Interface") && basicSuite->IsEqual(selector, "About"))
        RunAboutBox();
    if (basicSuite->IsEqual(caller, "PS Photoshop") && basicSuite->IsEqual(selector, "Do It"))
        result = RunDoIt(record);

    ReleaseSuites(basicSuite, SuiteTable, kSuiteCount);
    return result;
}
