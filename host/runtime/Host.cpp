#include "runtime/Host.h"

#include "suites/SuiteTables.h"

namespace kestrow::host {

Host::Host()
{
    suites.Register(kActionDescriptorSuiteName, kActionDescriptorSuiteVersion, &DescriptorSuiteTable());
    suites.Register(kActionReferenceSuiteName, kActionReferenceSuiteVersion, &ReferenceSuiteTable());
    suites.Register(kActionControlSuiteName, kActionControlSuiteVersion, &ControlSuiteTable());
    suites.Register(kExtraActionSuiteName, kExtraActionSuiteVersion, &ExtraActionSuiteTable());
    suites.Register(kHandleSuiteName, kHandleSuiteVersion, &HandleSuiteTable());
    suites.Register(kUIHooksSuiteName, kUIHooksSuiteVersion, &UIHooksSuiteTable());
    suites.Register(kDialogSuiteName, kDialogSuiteVersion, &DialogSuiteTable());
    suites.Register(kItemSuiteName, kItemSuiteVersion, &ItemSuiteTable());
    suites.Register(kListSuiteName, kListSuiteVersion, &ListSuiteTable());
    suites.Register(kEntrySuiteName, kEntrySuiteVersion, &EntrySuiteTable());
    suites.Register(kTrackerSuiteName, kTrackerSuiteVersion, &TrackerSuiteTable());
    suites.Register(kDialogBasicSuiteName, kDialogBasicSuiteVersion, &DialogBasicSuiteTable());
    suites.Register(kDrawerSuiteName, kDrawerSuiteVersion, &DrawerSuiteTable());
    suites.Register(kNotifierSuiteName, kNotifierSuiteVersion, &NotifierSuiteTable());
}

const BasicSuite* Host::Basic() const { return &BasicSuiteTable(); }

}  // namespace kestrow::host
