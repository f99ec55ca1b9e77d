#include "model/StatusCodes.h"

namespace kestrow::host::status {

std::string StatusText(int32_t code)
{
    const char* name = nullptr;
    switch (code) {
    case kOk: name = "ok"; break;
    case kBadParameter: name = "bad parameter"; break;
    case kBadHandle: name = "bad handle"; break;
    case kNoHost: name = "no host call in progress"; break;
    case kInternal: name = "host failure"; break;
    case kSuiteNotFound: name = "suite not found"; break;
    case kSuiteNotHeld: name = "suite not held"; break;
    case kWrongType: name = "wrong item type"; break;
    case kBadValue: name = "bad value"; break;
    case kEventNotHandled: name = "event not handled"; break;
    case kNoDocument: name = "no document"; break;
    case kNoSuchKey: name = "no such key"; break;
    default: return "status " + std::to_string(code);
    }
    return std::string(name) + " (" + std::to_string(code) + ")";
}

}  // namespace kestrow::host::status
