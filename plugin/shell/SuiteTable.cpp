// The fourteen host suites Kestrow needs, acquired in table order at the
// start of every entry-point call and released at its end.
#include "shell/HostServices.h"

const BasicSuite* basicSuite = nullptr;

const ActionDescriptorSuite2* descriptorSuite = nullptr;
const ActionReferenceSuite2* referenceSuite = nullptr;
const ActionControlSuite2* controlSuite = nullptr;
const ExtraActionSuite1* extraActionSuite = nullptr;
const DialogBasicSuite3* admBasicSuite = nullptr;
const HandleSuite1* handleSuite = nullptr;
const DialogSuite5* dialogSuite = nullptr;
const ItemSuite4* itemSuite = nullptr;
const DrawerSuite3* drawerSuite = nullptr;
const NotifierSuite1* notifierSuite = nullptr;
const ListSuite1* listSuite = nullptr;
const EntrySuite2* entrySuite = nullptr;
const TrackerSuite1* trackerSuite = nullptr;
const UIHooksSuite1* uiHooksSuite = nullptr;

#define SUITE_SLOT(pointer) reinterpret_cast<const void**>(&(pointer))

SuiteRow SuiteTable[kSuiteCount] = {
    {kActionDescriptorSuiteName, kActionDescriptorSuiteVersion, SUITE_SLOT(descriptorSuite)},
    {kActionReferenceSuiteName, kActionReferenceSuiteVersion, SUITE_SLOT(referenceSuite)},
    {kActionControlSuiteName, kActionControlSuiteVersion, SUITE_SLOT(controlSuite)},
    {kExtraActionSuiteName, kExtraActionSuiteVersion, SUITE_SLOT(extraActionSuite)},
    {kDialogBasicSuiteName, kDialogBasicSuiteVersion, SUITE_SLOT(admBasicSuite)},
    {kHandleSuiteName, kHandleSuiteVersion, SUITE_SLOT(handleSuite)},
    {kDialogSuiteName, kDialogSuiteVersion, SUITE_SLOT(dialogSuite)},
    {kItemSuiteName, kItemSuiteVersion, SUITE_SLOT(itemSuite)},
    {kDrawerSuiteName, kDrawerSuiteVersion, SUITE_SLOT(drawerSuite)},
    {kNotifierSuiteName, kNotifierSuiteVersion, SUITE_SLOT(notifierSuite)},
    {kListSuiteName, kListSuiteVersion, SUITE_SLOT(listSuite)},
    {kEntrySuiteName, kEntrySuiteVersion, SUITE_SLOT(entrySuite)},
    {kTrackerSuiteName, kTrackerSuiteVersion, SUITE_SLOT(trackerSuite)},
    {kUIHooksSuiteName, kUIHooksSuiteVersion, SUITE_SLOT(uiHooksSuite)},
};

#undef SUITE_SLOT

PlugStatus AcquireSuites(const BasicSuite* basic, SuiteRow* table, int16_t count)
{
    for (int16_t row = 0; row < count; ++row)
        *table[row].pointer = nullptr;
    if (basic == nullptr)
        return kStatusSuiteMissing;

    for (int16_t row = 0; row < count; ++row) {
        HostStatus status = basic->AcquireSuite(table[row].name, table[row].version, table[row].pointer);
        if (status != 0 || *table[row].pointer == nullptr) {
            // A host that failed may still have written something: only a
            // suite it reported as acquired counts as held.
            if (status != 0)
                *table[row].pointer = nullptr;
            else
                basic->ReleaseSuite(table[row].name, table[row].version);
            return kStatusSuiteMissing;
        }
    }
    return 0;
}

void ReleaseSuites(const BasicSuite* basic, SuiteRow* table, int16_t count)
{
    if (basic == nullptr || count <= 0)
        return;
    for (int16_t row = 0; row < count; ++row) {
        if (*table[row].pointer != nullptr) {
            basic->ReleaseSuite(table[row].name, table[row].version);
            *table[row].pointer = nullptr;
        }
    }
}
