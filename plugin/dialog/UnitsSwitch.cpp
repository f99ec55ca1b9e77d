// Switching the display unit in either units popup: both popups follow, the
// requested size and the document size are converted, the labels refreshed.
// Margins keep their typed numbers, which then count in the new unit.
#include <string.h>

#include "dialog/Dialogs.h"
#include "ops/DocumentOps.h"
#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

namespace {

// Pixels per display unit, by the display label the values are in now.
double PixelsPerUnit(const char* label, double r)
{
    if (strcmp(label, "pixels") == 0) return 1.0;
    if (strcmp(label, "inches") == 0) return r;
    if (strcmp(label, "mm") == 0) return r * 0.03937007874015748;
    if (strcmp(label, "cm") == 0) return r * 0.39370078740157477;
    if (strcmp(label, "picas") == 0) return r * 0.16666666666666666;
    if (strcmp(label, "points") == 0) return r * 0.013888888888888888;
    return 1.0;
}

// Display units per pixel, by the new units index (percent is handled apart).
double UnitsPerPixel(int32_t index, double r)
{
    switch (index) {
    case kUnitMillimetres: return 25.4 / r;
    case kUnitCentimetres: return 2.54 / r;
    case kUnitInches: return 1.0 / r;
    case kUnitPoints: return 72.0 / r;
    case kUnitPicas: return 6.0 / r;
    default: return 1.0;
    }
}

void ConvertRequestedSize(int32_t index)
{
    CanvasState& s = gCanvasState;
    double widthPixels;
    double heightPixels;
    if (strcmp(s.unitName, "%") == 0) {
        widthPixels = s.percentBaseWidth * s.newWidth * 0.01;
        heightPixels = s.percentBaseHeight * s.newHeight * 0.01;
    } else {
        const double factor = PixelsPerUnit(s.unitName, s.resolution);
        widthPixels = s.newWidth * factor;
        heightPixels = s.newHeight * factor;
    }

    if (index == kUnitPercent) {
        s.newWidth = (widthPixels * 100) / s.percentBaseWidth;
        s.newHeight = (heightPixels * 100) / s.percentBaseHeight;
    } else {
        const double factor = UnitsPerPixel(index, s.resolution);
        s.newWidth = widthPixels * factor;
        s.newHeight = heightPixels * factor;
    }
}

// The document measured again, in the new unit.
void MeasureDocumentIn(int32_t index)
{
    CanvasState& s = gCanvasState;
    MeasureDocument(1);
    const double r = s.resolution;
    switch (index) {
    case kUnitPercent:
        s.docWidth = 100;
        s.docHeight = 100;
        break;
    case kUnitMillimetres:
        s.docWidth = (s.docWidth / r) * 25.4;
        s.docHeight = (s.docHeight / r) * 25.4;
        break;
    case kUnitCentimetres:
        s.docWidth = (s.docWidth / r) * 2.54;
        s.docHeight = (s.docHeight / r) * 2.54;
        break;
    case kUnitInches:
        s.docWidth = s.docWidth / r;
        s.docHeight = s.docHeight / r;
        break;
    case kUnitPoints:
        MeasureDocument(0);
        break;
    case kUnitPicas:
        s.docWidth = (s.docWidth * 6) / r;
        s.docHeight = (s.docHeight * 6) / r;
        break;
    default:
        break;
    }
}

} // namespace

void HOSTCALL UnitsPopupChanged(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    const int32_t id = itemSuite->GetID(item);
    const int32_t index = entrySuite->GetIndex(listSuite->GetActiveEntry(itemSuite->GetList(item)));
    // A popup without a chosen unit has nothing to switch to.
    if (index < 0 || index >= kUnitCount)
        return;

    const int32_t otherId = id == kItemRelativeUnits ? kItemAbsoluteUnits : kItemRelativeUnits;
    ListRef otherList = itemSuite->GetList(dialogSuite->GetItem(dialog, otherId));
    entrySuite->Select(listSuite->GetEntry(otherList, index), 1);

    ConvertRequestedSize(index);
    MeasureDocumentIn(index);
    strncpy(s.unitName, UnitsTable[index].displayLabel, kUnitNameSize - 1);
    s.unitName[kUnitNameSize - 1] = '\0';

    RecomputeRelativeSize();
    UpdateSizeLabels(item, s.unitName);

    const char* format = EditFormat(s.unitName);
    SetItemNumber(dialogSuite->GetItem(dialog, kItemWidth), format, s.newWidth);
    SetItemNumber(dialogSuite->GetItem(dialog, kItemHeight), format, s.newHeight);
}
