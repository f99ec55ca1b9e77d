// Setting up the main dialog: relative mode, no margins, pixels in both
// units popups, the document size in every size field and label, the
// centre anchor, and every procedure installed on its item.
#include <string.h>

#include "dialog/Dialogs.h"
#include "ops/DocumentOps.h"
#include "params/CanvasState.h"
#include "params/Units.h"
#include "shell/HostServices.h"

namespace {

// Tracker actions the dialog manager must deliver on top of its own.
const int32_t kTrackerMask = 0x8840880;

void FillUnitsPopup(ItemRef popup, int32_t popupId)
{
    ListRef list = itemSuite->GetList(popup);
    listSuite->SetMenuID(list, popupId);
    itemSuite->SetNotifyProc(popup, UnitsPopupChanged);
    EntryRef first = nullptr;
    for (int32_t index = 0; index < kUnitCount; ++index) {
        EntryRef entry = listSuite->InsertEntry(list, index);
        entrySuite->SetText(entry, UnitsTable[index].popupLabel);
        entrySuite->SetID(entry, index);
        if (index == 0)
            first = entry;
    }
    entrySuite->Select(first, 1);
}

} // namespace

PlugStatus HOSTCALL MainDialogInit(DialogRef dialog)
{
    CanvasState& s = gCanvasState;
    s.absoluteMode = false;
    s.marginTop = s.marginLeft = s.marginBottom = s.marginRight = 0;
    s.uniformMargin = 0;
    s.uniformity = kUniformNone;
    strncpy(s.unitName, "pixels", kUnitNameSize);
    s.shrinkWidth = 0;
    s.shrinkHeight = 0;

    const int32_t margins[] = {kItemTop, kItemLeft, kItemBottom, kItemRight, kItemUniform};
    for (int32_t id : margins) {
        ItemRef field = dialogSuite->GetItem(dialog, id);
        itemSuite->SetPrecision(field, 0);
        itemSuite->SetMaxTextLength(field, kEditMaxLength);
        itemSuite->SetItemStyle(field, 2);
        itemSuite->SetNotifyProc(field, MarginFieldChanged);
    }
    itemSuite->Enable(dialogSuite->GetItem(dialog, kItemUniform), 0);

    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemHorizontal), UniformityChanged);
    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemVertical), UniformityChanged);
    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemBoth), BothCheckboxChanged);

    FillUnitsPopup(dialogSuite->GetItem(dialog, kItemRelativeUnits), kItemRelativeUnits);
    FillUnitsPopup(dialogSuite->GetItem(dialog, kItemAbsoluteUnits), kItemAbsoluteUnits);

    ItemRef cancel = dialogSuite->GetItem(dialog, kItemCancel);
    itemSuite->SetNotifyProc(cancel, CancelButtonClicked);
    itemSuite->SetText(cancel, s.resetMode ? "Re&set" : "Cancel");

    dialogSuite->SetMask(dialog, dialogSuite->GetMask(dialog) | kTrackerMask);
    dialogSuite->SetTrackProc(dialog, MainDialogTracker);

    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemAbout), AboutButtonClicked);

    MeasureDocument(1);
    s.startWidth = s.relativeWidth = s.recordedWidth = s.newWidth = s.percentBaseWidth = s.docWidth;
    s.startHeight = s.relativeHeight = s.recordedHeight = s.newHeight = s.percentBaseHeight = s.docHeight;

    SetItemWholePixels(dialogSuite->GetItem(dialog, kItemNewWidthLabel), "%d pixels", s.docWidth);
    itemSuite->SetText(dialogSuite->GetItem(dialog, kItemCurrentWidthLabel), s.textBuffer);
    SetItemWholePixels(dialogSuite->GetItem(dialog, kItemNewHeightLabel), "%d pixels", s.docHeight);
    itemSuite->SetText(dialogSuite->GetItem(dialog, kItemCurrentHeightLabel), s.textBuffer);

    const int32_t sizes[] = {kItemWidth, kItemHeight};
    for (int32_t id : sizes) {
        ItemRef field = dialogSuite->GetItem(dialog, id);
        itemSuite->SetPrecision(field, -1);
        itemSuite->SetMaxTextLength(field, kEditMaxLength);
        itemSuite->SetItemStyle(field, 2);
        itemSuite->SetUnits(field, 0);
        itemSuite->SetNotifyProc(field, SizeFieldChanged);
    }
    SetItemWholePixels(dialogSuite->GetItem(dialog, kItemWidth), "%d", s.docWidth);
    SetItemWholePixels(dialogSuite->GetItem(dialog, kItemHeight), "%d", s.docHeight);

    for (int32_t cell = 1; cell <= 9; ++cell) {
        ItemRef button = dialogSuite->GetItem(dialog, kItemAnchorBase + cell);
        itemSuite->SetNotifyProc(button, AnchorButtonClicked);
        itemSuite->SetSelectedPictureID(button, kIconBlank);
    }
    ItemRef centre = dialogSuite->GetItem(dialog, kItemAnchorCentre);
    itemSuite->SetBooleanValue(centre, 1);
    AnchorButtonClicked(centre, nullptr);

    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemAbsolute), ModeRadioChanged);
    ItemRef relative = dialogSuite->GetItem(dialog, kItemRelative);
    itemSuite->SetBooleanValue(relative, 1);
    itemSuite->SetNotifyProc(relative, ModeRadioChanged);
    ModeRadioChanged(relative, nullptr);

    itemSuite->SetNotifyProc(dialogSuite->GetItem(dialog, kItemOk), OkButtonClicked);
    itemSuite->Activate(dialogSuite->GetItem(dialog, kItemTop), 1);
    return 0;
}
