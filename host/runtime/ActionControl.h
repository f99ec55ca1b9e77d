// What the editor does for the action control suite: play an event on the
// target document, answer a reference, and group a suspended history step.
#pragma once

#include "ActionSuites.h"
#include "runtime/Host.h"

namespace kestrow::host {

// Plays `event` with the descriptor behind `descriptorToken` (0: none).
// On success *resultToken (when given) receives a new plug-in-owned result
// descriptor. Every call is logged in host.events.
HostStatus PlayEvent(Host& host, FourCode event, uintptr_t descriptorToken, int32_t dialogOption,
                     uintptr_t* resultToken);

// Answers the target document's property, or the whole document, in a new
// plug-in-owned descriptor.
HostStatus GetReferenced(Host& host, uintptr_t referenceToken, uintptr_t* resultToken);

HostStatus SuspendHistory(Host& host, uintptr_t referenceToken, SuspendedProc proc, ActionParameters* data,
                          uintptr_t nameToken);

}  // namespace kestrow::host
