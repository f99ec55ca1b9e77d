/* Kestrow host interface: the image editor's action suites (descriptors,
 * references, event playback and history, UI hooks) and the two suites the
 * plug-in acquires but never calls.
 *
 * Ownership: whoever makes a descriptor or reference frees it. A value a
 * getter hands out (object descriptor, reference, list, alias) belongs to the
 * caller. Every operation returns 0 on success; on failure the outputs are
 * left untouched. All calls happen on the host's one thread.
 */
#ifndef KESTROW_HOSTAPI_ACTIONSUITES_H
#define KESTROW_HOSTAPI_ACTIONSUITES_H

#include "HostTypes.h"
#include "PluginMessage.h"

HOSTAPI_EXTERN_C_BEGIN

#define kActionDescriptorSuiteName "df135115-c769-11d0-8079-00c04fd7ec47"
#define kActionDescriptorSuiteVersion 2
#define kActionReferenceSuiteName "df135117-c769-11d0-8079-00c04fd7ec47"
#define kActionReferenceSuiteVersion 2
#define kActionControlSuiteName "bc1e4d70-f953-11d0-8d9f-00c04fd5f7ee"
#define kActionControlSuiteVersion 2
#define kExtraActionSuiteName "df135116-c769-11d0-8079-00c04fd7ec47"
#define kExtraActionSuiteVersion 1
#define kHandleSuiteName "Photoshop Handle Suite for Plug-ins"
#define kHandleSuiteVersion 1
#define kUIHooksSuiteName "Photoshop UIHooks Suite for Plug-ins"
#define kUIHooksSuiteVersion 1

typedef struct ActionDescriptorSuite2 {
    /* Makes a new empty descriptor; the caller frees it with Free. */
    HostStatus(HOSTCALL* Make)(ActionDescriptorHandle* descriptor);
    /* Frees a descriptor the caller owns. */
    HostStatus(HOSTCALL* Free)(ActionDescriptorHandle descriptor);
    /* *hasKey = non-zero when the descriptor holds the key. */
    HostStatus(HOSTCALL* HasKey)(ActionDescriptorHandle descriptor, FourCode key, HostBool* hasKey);
    /* *type = the item type code of the key ('long', 'doub', 'UntF', ...). */
    HostStatus(HOSTCALL* GetType)(ActionDescriptorHandle descriptor, FourCode key, FourCode* type);
    /* Number of items, and the key of the item at an index (insertion order). */
    HostStatus(HOSTCALL* GetCount)(ActionDescriptorHandle descriptor, uint32_t* count);
    HostStatus(HOSTCALL* GetKey)(ActionDescriptorHandle descriptor, uint32_t index, FourCode* key);

    /* Putters add an item, or replace the item of that key in its place. */
    HostStatus(HOSTCALL* PutInteger)(ActionDescriptorHandle descriptor, FourCode key, int32_t value);
    HostStatus(HOSTCALL* PutFloat)(ActionDescriptorHandle descriptor, FourCode key, double value);
    HostStatus(HOSTCALL* PutUnitFloat)(ActionDescriptorHandle descriptor, FourCode key, FourCode unit, double value);
    HostStatus(HOSTCALL* PutEnumerated)(ActionDescriptorHandle descriptor, FourCode key, FourCode type, FourCode value);
    HostStatus(HOSTCALL* PutBoolean)(ActionDescriptorHandle descriptor, FourCode key, HostBool value);
    HostStatus(HOSTCALL* PutString)(ActionDescriptorHandle descriptor, FourCode key, const char* value);
    HostStatus(HOSTCALL* PutClass)(ActionDescriptorHandle descriptor, FourCode key, FourCode classCode);

    /* Getters fail with a non-zero status for an absent key or an item of
     * another type, and leave the outputs as they were. An integer item may
     * be read with GetFloat. */
    HostStatus(HOSTCALL* GetInteger)(ActionDescriptorHandle descriptor, FourCode key, int32_t* value);
    HostStatus(HOSTCALL* GetFloat)(ActionDescriptorHandle descriptor, FourCode key, double* value);
    HostStatus(HOSTCALL* GetUnitFloat)(ActionDescriptorHandle descriptor, FourCode key, FourCode* unit, double* value);
    HostStatus(HOSTCALL* GetEnumerated)(ActionDescriptorHandle descriptor, FourCode key, FourCode* type, FourCode* value);
    HostStatus(HOSTCALL* GetBoolean)(ActionDescriptorHandle descriptor, FourCode key, HostBool* value);
    /* Length of a text item in bytes, without its terminator. */
    HostStatus(HOSTCALL* GetStringLength)(ActionDescriptorHandle descriptor, FourCode key, uint32_t* length);
    /* Copies at most maxLength - 1 bytes and a terminating zero. */
    HostStatus(HOSTCALL* GetString)(ActionDescriptorHandle descriptor, FourCode key, char* text, uint32_t maxLength);
    /* Class of a 'type' or 'GlbC' item. */
    HostStatus(HOSTCALL* GetClass)(ActionDescriptorHandle descriptor, FourCode key, FourCode* classCode);
    /* A copy of an 'Objc' / 'GlbO' item; the caller frees *object with Free. */
    HostStatus(HOSTCALL* GetObject)(ActionDescriptorHandle descriptor, FourCode key, FourCode* classCode, ActionDescriptorHandle* object);
    HostStatus(HOSTCALL* GetGlobalObject)(ActionDescriptorHandle descriptor, FourCode key, FourCode* classCode, ActionDescriptorHandle* object);
    /* A copy of an 'obj ' item; the caller frees it with the reference suite's Free. */
    HostStatus(HOSTCALL* GetReference)(ActionDescriptorHandle descriptor, FourCode key, ActionReferenceHandle* reference);
    /* A copy of a 'VlLs' item; the caller frees it with FreeList. */
    HostStatus(HOSTCALL* GetList)(ActionDescriptorHandle descriptor, FourCode key, ActionListHandle* list);
    /* A copy of an 'alis' / 'Pth ' item; the caller frees it with FreeAlias. */
    HostStatus(HOSTCALL* GetAlias)(ActionDescriptorHandle descriptor, FourCode key, AliasHandle* alias);
    HostStatus(HOSTCALL* FreeList)(ActionListHandle list);
    HostStatus(HOSTCALL* FreeAlias)(AliasHandle alias);
} ActionDescriptorSuite2;

