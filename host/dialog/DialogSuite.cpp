// The dialog suite: running a dialog modally and reaching its items.
// Handles are checked against the open dialogs before use, so a stale or
// null dialog makes an operation do nothing instead of crashing.
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

namespace kestrow::host {
namespace {

Dialog* FindDialog(Host& host, DialogRef dialog) { return host.dialogs.FindDialog(dialog); }

int32_t HOSTCALL Modal(PluginRef, const char* name, int32_t resourceId, int32_t, DialogInitProc initProc,
                       void* userData, int32_t)
{
    Host* host = ActiveHost();
    if (!host) return status::kNoHost;
    try {
        if (auto fault = host->faults.OnCall("Dialog.Modal")) return *fault;
        return host->dialogs.Modal(name ? name : "", resourceId, initProc, userData);
    } catch (...) {
        return status::kInternal;
    }
}

ItemRef HOSTCALL GetItem(DialogRef dialog, int32_t itemId)
{
    return GuardedValueCall<ItemRef>("Dialog.GetItem", nullptr, [&](Host& host) -> ItemRef {
        Dialog* d = FindDialog(host, dialog);
        return d ? reinterpret_cast<ItemRef>(d->Item(itemId)) : nullptr;
    });
}

void HOSTCALL EndModal(DialogRef dialog, int32_t result, HostBool cancelling)
{
    GuardedVoidCall("Dialog.EndModal", [&](Host& host) {
        if (Dialog* d = FindDialog(host, dialog)) d->End(result, cancelling != 0);
    });
}

int32_t HOSTCALL GetMask(DialogRef dialog)
{
    return GuardedValueCall<int32_t>("Dialog.GetMask", 0, [&](Host& host) {
        Dialog* d = FindDialog(host, dialog);
        return d ? d->mask : 0;
    });
}

void HOSTCALL SetMask(DialogRef dialog, int32_t mask)
{
    GuardedVoidCall("Dialog.SetMask", [&](Host& host) {
        if (Dialog* d = FindDialog(host, dialog)) d->mask = mask;
    });
}

void HOSTCALL SetTrackProc(DialogRef dialog, DialogTrackProc trackProc)
{
    GuardedVoidCall("Dialog.SetTrackProc", [&](Host& host) {
        if (Dialog* d = FindDialog(host, dialog)) d->trackProc = trackProc;
    });
}

const DialogSuite5 kTable = {Modal, GetItem, EndModal, GetMask, SetMask, SetTrackProc};
const DialogBasicSuite3 kDialogBasic = {nullptr};
const DrawerSuite3 kDrawer = {nullptr};
const NotifierSuite1 kNotifier = {nullptr};

}  // namespace

const DialogSuite5& DialogSuiteTable() { return kTable; }
const DialogBasicSuite3& DialogBasicSuiteTable() { return kDialogBasic; }
const DrawerSuite3& DrawerSuiteTable() { return kDrawer; }
const NotifierSuite1& NotifierSuiteTable() { return kNotifier; }

}  // namespace kestrow::host
