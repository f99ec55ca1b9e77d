// Absolute mode: the canvas gets a new width and height around the anchor,
// in one canvas-size event.
#include "ops/DocumentOps.h"

#include <math.h>

#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

namespace {

// Sizes that differ by no more than this count as unchanged.
const double kChangeTolerance = 0.0001;

FourCode HorizontalAlignment(int32_t anchor)
{
    switch (anchor) {
    case 1: case 4: case 7: return FourCC("Left");
    case 2: case 5: case 8: return FourCC("Cntr");
    default: return FourCC("Rght");
    }
}

FourCode VerticalAlignment(int32_t anchor)
{
    switch (anchor) {
    case 1: case 2: case 3: return FourCC("Top ");
    case 4: case 5: case 6: return FourCC("Cntr");
    default: return FourCC("Bttm");
    }
}

// Which sizes differ from the document size last shown in the dialog.
void RunChangeTest()
{
    CanvasState& s = gCanvasState;
    s.changedDims = 0;
    if (fabs(s.startWidth - s.recordedWidth) > kChangeTolerance)
        s.changedDims = kChangedWidth;
    if (fabs(s.startHeight - s.recordedHeight) > kChangeTolerance)
        s.changedDims += kChangedHeight;
    if (s.changedDims != 0)
        s.commandPlayed = 1;
}

} // namespace

PlugStatus PlayCanvasResize(int32_t anchor, double width, double height, FourCode eventUnit, int32_t which)
{
    const FourCode horizontal = HorizontalAlignment(anchor);
    const FourCode vertical = VerticalAlignment(anchor);
    const bool sendWidth = which == 1 || which == 3;
    const bool sendHeight = which == 2 || which == 3;

    ActionDescriptorHandle descriptor = nullptr;
    ActionDescriptorHandle result = nullptr;
    PlugStatus status = Widen(descriptorSuite->Make(&descriptor));
    if (status == 0 && sendWidth)
        status = Widen(descriptorSuite->PutUnitFloat(descriptor, FourCC("Wdth"), eventUnit, width));
    if (status == 0 && sendHeight)
        status = Widen(descriptorSuite->PutUnitFloat(descriptor, FourCC("Hght"), eventUnit, height));
    if (status == 0)
        status = Widen(descriptorSuite->PutEnumerated(descriptor, FourCC("Hrzn"), FourCC("HrzL"), horizontal));
    if (status == 0)
        status = Widen(descriptorSuite->PutEnumerated(descriptor, FourCC("Vrtc"), FourCC("VrtL"), vertical));
    if (status == 0)
        status = Widen(controlSuite->Play(&result, FourCC("CnvS"), descriptor, 2));

    // Runs without the dialog record the sizes the parameters carried: the
    // change test compares with what a dialog showed, so it only runs there.
    if (status == 0 && gCanvasState.dialogRunning)
        RunChangeTest();

    if (result != nullptr)
        descriptorSuite->Free(result);
    if (descriptor != nullptr)
        descriptorSuite->Free(descriptor);
    return status;
}

PlugStatus ExecuteAbsolute(int32_t unitsIndex, int32_t which)
{
    CanvasState& s = gCanvasState;
    s.recordedWidth = s.newWidth;
    s.recordedHeight = s.newHeight;

    const ExecutionUnit unit = ExecutionUnitFor(unitsIndex, 0);
    s.newWidth *= unit.factor;
    s.newHeight *= unit.factor;

    MeasureDocument(unit.pixelFlag);
    if (unitsIndex == kUnitPercent) {
        s.newWidth = (s.docWidth * s.newWidth) * 0.01;
        s.newHeight = (s.docHeight * s.newHeight) * 0.01;
    }
    return PlayCanvasResize(s.anchor, s.newWidth, s.newHeight, unit.eventUnit, which);
}
