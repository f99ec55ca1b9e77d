// The common frame of every suite function: find the active host, count
// the call, fire an armed fault, run the body, and keep exceptions from
// crossing into the module.
#pragma once

#include "model/StatusCodes.h"
#include "runtime/Host.h"

namespace kestrow::host {

template <class Body>
HostStatus GuardedCall(const char* operation, Body&& body) noexcept
{
    Host* host = ActiveHost();
    if (!host) return status::kNoHost;
    try {
        if (auto fault = host->faults.OnCall(operation)) return *fault;
        return body(*host);
    } catch (...) {
        return status::kInternal;
    }
}

// For operations without a status: `failed` is answered when there is no
// host, a fault fires or the body throws.
template <class T, class Body>
T GuardedValueCall(const char* operation, T failed, Body&& body) noexcept
{
    Host* host = ActiveHost();
    if (!host) return failed;
    try {
        if (host->faults.OnCall(operation)) return failed;
        return body(*host);
    } catch (...) {
        return failed;
    }
}

template <class Body>
void GuardedVoidCall(const char* operation, Body&& body) noexcept
{
    Host* host = ActiveHost();
    if (!host) return;
    try {
        if (host->faults.OnCall(operation)) return;
        body(*host);
    } catch (...) {
    }
}

}  // namespace kestrow::host
