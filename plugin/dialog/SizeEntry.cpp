// Typing sizes and margins, and the uniformity checkboxes: they keep the
// canvas state in step with the dialog and refresh the four size labels.
#include <string.h>

#include "dialog/Dialogs.h"
#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

void HOSTCALL SizeFieldChanged(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    const int32_t id = itemSuite->GetID(item);
    const double value = ReadItemNumber(item);
    const char* format = LabelFormat(s.unitName);

    if (id == kItemWidth) {
        s.newWidth = value;
        SetItemSize(dialogSuite->GetItem(dialog, kItemNewWidthLabel), format, s.newWidth, s.unitName);
        s.shrinkWidth = s.newWidth < s.startWidth ? 1 : 0;
    } else {
        s.newHeight = value;
        SetItemSize(dialogSuite->GetItem(dialog, kItemNewHeightLabel), format, s.newHeight, s.unitName);
        s.shrinkHeight = s.newHeight < s.startHeight ? 1 : 0;
    }
    AnchorButtonClicked(dialogSuite->GetItem(dialog, kItemAnchorBase + s.anchor), nullptr);
}

void HOSTCALL MarginFieldChanged(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    const int32_t id = itemSuite->GetID(item);
    const double value = ReadItemNumber(item);

    switch (id) {
    case kItemTop: s.marginTop = value; break;
    case kItemLeft: s.marginLeft = value; break;
    case kItemBottom: s.marginBottom = value; break;
    case kItemRight: s.marginRight = value; break;
    default: s.uniformMargin = value; break;
    }
    // The relative size is worked out afresh from the margins rather than
    // adjusted by the difference: a huge or non-numeric value typed once
    // (1e308, "nan") would otherwise spoil it for good.
    RecomputeRelativeSize();
    UpdateSizeLabels(item, s.unitName);
}

void UpdateSizeLabels(ItemRef item, const char* unitLabel)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    const char* format = LabelFormat(unitLabel);

    SetItemSize(dialogSuite->GetItem(dialog, kItemNewWidthLabel), format,
                s.absoluteMode ? s.newWidth : s.relativeWidth, unitLabel);
    SetItemSize(dialogSuite->GetItem(dialog, kItemNewHeightLabel), format,
                s.absoluteMode ? s.newHeight : s.relativeHeight, unitLabel);
    s.startWidth = s.docWidth;
    SetItemSize(dialogSuite->GetItem(dialog, kItemCurrentWidthLabel), format, s.docWidth, unitLabel);
    s.startHeight = s.docHeight;
    SetItemSize(dialogSuite->GetItem(dialog, kItemCurrentHeightLabel), format, s.docHeight, unitLabel);
}

void HOSTCALL UniformityChanged(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    HostBool horizontal = 1;
    HostBool vertical = 1;
    if (!itemSuite->GetBooleanValue(dialogSuite->GetItem(dialog, kItemBoth))) {
        horizontal = itemSuite->GetBooleanValue(dialogSuite->GetItem(dialog, kItemHorizontal));
        vertical = itemSuite->GetBooleanValue(dialogSuite->GetItem(dialog, kItemVertical));
    }
    s.uniformity = kUniformNone + (horizontal ? 1 : 0) + (vertical ? 2 : 0);

    const bool sidesHorizontal = s.uniformity == kUniformHorizontal || s.uniformity == kUniformBoth;
    const bool sidesVertical = s.uniformity == kUniformVertical || s.uniformity == kUniformBoth;
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemTop), !sidesVertical);
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemLeft), !sidesHorizontal);
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemBottom), !sidesVertical);
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemRight), !sidesHorizontal);
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemUniform), s.uniformity != kUniformNone);

    RecomputeRelativeSize();
    UpdateSizeLabels(dialogSuite->GetItem(dialog, kItemUniform), s.unitName);
}

void HOSTCALL BothCheckboxChanged(ItemRef item, NotifierRef)
{
    DialogRef dialog = itemSuite->GetDialog(item);
    const HostBool both = itemSuite->GetBooleanValue(dialogSuite->GetItem(dialog, kItemBoth));
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemHorizontal), !both);
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemVertical), !both);
    UniformityChanged(dialogSuite->GetItem(dialog, kItemVertical), nullptr);
}
