// Reading the playback descriptor into the canvas state, and writing the
// recorded values into a new descriptor for the host. Absolute mode is
// chosen by a usable anchor ('Hrzn' or 'Vrtc'); relative mode otherwise.
#include "params/Parameters.h"

#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

namespace {

void ReadAbsoluteSizes(ActionDescriptorHandle descriptor)
{
    CanvasState& s = gCanvasState;
    s.changedDims = 0;
    if (descriptorSuite->GetFloat(descriptor, FourCC("Wdth"), &s.newWidth) == 0)
        s.changedDims = kChangedWidth;
    if (descriptorSuite->GetFloat(descriptor, FourCC("Hght"), &s.newHeight) == 0)
        s.changedDims += kChangedHeight;
    s.absoluteMode = true;
}

void ReadMargins(ActionDescriptorHandle descriptor)
{
    CanvasState& s = gCanvasState;
    s.uniformMargin = 0;
    s.marginRight = 0;
    s.marginBottom = 0;
    s.marginLeft = 0;
    s.marginTop = 0;
    s.uniformity = kUniformNone;
    descriptorSuite->GetFloat(descriptor, FourCC("Top "), &s.marginTop);
    descriptorSuite->GetFloat(descriptor, FourCC("Left"), &s.marginLeft);
    descriptorSuite->GetFloat(descriptor, FourCC("Btom"), &s.marginBottom);
    descriptorSuite->GetFloat(descriptor, FourCC("Rght"), &s.marginRight);
    s.absoluteMode = false;
}

} // namespace

PlugStatus ReadParameters(ActionParameters* parameters)
{
    if (descriptorSuite == nullptr || parameters == nullptr || parameters->descriptor == nullptr)
        return 0;
    ActionDescriptorHandle descriptor = parameters->descriptor;
    CanvasState& s = gCanvasState;

    FourCode unitsType = FourCC("RlrU");
    FourCode units = static_cast<FourCode>(-1);
    descriptorSuite->GetEnumerated(descriptor, FourCC("RlrU"), &unitsType, &units);
    s.unitsIndex = static_cast<int16_t>(UnitsEnumToIndex(units));

    s.anchor = 0;
    FourCode anchorType = FourCC("ADSt");
    FourCode horizontalCode = 0;
    FourCode verticalCode = 0;
    descriptorSuite->GetEnumerated(descriptor, FourCC("Hrzn"), &anchorType, &horizontalCode);
    anchorType = FourCC("ADSt");
    descriptorSuite->GetEnumerated(descriptor, FourCC("Vrtc"), &anchorType, &verticalCode);
    const int32_t h = AlignmentToIndex(horizontalCode);
    const int32_t v = AlignmentToIndex(verticalCode);
    if (h != 0 && v != 0)
        s.anchor = static_cast<int16_t>((v - 1) * 3 + h);
    else if (h != 0)
        s.anchor = static_cast<int16_t>(h);
    else if (v != 0)
        s.anchor = static_cast<int16_t>((v - 1) * 3 + 1);

    if (s.anchor != 0)
        ReadAbsoluteSizes(descriptor);
    else
        ReadMargins(descriptor);
    return 0;
}

PlugStatus WriteParameters(ActionParameters* parameters)
{
    if (descriptorSuite == nullptr || parameters == nullptr)
        return 0;
    const CanvasState& s = gCanvasState;

    ActionDescriptorHandle descriptor = nullptr;
    PlugStatus status = Widen(descriptorSuite->Make(&descriptor));
    if (status != 0) {
        if (descriptor != nullptr)
            descriptorSuite->Free(descriptor);
        return status;
    }
    if (descriptor == nullptr)
        return 0;

    // A recording is handed over whole or not at all: one with a size but no
    // anchor, or without its unit, would play back as something else.
    if (s.absoluteMode) {
        const bool width = (s.changedDims & kChangedWidth) != 0;
        const bool height = (s.changedDims & kChangedHeight) != 0;
        if ((width || height) && (s.anchor < 1 || s.anchor > 9))
            status = kStatusParameter;
        if (status == 0 && width)
            status = Widen(descriptorSuite->PutFloat(descriptor, FourCC("Wdth"), s.recordedWidth));
        if (status == 0 && height)
            status = Widen(descriptorSuite->PutFloat(descriptor, FourCC("Hght"), s.recordedHeight));
        if (status == 0 && width)
            status = Widen(descriptorSuite->PutEnumerated(descriptor, FourCC("Hrzn"), FourCC("ADSt"),
                                                          AnchorToAlignment(s.anchor, 1)));
        if (status == 0 && height)
            status = Widen(descriptorSuite->PutEnumerated(descriptor, FourCC("Vrtc"), FourCC("ADSt"),
                                                          AnchorToAlignment(s.anchor, 0)));
    } else {
        const struct {
            FourCode key;
            double value;
        } margins[] = {{FourCC("Top "), s.recordedTop},
                       {FourCC("Left"), s.recordedLeft},
                       {FourCC("Btom"), s.recordedBottom},
                       {FourCC("Rght"), s.recordedRight}};
        for (const auto& margin : margins) {
            if (status == 0 && margin.value != 0.0)
                status = Widen(descriptorSuite->PutFloat(descriptor, margin.key, margin.value));
        }
    }
    if (status == 0)
        status = Widen(descriptorSuite->PutEnumerated(descriptor, FourCC("RlrU"), FourCC("RlrU"),
                                                      UnitsIndexToEnum(s.unitsIndex)));
    if (status != 0) {
        descriptorSuite->Free(descriptor);
        return status;
    }

    parameters->recordOption = 0;
    parameters->descriptor = descriptor;
    return 0;
}
