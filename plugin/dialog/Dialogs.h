// The main dialog and the About box: item numbers and the procedures the
// dialog manager calls back.
#ifndef KESTROW_DIALOG_DIALOGS_H
#define KESTROW_DIALOG_DIALOGS_H

#include "DialogSuites.h"

enum : int32_t {
    kMainDialogId = 16000,
    kAboutDialogId = 18000,

    kItemOk = 1,
    kItemCancel = 2,
    kItemAbout = 5,

    kItemTop = 16001,
    kItemLeft = 16002,
    kItemBottom = 16003,
    kItemRight = 16004,
    kItemUniform = 16005,
    kItemBoth = 16010,
    kItemRelativeUnits = 16011,
    kItemHorizontal = 16014,
    kItemVertical = 16015,
    kItemNewWidthLabel = 16017,
    kItemNewHeightLabel = 16018,
    kItemCurrentWidthLabel = 16019,
    kItemCurrentHeightLabel = 16020,
    kItemAnchorBase = 16020, // anchor n is item 16020 + n
    kItemAnchorCentre = 16025,
    kItemWidth = 16030,
    kItemHeight = 16031,
    kItemAbsoluteUnits = 16032,
    kItemAbsolute = 16034,
    kItemRelative = 16035,

    kItemWebAddress = 18002,
};

// Icons of the anchor grid.
enum : int32_t { kIconBlank = 130, kIconNone = 140, kGreyIconOffset = 10 };

// Edit fields take at most this many characters.
enum : int32_t { kEditMaxLength = 10 };

PlugStatus HOSTCALL MainDialogInit(DialogRef dialog);
void HOSTCALL AnchorButtonClicked(ItemRef item, NotifierRef notifier);
void HOSTCALL SizeFieldChanged(ItemRef item, NotifierRef notifier);
void HOSTCALL MarginFieldChanged(ItemRef item, NotifierRef notifier);
void UpdateSizeLabels(ItemRef item, const char* unitLabel);
void HOSTCALL UniformityChanged(ItemRef item, NotifierRef notifier);
void HOSTCALL BothCheckboxChanged(ItemRef item, NotifierRef notifier);
void HOSTCALL UnitsPopupChanged(ItemRef item, NotifierRef notifier);
void HOSTCALL ModeRadioChanged(ItemRef item, NotifierRef notifier);
void HOSTCALL OkButtonClicked(ItemRef item, NotifierRef notifier);
void HOSTCALL CancelButtonClicked(ItemRef item, NotifierRef notifier);
HostBool HOSTCALL MainDialogTracker(DialogRef dialog, TrackerRef tracker);
void HOSTCALL AboutButtonClicked(ItemRef item, NotifierRef notifier);
PlugStatus HOSTCALL AboutDialogInit(DialogRef dialog);

// Text helpers shared by the procedures; each writes through textBuffer.
void SetItemNumber(ItemRef item, const char* format, double value);
void SetItemSize(ItemRef item, const char* format, double value, const char* unitLabel);
void SetItemWholePixels(ItemRef item, const char* format, double value);
double ReadItemNumber(ItemRef item);
int32_t WholePixels(double value);

#endif
