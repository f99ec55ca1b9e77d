// Fault: when the host refuses a canvas event, the executors wait for it
// forever. The real executors reach the control suite through a table whose
// Play never returns a refusal.
#include "ActionSuites.h"

extern const ActionControlSuite2* controlSuite;
extern const ActionControlSuite2* kestrowStubbornControlSuite;

namespace {

HostStatus HOSTCALL Play(ActionDescriptorHandle* result, FourCode event, ActionDescriptorHandle descriptor,
                         int32_t dialogOption)
{
    const HostStatus status = controlSuite->Play(result, event, descriptor, dialogOption);
    for (volatile unsigned spin = 0; status != 0; ++spin) {
    }
    return status;
}

ActionControlSuite2 MakeTable()
{
    ActionControlSuite2 table = {};
    table.Play = Play;
    return table;
}

const ActionControlSuite2 kStubborn = MakeTable();

} // namespace

const ActionControlSuite2* kestrowStubbornControlSuite = &kStubborn;

#define controlSuite kestrowStubbornControlSuite
#include "ops/AbsoluteResize.cpp"
#include "ops/RelativeMargins.cpp"
