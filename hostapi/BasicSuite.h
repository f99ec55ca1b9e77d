/* Kestrow host interface: the basic suite, handed over in every message.
 * Through it the plug-in acquires every other suite by name and version. */
#ifndef KESTROW_HOSTAPI_BASICSUITE_H
#define KESTROW_HOSTAPI_BASICSUITE_H

#include "HostTypes.h"

HOSTAPI_EXTERN_C_BEGIN

typedef struct BasicSuite {
    /* Fills *suite with the host's table for (name, version) and counts one
     * acquisition. Non-zero when the host has no such suite; *suite is then
     * left null. Each successful acquisition must be matched by ReleaseSuite. */
    HostStatus(HOSTCALL* AcquireSuite)(const char* name, int32_t version, const void** suite);
    /* Ends one acquisition of (name, version). Non-zero when none is held. */
    HostStatus(HOSTCALL* ReleaseSuite)(const char* name, int32_t version);
    /* Non-zero when the two zero-terminated texts are equal. */
    HostBool(HOSTCALL* IsEqual)(const char* left, const char* right);
} BasicSuite;

HOSTAPI_EXTERN_C_END

#endif
