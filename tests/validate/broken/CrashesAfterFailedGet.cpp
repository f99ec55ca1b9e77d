// Fault: the document's answer is read even when asking for it failed, so a
// failing Get makes the module read through a null descriptor.
#include "ActionSuites.h"

extern const ActionControlSuite2* controlSuite;
extern const ActionControlSuite2* kestrowCarelessControlSuite;

namespace {

HostStatus HOSTCALL Get(ActionDescriptorHandle* result, ActionReferenceHandle reference)
{
    const HostStatus status = controlSuite->Get(result, reference);
    if (status != 0)
        return *reinterpret_cast<volatile const HostStatus*>(*result);
    return status;
}

ActionControlSuite2 MakeTable()
{
    ActionControlSuite2 table = {};
    table.Get = Get;
    return table;
}

const ActionControlSuite2 kCareless = MakeTable();

} // namespace

const ActionControlSuite2* kestrowCarelessControlSuite = &kCareless;

#define controlSuite kestrowCarelessControlSuite
#include "ops/MeasureDocument.cpp"
