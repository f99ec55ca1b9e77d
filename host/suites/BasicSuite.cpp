// The basic suite: acquiring and releasing the other suites by name and version.
#include "model/StatusCodes.h"
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <cstring>

namespace kestrow::host {
namespace {

HostStatus HOSTCALL AcquireSuite(const char* name, int32_t version, const void** suite)
{
    if (suite) *suite = nullptr;
    return GuardedCall("Basic.AcquireSuite", [&](Host& host) -> HostStatus {
        if (!name || !suite) return status::kBadParameter;
        if (host.faults.IsWithheld(name)) return status::kSuiteNotFound;
        const void* table = host.suites.Acquire(name, version);
        if (!table) return status::kSuiteNotFound;
        *suite = table;
        return status::kOk;
    });
}

HostStatus HOSTCALL ReleaseSuite(const char* name, int32_t version)
{
    return GuardedCall("Basic.ReleaseSuite", [&](Host& host) -> HostStatus {
        if (!name) return status::kBadParameter;
        return host.suites.Release(name, version) ? status::kOk : status::kSuiteNotHeld;
    });
}

HostBool HOSTCALL IsEqual(const char* left, const char* right)
{
    return GuardedValueCall<HostBool>("Basic.IsEqual", 0, [&](Host&) -> HostBool {
        return left && right && std::strcmp(left, right) == 0;
    });
}

const BasicSuite kTable = {AcquireSuite, ReleaseSuite, IsEqual};

}  // namespace

const BasicSuite& BasicSuiteTable() { return kTable; }

}  // namespace kestrow::host
