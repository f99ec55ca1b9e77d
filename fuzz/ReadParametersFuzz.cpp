// The plug-in's parameter reader on arbitrary descriptors, through the
// host's own descriptor suite: whatever a script hands in, the canvas state
// it leaves is one the rest of the plug-in can use, the host sees no misuse
// of its handles, and what the plug-in then records is well-formed.
//
// Input: a count byte, then per item a key byte (one of the parameter keys,
// or four raw bytes), a type byte and the value's bytes.
#include "params/CanvasState.h"
#include "params/Parameters.h"
#include "shell/HostServices.h"

#include "model/ActionList.h"
#include "model/Reference.h"
#include "runtime/Host.h"
#include "validate/RecordingCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using namespace kestrow;

const FourCode kKeys[] = {FourCC("Wdth"), FourCC("Hght"), FourCC("Hrzn"), FourCC("Vrtc"), FourCC("Top "),
                          FourCC("Left"), FourCC("Btom"), FourCC("Rght"), FourCC("RlrU")};
const FourCode kCodes[] = {FourCC("ADSt"), FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg"), FourCC("AdTp"),
                           FourCC("AdBt"), FourCC("RlrU"), FourCC("RrPx"), FourCC("RrPr"), FourCC("RrMm"),
                           FourCC("RrCm"), FourCC("RrIn"), FourCC("RrPt"), FourCC("RrPi"), FourCC("Left"),
                           FourCC("#Pxl")};

FourCode Code(FuzzedDataProvider& in, const FourCode* table, size_t count)
{
    const uint8_t choice = in.ConsumeIntegral<uint8_t>();
    if (choice < count) return table[choice];
    return in.ConsumeIntegral<uint32_t>();
}

void PutItem(FuzzedDataProvider& in, host::Descriptor& d)
{
    const FourCode key = Code(in, kKeys, std::size(kKeys));
    switch (in.ConsumeIntegral<uint8_t>() % 12) {
    case 0: d.PutFloat(key, in.ConsumeFloatingPoint<double>()); break;
    case 1: {
        double raw = 0;  // any bit pattern: NaNs, infinities, denormals
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        static_assert(sizeof raw == sizeof bits);
        __builtin_memcpy(&raw, &bits, sizeof raw);
        d.PutFloat(key, raw);
        break;
    }
    case 2: d.PutInteger(key, in.ConsumeIntegral<int32_t>()); break;
    case 3: d.PutUnitFloat(key, Code(in, kCodes, std::size(kCodes)), in.ConsumeFloatingPoint<double>()); break;
    case 4: d.PutEnumerated(key, Code(in, kCodes, std::size(kCodes)), Code(in, kCodes, std::size(kCodes))); break;
    case 5: d.PutBoolean(key, in.ConsumeBool()); break;
    case 6: d.PutString(key, in.ConsumeRandomLengthString(64)); break;
    case 7: d.PutClass(key, Code(in, kCodes, std::size(kCodes))); break;
    case 8: d.PutObject(key, Code(in, kCodes, std::size(kCodes)), host::Descriptor()); break;
    case 9: {
        host::ActionList list;
        list.Append(FourCC("doub"), in.ConsumeFloatingPoint<double>());
        d.PutList(key, list);
        break;
    }
    case 10: d.PutReference(key, host::Reference()); break;
    default: d.PutAlias(key, in.ConsumeRandomLengthString(16)); break;
    }
}

// The host for every input: one editor process keeps its suites, as the
// plug-in keeps its state for as long as it is loaded.
struct Session {
    host::Host host;
    host::ActiveHostScope active{host};
    Session()
    {
        const void* suite = nullptr;
        host.Basic()->AcquireSuite(kActionDescriptorSuiteName, kActionDescriptorSuiteVersion, &suite);
        descriptorSuite = static_cast<const ActionDescriptorSuite2*>(suite);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Session session;
    FuzzedDataProvider in(data, size);
    host::Descriptor descriptor;
    const uint8_t count = in.ConsumeIntegralInRange<uint8_t>(0, 12);
    for (uint8_t i = 0; i < count && in.remaining_bytes() > 0; ++i) PutItem(in, descriptor);

    host::HandleTracker& handles = session.host.handles;
    const size_t problems = handles.Problems().size();
    const uintptr_t handedIn = handles.Add(std::make_unique<host::Descriptor>(descriptor), host::HandleOwner::Host);
    ActionParameters parameters{kPlayWithoutDialog, 1, host::HandleOf<ActionDescriptorHandle>(handedIn)};
    ReadParameters(&parameters);

    const CanvasState& s = gCanvasState;
    if (s.unitsIndex < 0 || s.unitsIndex > 6) __builtin_trap();
    if (s.anchor < 0 || s.anchor > 9 || s.absoluteMode != (s.anchor != 0)) __builtin_trap();
    if (s.absoluteMode && (s.changedDims < 0 || s.changedDims > 3)) __builtin_trap();
    if (!s.absoluteMode && s.uniformity != kUniformNone) __builtin_trap();

    WriteParameters(&parameters);
    const uintptr_t recorded = host::TokenOf(parameters.descriptor);
    if (recorded == handedIn || parameters.recordOption != 0) __builtin_trap();
    const host::Descriptor* recording = handles.FindDescriptor(recorded, "fuzz");
    if (!recording || validate::CheckRecording(*recording)) __builtin_trap();
    handles.FreeFromHost(recorded);
    handles.FreeFromHost(handedIn);
    if (handles.Problems().size() != problems) __builtin_trap();
    return 0;
}
