// The host services the plug-in reaches: the suite pointers acquired for the
// length of one entry-point call, Kestrow's own status codes, and the
// widening of host statuses.
#ifndef KESTROW_SHELL_HOSTSERVICES_H
#define KESTROW_SHELL_HOSTSERVICES_H

#include "ActionSuites.h"
#include "BasicSuite.h"
#include "DialogSuites.h"
#include "PluginMessage.h"

#if defined(_WIN32)
#define KESTROW_EXPORT __declspec(dllexport)
#else
#define KESTROW_EXPORT __attribute__((visibility("default")))
#endif

// Kestrow's own status codes.
enum : PlugStatus {
    kStatusSuiteMissing = -30900,            // a suite was not acquired, or no basic suite
    kStatusCancelled = -128,                 // the main dialog ended with modal result 0
    kStatusParameter = static_cast<PlugStatus>(FourCC("Parm")),      // a required output or extra argument is missing
    kStatusNotImplemented = static_cast<PlugStatus>(FourCC("!IMP")), // a descriptor item type the reader does not handle
};

// A host status widened to the plug-in's 32 bits, keeping its sign.
inline PlugStatus Widen(HostStatus status) { return static_cast<PlugStatus>(status); }

// One row of the suite table: the host's name and version, and the pointer
// that receives the suite.
struct SuiteRow {
    const char* name;
    int16_t version;
    const void** pointer;
};

enum : int16_t { kSuiteCount = 14 };

extern SuiteRow SuiteTable[kSuiteCount];
extern const BasicSuite* basicSuite;

extern const ActionDescriptorSuite2* descriptorSuite;
extern const ActionReferenceSuite2* referenceSuite;
extern const ActionControlSuite2* controlSuite;
extern const ExtraActionSuite1* extraActionSuite;
extern const DialogBasicSuite3* admBasicSuite;
extern const HandleSuite1* handleSuite;
extern const DialogSuite5* dialogSuite;
extern const ItemSuite4* itemSuite;
extern const DrawerSuite3* drawerSuite;
extern const NotifierSuite1* notifierSuite;
extern const ListSuite1* listSuite;
extern const EntrySuite2* entrySuite;
extern const TrackerSuite1* trackerSuite;
extern const UIHooksSuite1* uiHooksSuite;

PlugStatus AcquireSuites(const BasicSuite* basic, SuiteRow* table, int16_t count);
void ReleaseSuites(const BasicSuite* basic, SuiteRow* table, int16_t count);

PlugStatus HOSTCALL RunCanvasCommand(ActionParameters* parameters);

extern "C" KESTROW_EXPORT PlugStatus HOSTCALL PluginMain(const char* caller, const char* selector, void* message);

#endif
