// A small module for testing the editor without the real plug-in. Its
// selectors (caller "PS Photoshop") each exercise one thing:
//   "Do It"       acquires every suite, suspends history and, inside, plays a
//                 'CnvS' that adds 'Wdth' pixels (default 10) at the right,
//                 then records 'Seen' (item count handed in, -1 for none).
//                 With play option 1 it first runs dialog 16000 and returns
//                 -128 when that ends with 0, else records 'Mdl ' too.
//   "Leak"        makes a descriptor and never frees it.
//   "Double Free" frees one descriptor twice.
//   "Keep Suite"  acquires the descriptor suite and never releases it.
//   "Count"       returns how many times it was called since loading.
// It is also an example of what a faulty module does to a report.
#include "ActionSuites.h"
#include "DialogSuites.h"
#include "PluginMessage.h"

#include <cstring>

namespace {

struct Suites {
    const ActionDescriptorSuite2* descriptor = nullptr;
    const ActionReferenceSuite2* reference = nullptr;
    const ActionControlSuite2* control = nullptr;
    const UIHooksSuite1* uiHooks = nullptr;
    const DialogSuite5* dialog = nullptr;
    const ItemSuite4* item = nullptr;
} suites;

const BasicSuite* basic = nullptr;
PluginRef pluginRef = nullptr;
int callCount = 0;

struct Row {
    const char* name;
    int32_t version;
    const void** pointer;
};

const void* extraSuites[8];

Row rows[] = {
    {kActionDescriptorSuiteName, 2, reinterpret_cast<const void**>(&suites.descriptor)},
    {kActionReferenceSuiteName, 2, reinterpret_cast<const void**>(&suites.reference)},
    {kActionControlSuiteName, 2, reinterpret_cast<const void**>(&suites.control)},
    {kExtraActionSuiteName, 1, &extraSuites[0]},
    {kDialogBasicSuiteName, 3, &extraSuites[1]},
    {kHandleSuiteName, 1, &extraSuites[2]},
    {kDialogSuiteName, 5, reinterpret_cast<const void**>(&suites.dialog)},
    {kItemSuiteName, 4, reinterpret_cast<const void**>(&suites.item)},
    {kDrawerSuiteName, 3, &extraSuites[3]},
    {kNotifierSuiteName, 1, &extraSuites[4]},
    {kListSuiteName, 1, &extraSuites[5]},
    {kEntrySuiteName, 2, &extraSuites[6]},
    {kTrackerSuiteName, 1, &extraSuites[7]},
    {kUIHooksSuiteName, 1, reinterpret_cast<const void**>(&suites.uiHooks)},
};

bool AcquireAll()
{
    for (Row& row : rows) {
        *row.pointer = nullptr;
        if (basic->AcquireSuite(row.name, row.version, row.pointer) != 0) return false;
    }
    return true;
}

void ReleaseAll()
{
    for (Row& row : rows) {
        if (*row.pointer) basic->ReleaseSuite(row.name, row.version);
        *row.pointer = nullptr;
    }
}

void HOSTCALL EndOnNotify(ItemRef item, NotifierRef)
{
    suites.dialog->EndModal(suites.item->GetDialog(item), 7, 0);
}

PlugStatus HOSTCALL DialogInit(DialogRef dialog)
{
    ItemRef first = suites.dialog->GetItem(dialog, 1);
    suites.item->SetText(first, "ready");
    suites.item->SetNotifyProc(first, EndOnNotify);
    return 0;
}

PlugStatus HOSTCALL Run(ActionParameters* parameters)
{
    int32_t modalResult = -1;
    if (parameters->playOption == kPlayWithDialog) {
        modalResult = suites.dialog->Modal(pluginRef, "Canvas", 16000, 0, DialogInit, nullptr, 0);
        if (modalResult == 0) return -128;
    }
    double margin = 10;
    int32_t seen = -1;
    if (parameters->descriptor) {
        uint32_t count = 0;
        suites.descriptor->GetCount(parameters->descriptor, &count);
        seen = static_cast<int32_t>(count);
        suites.descriptor->GetFloat(parameters->descriptor, FourCC("Wdth"), &margin);
    }
    ActionDescriptorHandle measured = nullptr;
    ActionReferenceHandle reference = nullptr;
    suites.reference->Make(&reference);
    suites.reference->PutProperty(reference, FourCC("Prpr"), FourCC("Wdth"));
    suites.reference->PutEnumerated(reference, FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt"));
    FourCode unit = 0;
    double points = 0;
    if (suites.control->Get(&measured, reference) == 0) {
        suites.descriptor->GetUnitFloat(measured, FourCC("Wdth"), &unit, &points);
        suites.descriptor->Free(measured);
    }
    suites.reference->Free(reference);

    ActionDescriptorHandle event = nullptr;
    ActionDescriptorHandle result = nullptr;
    suites.descriptor->Make(&event);
    suites.descriptor->PutUnitFloat(event, FourCC("Wdth"), FourCC("#Rlt"), points + margin);
    suites.descriptor->PutEnumerated(event, FourCC("Hrzn"), FourCC("HrzL"), FourCC("Left"));
    suites.control->Play(&result, FourCC("CnvS"), event, 2);
    if (result) suites.descriptor->Free(result);
    suites.descriptor->Free(event);

    ActionDescriptorHandle recorded = nullptr;
    if (suites.descriptor->Make(&recorded) == 0) {
        suites.descriptor->PutInteger(recorded, FourCC("Seen"), seen);
        if (modalResult != -1) suites.descriptor->PutInteger(recorded, FourCC("Mdl "), modalResult);
        parameters->descriptor = recorded;
        parameters->recordOption = 0;
    }
    return 0;
}

// Where the run inside the suspended history step leaves its result.
PlugStatus* resultSlot = nullptr;

// Handed to the host, so it states the boundary's calling convention.
PlugStatus HOSTCALL RunInHistoryStep(ActionParameters* parameters)
{
    return *resultSlot = Run(parameters);
}

PlugStatus DoIt(ActionParameters* parameters)
{
    HostNameValue name = nullptr;
    PlugStatus status = suites.uiHooks->GetPluginName(pluginRef, &name);
    if (status != 0) return status;
    ActionReferenceHandle target = nullptr;
    status = suites.reference->Make(&target);
    if (status != 0) return status;
    status = suites.reference->PutEnumerated(target, FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt"));
    PlugStatus runResult = 0;
    resultSlot = &runResult;
    if (status == 0) suites.control->SuspendHistory(target, RunInHistoryStep, parameters, name);
    suites.reference->Free(target);
    return status != 0 ? status : runResult;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) PlugStatus HOSTCALL PluginMain(const char* caller,
                                                                                 const char* selector, void* data)
{
    ++callCount;
    auto* message = static_cast<PluginMessage*>(data);
    basic = message->basicSuite;
    pluginRef = message->pluginRef;
    if (!basic || std::strcmp(caller, "PS Photoshop") != 0) return -30900;
    if (std::strcmp(selector, "Count") == 0) return callCount;
    if (!AcquireAll()) {
        ReleaseAll();
        return -30900;
    }
    PlugStatus result = 0;
    if (std::strcmp(selector, "Do It") == 0) {
        result = message->actionParameters ? DoIt(message->actionParameters) : -50;
    } else if (std::strcmp(selector, "Leak") == 0) {
        ActionDescriptorHandle leaked = nullptr;
        suites.descriptor->Make(&leaked);
    } else if (std::strcmp(selector, "Double Free") == 0) {
        ActionDescriptorHandle twice = nullptr;
        suites.descriptor->Make(&twice);
        suites.descriptor->Free(twice);
        result = suites.descriptor->Free(twice);
    } else if (std::strcmp(selector, "Keep Suite") == 0) {
        const void* kept = nullptr;
        basic->AcquireSuite(kActionDescriptorSuiteName, 2, &kept);
    }
    ReleaseAll();
    return result;
}
