/* Kestrow host interface: the basic types every suite uses.
 *
 * Everything here is plain C so that a host written in any language can
 * implement it. All calls across the boundary happen on the host's one
 * thread; nothing in these interfaces is thread-safe, and nothing needs to be.
 */
#ifndef KESTROW_HOSTAPI_HOSTTYPES_H
#define KESTROW_HOSTAPI_HOSTTYPES_H

#include <stdint.h>

/* Calling convention of every function pointer that crosses the boundary,
 * in both directions (host suites and the plug-in's own procedures). On
 * 32-bit x86 Windows both sides must agree on it; elsewhere it is empty. */
#if defined(_WIN32) && defined(_M_IX86) || defined(_WIN32) && defined(__i386__)
#define HOSTCALL __cdecl
#else
#define HOSTCALL
#endif

#ifdef __cplusplus
#define HOSTAPI_EXTERN_C_BEGIN extern "C" {
#define HOSTAPI_EXTERN_C_END }
#else
#define HOSTAPI_EXTERN_C_BEGIN
#define HOSTAPI_EXTERN_C_END
#endif

HOSTAPI_EXTERN_C_BEGIN

/* Status of a host operation: 0 is success, anything else a failure.
 * Callers widen it to 32 bits with its sign. */
typedef int16_t HostStatus;

/* Status of a plug-in routine and of the entry point: 0 is success. */
typedef int32_t PlugStatus;

/* A boolean crossing the boundary: 0 false, anything else true. */
typedef int32_t HostBool;

/* A four-character code: the first character is the most significant byte. */
typedef uint32_t FourCode;

/* Opaque handles. The plug-in never looks inside; the compiler keeps them apart. */
typedef struct PluginRefOpaque* PluginRef;
typedef struct ActionDescriptorOpaque* ActionDescriptorHandle;
typedef struct ActionReferenceOpaque* ActionReferenceHandle;
typedef struct ActionListOpaque* ActionListHandle;
typedef struct AliasOpaque* AliasHandle;
typedef struct HostNameOpaque* HostNameValue;

typedef struct DialogOpaque* DialogRef;
typedef struct DialogItemOpaque* ItemRef;
typedef struct ListOpaque* ListRef;
typedef struct EntryOpaque* EntryRef;
typedef struct TrackerOpaque* TrackerRef;
typedef struct NotifierOpaque* NotifierRef;

HOSTAPI_EXTERN_C_END

#ifdef __cplusplus
/* Four-character code from its text in reading order: FourCC("Top ") keeps
 * its trailing blank as the least significant byte. */
constexpr FourCode FourCC(const char (&text)[5])
{
    return (static_cast<FourCode>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<FourCode>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<FourCode>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<FourCode>(static_cast<unsigned char>(text[3]));
}
#endif

#endif
