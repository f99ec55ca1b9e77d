// The action reference suite: making references and adding their parts.
#include "model/StatusCodes.h"
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <memory>

namespace kestrow::host {
namespace {

using Handle = ActionReferenceHandle;

template <class Body>
HostStatus WithReference(const char* operation, Handle handle, Body&& body)
{
    return GuardedCall(operation, [&](Host& host) -> HostStatus {
        Reference* reference = host.handles.FindReference(TokenOf(handle), operation);
        if (!reference) return status::kBadHandle;
        body(*reference);
        return status::kOk;
    });
}

HostStatus HOSTCALL Make(Handle* reference)
{
    return GuardedCall("ActionReference.Make", [&](Host& host) -> HostStatus {
        if (!reference) return status::kBadParameter;
        *reference = HandleOf<Handle>(host.handles.Add(std::make_unique<Reference>(), HandleOwner::Plugin));
        return status::kOk;
    });
}

HostStatus HOSTCALL Free(Handle reference)
{
    return GuardedCall("ActionReference.Free", [&](Host& host) {
        return host.handles.FreeFromPlugin(TokenOf(reference), HandleKind::Reference, "ActionReference.Free");
    });
}

HostStatus HOSTCALL PutProperty(Handle reference, FourCode classCode, FourCode key)
{
    return WithReference("ActionReference.PutProperty", reference,
                         [&](Reference& r) { r.AddProperty(classCode, key); });
}

HostStatus HOSTCALL PutEnumerated(Handle reference, FourCode classCode, FourCode type, FourCode value)
{
    return WithReference("ActionReference.PutEnumerated", reference,
                         [&](Reference& r) { r.AddEnumerated(classCode, type, value); });
}

const ActionReferenceSuite2 kTable = {Make, Free, PutProperty, PutEnumerated};

}  // namespace

const ActionReferenceSuite2& ReferenceSuiteTable() { return kTable; }

}  // namespace kestrow::host
