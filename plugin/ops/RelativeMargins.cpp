// Relative mode: margins added on each side, one canvas-size event per
// non-zero side, anchored on the opposite side so the new area appears on
// the margin's side.
#include "ops/DocumentOps.h"

#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

namespace {

struct SideEvent {
    int32_t item;
    FourCode dimensionKey;
    FourCode alignmentKey;
    FourCode alignmentType;
    FourCode alignment;
};

const SideEvent kSides[4] = {
    {kSideTop, FourCC("Hght"), FourCC("Vrtc"), FourCC("VrtL"), FourCC("Bttm")},
    {kSideLeft, FourCC("Wdth"), FourCC("Hrzn"), FourCC("HrzL"), FourCC("Rght")},
    {kSideBottom, FourCC("Hght"), FourCC("Vrtc"), FourCC("VrtL"), FourCC("Top ")},
    {kSideRight, FourCC("Wdth"), FourCC("Hrzn"), FourCC("HrzL"), FourCC("Left")},
};

const SideEvent* FindSide(int32_t sideItem)
{
    for (const SideEvent& side : kSides) {
        if (side.item == sideItem)
            return &side;
    }
    return nullptr;
}

void ApplyUniformity()
{
    CanvasState& s = gCanvasState;
    if (s.uniformity == kUniformHorizontal || s.uniformity == kUniformBoth) {
        s.marginLeft = s.uniformMargin;
        s.marginRight = s.uniformMargin;
    }
    if (s.uniformity == kUniformVertical || s.uniformity == kUniformBoth) {
        s.marginTop = s.uniformMargin;
        s.marginBottom = s.uniformMargin;
    }
}

} // namespace

PlugStatus PlayMarginResize(int32_t sideItem, double newDimension, FourCode eventUnit)
{
    gCanvasState.commandPlayed = 1;

    const SideEvent* side = FindSide(sideItem);
    if (side == nullptr)
        return kStatusParameter;

    ActionDescriptorHandle descriptor = nullptr;
    ActionDescriptorHandle result = nullptr;
    PlugStatus status = Widen(descriptorSuite->Make(&descriptor));
    if (status == 0)
        status = Widen(descriptorSuite->PutUnitFloat(descriptor, side->dimensionKey, eventUnit, newDimension));
    if (status == 0)
        status = Widen(descriptorSuite->PutEnumerated(descriptor, side->alignmentKey, side->alignmentType, side->alignment));
    if (status == 0)
        status = Widen(controlSuite->Play(&result, FourCC("CnvS"), descriptor, 2));

    if (result != nullptr)
        descriptorSuite->Free(result);
    if (descriptor != nullptr)
        descriptorSuite->Free(descriptor);
    return status;
}

PlugStatus ExecuteRelative(int32_t unitsIndex)
{
    CanvasState& s = gCanvasState;
    ApplyUniformity();
    s.recordedTop = s.marginTop;
    s.recordedLeft = s.marginLeft;
    s.recordedBottom = s.marginBottom;
    s.recordedRight = s.marginRight;

    const ExecutionUnit unit = ExecutionUnitFor(unitsIndex, 1);
    s.marginTop *= unit.factor;
    s.marginLeft *= unit.factor;
    s.marginBottom *= unit.factor;
    s.marginRight *= unit.factor;

    MeasureDocument(unit.pixelFlag);
    const double baseWidth = s.docWidth;
    const double baseHeight = s.docHeight;
    const bool percent = unitsIndex == kUnitPercent;

    const double* margins[4] = {&s.marginTop, &s.marginLeft, &s.marginBottom, &s.marginRight};
    for (int side = 0; side < 4; ++side) {
        const double margin = *margins[side];
        if (margin == 0.0)
            continue;
        MeasureDocument(unit.pixelFlag);
        const bool vertical = kSides[side].dimensionKey == FourCC("Hght");
        const double present = vertical ? s.docHeight : s.docWidth;
        const double base = vertical ? baseHeight : baseWidth;
        const double dimension = percent ? present + margin * base : present + margin;
        const PlugStatus status = PlayMarginResize(kSides[side].item, dimension, unit.eventUnit);
        if (status != 0)
            return status;
    }
    return 0;
}