typedef struct ActionReferenceSuite2 {
    /* Makes a new empty reference; the caller frees it with Free. */
    HostStatus(HOSTCALL* Make)(ActionReferenceHandle* reference);
    HostStatus(HOSTCALL* Free)(ActionReferenceHandle reference);
    /* Adds a property part: property `key` of class `classCode` (usually 'Prpr'). */
    HostStatus(HOSTCALL* PutProperty)(ActionReferenceHandle reference, FourCode classCode, FourCode key);
    /* Adds an enumerated part: ('Dcmn', 'Ordn', 'Trgt') names the target document. */
    HostStatus(HOSTCALL* PutEnumerated)(ActionReferenceHandle reference, FourCode classCode, FourCode type, FourCode value);
} ActionReferenceSuite2;

/* The procedure SuspendHistory calls back; returns the run's status. */
typedef PlugStatus(HOSTCALL* SuspendedProc)(ActionParameters* parameters);

typedef struct ActionControlSuite2 {
    /* Plays an event with its descriptor (still the caller's) and a dialog
     * option. On success *result receives a result descriptor that the
     * caller frees. Non-zero when the event was refused; the document is
     * then unchanged. */
    HostStatus(HOSTCALL* Play)(ActionDescriptorHandle* result, FourCode event, ActionDescriptorHandle descriptor, int32_t dialogOption);
    /* Answers the referenced object or property in a new descriptor that
     * the caller frees. */
    HostStatus(HOSTCALL* Get)(ActionDescriptorHandle* result, ActionReferenceHandle reference);
    /* Calls proc(data) once before returning; every event it plays on the
     * referenced document forms one history state named by `name`. The
     * proc's own status is not returned: read it from your own state. */
    HostStatus(HOSTCALL* SuspendHistory)(ActionReferenceHandle reference, SuspendedProc proc, ActionParameters* data, HostNameValue name);
} ActionControlSuite2;

typedef struct UIHooksSuite1 {
    /* *name = the plug-in's display name value for history states. The
     * host keeps ownership; the plug-in neither reads nor frees it. */
    HostStatus(HOSTCALL* GetPluginName)(PluginRef plugin, HostNameValue* name);
} UIHooksSuite1;

/* Acquired but never called: the tables only need to exist. */
typedef struct ExtraActionSuite1 { void* reserved; } ExtraActionSuite1;
typedef struct HandleSuite1 { void* reserved; } HandleSuite1;

HOSTAPI_EXTERN_C_END

#endif
