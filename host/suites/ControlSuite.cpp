// The action control suite and the UI hooks suite: event playback, property
// reads, suspended history and the plug-in's name value.
#include "model/StatusCodes.h"
#include "runtime/ActionControl.h"
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <memory>

namespace kestrow::host {
namespace {

HostStatus HOSTCALL Play(ActionDescriptorHandle* result, FourCode event, ActionDescriptorHandle descriptor,
                         int32_t dialogOption)
{
    return GuardedCall("ActionControl.Play", [&](Host& host) -> HostStatus {
        uintptr_t resultToken = 0;
        const HostStatus played = PlayEvent(host, event, TokenOf(descriptor), dialogOption, result ? &resultToken : nullptr);
        if (played == 0 && result) *result = HandleOf<ActionDescriptorHandle>(resultToken);
        return played;
    });
}

HostStatus HOSTCALL Get(ActionDescriptorHandle* result, ActionReferenceHandle reference)
{
    return GuardedCall("ActionControl.Get", [&](Host& host) -> HostStatus {
        if (!result) return status::kBadParameter;
        uintptr_t resultToken = 0;
        const HostStatus got = GetReferenced(host, TokenOf(reference), &resultToken);
        if (got == 0) *result = HandleOf<ActionDescriptorHandle>(resultToken);
        return got;
    });
}

HostStatus HOSTCALL Suspend(ActionReferenceHandle reference, SuspendedProc proc, ActionParameters* data,
                            HostNameValue name)
{
    return GuardedCall("ActionControl.SuspendHistory", [&](Host& host) {
        return SuspendHistory(host, TokenOf(reference), proc, data, TokenOf(name));
    });
}

HostStatus HOSTCALL GetPluginName(PluginRef plugin, HostNameValue* name)
{
    return GuardedCall("UIHooks.GetPluginName", [&](Host& host) -> HostStatus {
        if (!name) return status::kBadParameter;
        if (plugin != host.PluginHandle()) return status::kBadHandle;
        const uintptr_t token = host.handles.Add(std::make_unique<NameValue>(NameValue{host.pluginName}), HandleOwner::Host);
        host.callNames.push_back(token);
        *name = HandleOf<HostNameValue>(token);
        return status::kOk;
    });
}

const ActionControlSuite2 kControl = {Play, Get, Suspend};
const UIHooksSuite1 kUIHooks = {GetPluginName};
const ExtraActionSuite1 kExtraAction = {nullptr};
const HandleSuite1 kHandle = {nullptr};

}  // namespace

const ActionControlSuite2& ControlSuiteTable() { return kControl; }
const UIHooksSuite1& UIHooksSuiteTable() { return kUIHooks; }
const ExtraActionSuite1& ExtraActionSuiteTable() { return kExtraAction; }
const HandleSuite1& HandleSuiteTable() { return kHandle; }

}  // namespace kestrow::host
