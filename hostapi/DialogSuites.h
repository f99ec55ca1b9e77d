/* Kestrow host interface: the host's dialog manager. It builds dialogs from
 * the module's own dialog resources, runs them modally and calls back the
 * plug-in's init, notify and tracker procedures, all on the host's one
 * thread and nested inside Modal.
 *
 * Ownership: dialogs, items, lists, entries and trackers belong to the
 * dialog manager and live until their dialog closes; the plug-in never frees
 * them. Texts passed in are copied; texts handed out are copied into the
 * caller's buffer.
 */
#ifndef KESTROW_HOSTAPI_DIALOGSUITES_H
#define KESTROW_HOSTAPI_DIALOGSUITES_H

#include "HostTypes.h"

HOSTAPI_EXTERN_C_BEGIN

#define kDialogSuiteName "ADM Dialog Suite"
#define kDialogSuiteVersion 5
#define kItemSuiteName "ADM Item Suite"
#define kItemSuiteVersion 4
#define kListSuiteName "ADM List Suite"
#define kListSuiteVersion 1
#define kEntrySuiteName "ADM Entry Suite"
#define kEntrySuiteVersion 2
#define kTrackerSuiteName "ADM Tracker Suite"
#define kTrackerSuiteVersion 1
#define kDialogBasicSuiteName "ADM Basic Suite"
#define kDialogBasicSuiteVersion 3
#define kDrawerSuiteName "ADM Drawer Suite"
#define kDrawerSuiteVersion 3
#define kNotifierSuiteName "ADM Notifier Suite"
#define kNotifierSuiteVersion 1

/* Called once after the dialog is built and before it shows; returns 0. */
typedef PlugStatus(HOSTCALL* DialogInitProc)(DialogRef dialog);
/* Called when the user changes an item; the plug-in may also call it
 * directly with a null notifier. */
typedef void(HOSTCALL* ItemNotifyProc)(ItemRef item, NotifierRef notifier);
/* Called for the events the dialog's action mask lets through; the result
 * is non-zero when the event was handled. */
typedef HostBool(HOSTCALL* DialogTrackProc)(DialogRef dialog, TrackerRef tracker);

typedef struct DialogSuite5 {
    /* Builds dialog `resourceId` from the module's resources, calls
     * initProc, runs it until EndModal and returns the modal result. The
     * dialog and its items are gone when Modal returns. */
    int32_t(HOSTCALL* Modal)(PluginRef plugin, const char* name, int32_t resourceId, int32_t style,
                             DialogInitProc initProc, void* userData, int32_t options);
    /* The item with that number, or null. */
    ItemRef(HOSTCALL* GetItem)(DialogRef dialog, int32_t itemId);
    /* Closes the dialog once the current procedure returns; Modal returns `result`. */
    void(HOSTCALL* EndModal)(DialogRef dialog, int32_t result, HostBool cancelling);
    /* Which tracker actions reach the tracker procedure. */
    int32_t(HOSTCALL* GetMask)(DialogRef dialog);
    void(HOSTCALL* SetMask)(DialogRef dialog, int32_t mask);
    void(HOSTCALL* SetTrackProc)(DialogRef dialog, DialogTrackProc trackProc);
} DialogSuite5;

typedef struct ItemSuite4 {
    void(HOSTCALL* SetNotifyProc)(ItemRef item, ItemNotifyProc notifyProc);
    int32_t(HOSTCALL* GetID)(ItemRef item);
    DialogRef(HOSTCALL* GetDialog)(ItemRef item);
    /* The entry list of a popup item, or null for other kinds. */
    ListRef(HOSTCALL* GetList)(ItemRef item);
    /* Shows the text; text set here does not call the notify procedure. */
    void(HOSTCALL* SetText)(ItemRef item, const char* text);
    /* Copies at most maxLength characters and a terminator into text, which
     * must hold maxLength + 1 bytes. */
    void(HOSTCALL* GetText)(ItemRef item, char* text, int32_t maxLength);
    void(HOSTCALL* SetMaxTextLength)(ItemRef item, int32_t maxLength);
    /* Style 2 asks an edit item for numeric entry. */
    void(HOSTCALL* SetItemStyle)(ItemRef item, int32_t style);
    /* Two number settings of edit items, kept by the dialog manager. */
    void(HOSTCALL* SetPrecision)(ItemRef item, int32_t precision);
    void(HOSTCALL* SetUnits)(ItemRef item, int32_t units);
    void(HOSTCALL* Enable)(ItemRef item, HostBool enable);
    /* Gives the item the keyboard focus. */
    void(HOSTCALL* Activate)(ItemRef item, HostBool activate);
    /* On/off state of radios, checkboxes and picture buttons. */
    void(HOSTCALL* SetBooleanValue)(ItemRef item, HostBool value);
    HostBool(HOSTCALL* GetBooleanValue)(ItemRef item);
    /* Icon numbers a picture button shows normally, while on and while disabled. */
    void(HOSTCALL* SetPictureID)(ItemRef item, int32_t iconId);
    void(HOSTCALL* SetSelectedPictureID)(ItemRef item, int32_t iconId);
    void(HOSTCALL* SetDisabledPictureID)(ItemRef item, int32_t iconId);
    /* The dialog manager's own handling of the tracked event on this item. */
    HostBool(HOSTCALL* DefaultTrack)(ItemRef item, TrackerRef tracker);
} ItemSuite4;

typedef struct ListSuite1 {
    /* Associates a popup's list with a menu number (kept, not used). */
    void(HOSTCALL* SetMenuID)(ListRef list, int32_t menuId);
    /* A new entry at position `index`; entries after it move down. */
    EntryRef(HOSTCALL* InsertEntry)(ListRef list, int32_t index);
    /* The chosen entry, or null. */
    EntryRef(HOSTCALL* GetActiveEntry)(ListRef list);
    /* The entry whose number is entryId, or null. */
    EntryRef(HOSTCALL* GetEntry)(ListRef list, int32_t entryId);
} ListSuite1;

typedef struct EntrySuite2 {
    void(HOSTCALL* SetID)(EntryRef entry, int32_t entryId);
    void(HOSTCALL* SetText)(EntryRef entry, const char* text);
    /* Chooses the entry (non-zero) in its list. */
    void(HOSTCALL* Select)(EntryRef entry, HostBool select);
    /* The entry's position in its list, from 0. */
    int32_t(HOSTCALL* GetIndex)(EntryRef entry);
} EntrySuite2;

/* Tracker action codes reported to a dialog's tracker procedure. */
enum { kTrackModifierDown = 7, kTrackModifierUp = -7, kTrackFollowUp = -2 };

typedef struct TrackerSuite1 {
    /* Non-zero when the tracked event is that action. */
    HostBool(HOSTCALL* TestAction)(TrackerRef tracker, int32_t action);
} TrackerSuite1;

/* Acquired but never called: the tables only need to exist. */
typedef struct DialogBasicSuite3 { void* reserved; } DialogBasicSuite3;
typedef struct DrawerSuite3 { void* reserved; } DrawerSuite3;
typedef struct NotifierSuite1 { void* reserved; } NotifierSuite1;

HOSTAPI_EXTERN_C_END

#endif
