// The mode radios, OK, Cancel (Reset while the modifier is held), the
// dialog's tracker, and the About box.
#include "dialog/Dialogs.h"
#include "ops/DocumentOps.h"
#include "params/CanvasState.h"
#include "params/Units.h"
#include "resources/AboutTexts.h"
#include "shell/HostServices.h"

namespace {

const int32_t kRelativeGroup[] = {kItemTop, kItemLeft, kItemBottom, kItemRight, kItemUniform,
                                  kItemBoth, kItemHorizontal, kItemVertical, kItemRelativeUnits};
const int32_t kAbsoluteGroup[] = {16021, 16022, 16023, 16024, 16025, 16026, 16027, 16028, 16029,
                                  kItemWidth, kItemHeight, kItemAbsoluteUnits};

void ResetDialog(DialogRef dialog)
{
    CanvasState& s = gCanvasState;
    const int32_t margins[] = {kItemTop, kItemLeft, kItemBottom, kItemRight, kItemUniform};
    for (int32_t id : margins)
        itemSuite->SetText(dialogSuite->GetItem(dialog, id), "0");

    const char* format = EditFormat(s.unitName);
    SetItemNumber(dialogSuite->GetItem(dialog, kItemWidth), format, s.docWidth);
    SetItemNumber(dialogSuite->GetItem(dialog, kItemHeight), format, s.docHeight);

    const int32_t labelLength = 50;
    itemSuite->GetText(dialogSuite->GetItem(dialog, kItemCurrentWidthLabel), s.textBuffer, labelLength);
    itemSuite->SetText(dialogSuite->GetItem(dialog, kItemNewWidthLabel), s.textBuffer);
    itemSuite->GetText(dialogSuite->GetItem(dialog, kItemCurrentHeightLabel), s.textBuffer, labelLength);
    itemSuite->SetText(dialogSuite->GetItem(dialog, kItemNewHeightLabel), s.textBuffer);

    // The stored values follow what the reset shows, so OK executes it.
    s.marginTop = s.marginLeft = s.marginBottom = s.marginRight = 0;
    s.uniformMargin = 0;
    s.newWidth = s.relativeWidth = s.docWidth;
    s.newHeight = s.relativeHeight = s.docHeight;

    s.shrinkHeight = 0;
    s.shrinkWidth = 0;
    ItemRef centre = dialogSuite->GetItem(dialog, kItemAnchorCentre);
    itemSuite->SetBooleanValue(centre, 1);
    AnchorButtonClicked(centre, nullptr);
}

} // namespace

void HOSTCALL ModeRadioChanged(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    s.absoluteMode = itemSuite->GetID(item) == kItemAbsolute;

    for (int32_t id : kRelativeGroup)
        itemSuite->Enable(dialogSuite->GetItem(dialog, id), !s.absoluteMode);
    for (int32_t id : kAbsoluteGroup)
        itemSuite->Enable(dialogSuite->GetItem(dialog, id), s.absoluteMode);
    if (!s.absoluteMode)
        BothCheckboxChanged(dialogSuite->GetItem(dialog, kItemBoth), nullptr);

    RecomputeRelativeSize();
    UpdateSizeLabels(item, s.unitName);
}

void HOSTCALL OkButtonClicked(ItemRef item, NotifierRef)
{
    CanvasState& s = gCanvasState;
    DialogRef dialog = itemSuite->GetDialog(item);
    ListRef units = itemSuite->GetList(dialogSuite->GetItem(dialog, kItemRelativeUnits));
    s.unitsIndex = static_cast<int16_t>(entrySuite->GetIndex(listSuite->GetActiveEntry(units)));

    if (s.absoluteMode)
        ExecuteAbsolute(s.unitsIndex, kChangedWidth | kChangedHeight);
    else
        ExecuteRelative(s.unitsIndex);
    dialogSuite->EndModal(dialog, s.commandPlayed, 0);
}

void HOSTCALL CancelButtonClicked(ItemRef item, NotifierRef)
{
    DialogRef dialog = itemSuite->GetDialog(item);
    if (!gCanvasState.resetMode) {
        dialogSuite->EndModal(dialog, 0, 0);
        return;
    }
    ResetDialog(dialog);
}

HostBool HOSTCALL MainDialogTracker(DialogRef dialog, TrackerRef tracker)
{
    CanvasState& s = gCanvasState;
    ItemRef cancel = dialogSuite->GetItem(dialog, kItemCancel);
    if (trackerSuite->TestAction(tracker, kTrackModifierDown)) {
        itemSuite->SetText(cancel, "Re&set");
        s.resetMode = true;
    } else if (trackerSuite->TestAction(tracker, kTrackModifierUp)) {
        itemSuite->SetText(cancel, "Cancel");
        s.resetMode = false;
    } else {
        return 0;
    }
    if (trackerSuite->TestAction(tracker, kTrackFollowUp))
        return itemSuite->DefaultTrack(cancel, tracker);
    return 0;
}

void HOSTCALL AboutButtonClicked(ItemRef, NotifierRef)
{
    dialogSuite->Modal(gCanvasState.pluginRef, "About", kAboutDialogId, 0, AboutDialogInit, nullptr, 0);
}

PlugStatus HOSTCALL AboutDialogInit(DialogRef dialog)
{
    itemSuite->SetText(dialogSuite->GetItem(dialog, kItemWebAddress), KESTROW_WEB_ADDRESS);
    return 0;
}
