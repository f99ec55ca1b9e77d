/* Kestrow host interface: the entry point, its message record and the
 * action parameters record of a "Do It" call. */
#ifndef KESTROW_HOSTAPI_PLUGINMESSAGE_H
#define KESTROW_HOSTAPI_PLUGINMESSAGE_H

#include "BasicSuite.h"

HOSTAPI_EXTERN_C_BEGIN

/* Play option values of the action parameters record. */
enum { kPlayWithDialog = 1, kPlayWithoutDialog = 2 };

/* The action parameters record, owned by the host for the whole call.
 * The plug-in may replace `descriptor` with one it made; from then on the
 * host owns that one too. The descriptor it replaced stays the host's. */
typedef struct ActionParameters {
    int32_t playOption;                /* 1: show the dialog; anything else: run without it */
    int32_t recordOption;              /* set to 0 by the plug-in when it records */
    ActionDescriptorHandle descriptor; /* parameters played in, and recorded out; may be null */
} ActionParameters;

/* The message record. On the 32-bit target every field is one 32-bit word;
 * words 0 and 2 are the host's and not read by the plug-in. */
typedef struct PluginMessage {
    void* reserved0;
    PluginRef pluginRef;               /* word 1: the host's handle for this module */
    void* reserved2;
    const BasicSuite* basicSuite;      /* word 3: may be null in a faulty host */
    ActionParameters* actionParameters; /* word 4: only for "PS Photoshop" / "Do It" */
} PluginMessage;

/* The module's one export. caller and selector are zero-terminated texts
 * ("SP Interface"/"About", "PS Photoshop"/"Do It"); returns 0 on success. */
typedef PlugStatus(HOSTCALL* PluginMainProc)(const char* caller, const char* selector, void* message);

#define KESTROW_ENTRY_POINT_NAME "PluginMain"

HOSTAPI_EXTERN_C_END

#endif
