// The host's suite tables: static tables of C functions that reach the
// active host and turn a failure into a status.
#pragma once

#include "ActionSuites.h"
#include "BasicSuite.h"
#include "DialogSuites.h"

namespace kestrow::host {

const BasicSuite& BasicSuiteTable();
const ActionDescriptorSuite2& DescriptorSuiteTable();
const ActionReferenceSuite2& ReferenceSuiteTable();
const ActionControlSuite2& ControlSuiteTable();
const UIHooksSuite1& UIHooksSuiteTable();
const DialogSuite5& DialogSuiteTable();
const ItemSuite4& ItemSuiteTable();
const ListSuite1& ListSuiteTable();
const EntrySuite2& EntrySuiteTable();
const TrackerSuite1& TrackerSuiteTable();

// The suites that are acquired but never called: tables without operations.
const ExtraActionSuite1& ExtraActionSuiteTable();
const HandleSuite1& HandleSuiteTable();
const DialogBasicSuite3& DialogBasicSuiteTable();
const DrawerSuite3& DrawerSuiteTable();
const NotifierSuite1& NotifierSuiteTable();

}  // namespace kestrow::host
