// A host made active for the test, with its suite tables acquired through
// the basic suite the way a module gets them, and a target document.
#pragma once

#include "ActionSuites.h"
#include "DialogSuites.h"
#include "runtime/Host.h"

#include <gtest/gtest.h>

namespace kestrow::host::testing {

class HostFixture : public ::testing::Test {
protected:
    HostFixture() : active_(host)
    {
        basic = host.Basic();
        descriptors = Acquire<ActionDescriptorSuite2>(kActionDescriptorSuiteName, kActionDescriptorSuiteVersion);
        references = Acquire<ActionReferenceSuite2>(kActionReferenceSuiteName, kActionReferenceSuiteVersion);
        control = Acquire<ActionControlSuite2>(kActionControlSuiteName, kActionControlSuiteVersion);
        uiHooks = Acquire<UIHooksSuite1>(kUIHooksSuiteName, kUIHooksSuiteVersion);
    }

    template <class Suite>
    const Suite* Acquire(const char* name, int32_t version)
    {
        const void* suite = nullptr;
        EXPECT_EQ(basic->AcquireSuite(name, version, &suite), 0) << name;
        return static_cast<const Suite*>(suite);
    }

    ActionDescriptorHandle MakeDescriptor()
    {
        ActionDescriptorHandle handle = nullptr;
        EXPECT_EQ(descriptors->Make(&handle), 0);
        return handle;
    }

    // A reference to the target document, or to one of its properties.
    ActionReferenceHandle TargetReference(FourCode property = 0)
    {
        ActionReferenceHandle handle = nullptr;
        EXPECT_EQ(references->Make(&handle), 0);
        if (property != 0) references->PutProperty(handle, FourCC("Prpr"), property);
        references->PutEnumerated(handle, FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt"));
        return handle;
    }

    Host host;
    const BasicSuite* basic = nullptr;
    const ActionDescriptorSuite2* descriptors = nullptr;
    const ActionReferenceSuite2* references = nullptr;
    const ActionControlSuite2* control = nullptr;
    const UIHooksSuite1* uiHooks = nullptr;

private:
    ActiveHostScope active_;
};

}  // namespace kestrow::host::testing
