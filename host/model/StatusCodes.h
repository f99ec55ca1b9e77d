// The statuses the simulated editor answers through its suites. Zero is
// success; every failure has its own code so a report can say what went wrong.
#pragma once

#include "HostTypes.h"

#include <string>

namespace kestrow::host::status {

constexpr HostStatus kOk = 0;
constexpr HostStatus kBadParameter = -50;      // a required pointer or argument is missing or out of range
constexpr HostStatus kBadHandle = -109;        // a handle the host never gave out, or already freed
constexpr HostStatus kNoHost = -108;           // a suite was called outside a call into the module
constexpr HostStatus kInternal = -1;           // the host itself failed (out of memory)
constexpr HostStatus kSuiteNotFound = -2;      // no suite of that name and version, or it is withheld
constexpr HostStatus kSuiteNotHeld = -3;       // a release without a matching acquisition
constexpr HostStatus kWrongType = -1700;       // the item exists but holds another type
constexpr HostStatus kBadValue = -1703;        // a value the event cannot use (size, unit, alignment)
constexpr HostStatus kEventNotHandled = -1708; // an event code the editor does not play
constexpr HostStatus kNoDocument = -1719;      // no document is open to be the target
constexpr HostStatus kNoSuchKey = -1728;       // the descriptor, reference or object has no such item

// A short name for a status, e.g. "no such key (-1728)".
std::string StatusText(int32_t status);

}  // namespace kestrow::host::status
