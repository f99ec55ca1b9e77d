// Fault: the canvas events' descriptor is not freed when putting one of its
// items failed. The real executors reach the descriptor suite through a
// table that forgets such a descriptor's Free.
#include "ActionSuites.h"

extern const ActionDescriptorSuite2* descriptorSuite;
extern const ActionDescriptorSuite2* kestrowLeakyDescriptorSuite;

namespace {

ActionDescriptorHandle failedPut = nullptr;

HostStatus HOSTCALL Make(ActionDescriptorHandle* descriptor) { return descriptorSuite->Make(descriptor); }

HostStatus HOSTCALL Free(ActionDescriptorHandle descriptor)
{
    if (descriptor != nullptr && descriptor == failedPut) {
        failedPut = nullptr;
        return 0;
    }
    return descriptorSuite->Free(descriptor);
}

HostStatus HOSTCALL PutUnitFloat(ActionDescriptorHandle descriptor, FourCode key, FourCode unit, double value)
{
    const HostStatus status = descriptorSuite->PutUnitFloat(descriptor, key, unit, value);
    if (status != 0)
        failedPut = descriptor;
    return status;
}

HostStatus HOSTCALL PutEnumerated(ActionDescriptorHandle descriptor, FourCode key, FourCode type, FourCode value)
{
    const HostStatus status = descriptorSuite->PutEnumerated(descriptor, key, type, value);
    if (status != 0)
        failedPut = descriptor;
    return status;
}

ActionDescriptorSuite2 MakeTable()
{
    ActionDescriptorSuite2 table = {};
    table.Make = Make;
    table.Free = Free;
    table.PutUnitFloat = PutUnitFloat;
    table.PutEnumerated = PutEnumerated;
    return table;
}

const ActionDescriptorSuite2 kLeaky = MakeTable();

} // namespace

const ActionDescriptorSuite2* kestrowLeakyDescriptorSuite = &kLeaky;

#define descriptorSuite kestrowLeakyDescriptorSuite
#include "ops/AbsoluteResize.cpp"
#include "ops/RelativeMargins.cpp"
