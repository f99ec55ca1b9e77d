// The entry point called as the editor calls it: suites acquired and
// released on every call, the caller and selector pairs it serves, and the
// statuses it hands back.
#include "PluginFixture.h"

namespace kestrow::test {
namespace {

class EntryPoint : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        ReleaseSuites(host.Basic(), SuiteTable, kSuiteCount);  // the entry point acquires its own
    }

    PlugStatus Call(const char* caller, const char* selector, ActionParameters* parameters = nullptr)
    {
        PluginMessage message{nullptr, host.PluginHandle(), nullptr, host.Basic(), parameters};
        const PlugStatus result = PluginMain(caller, selector, &message);
        for (const SuiteRow& row : SuiteTable)
            EXPECT_EQ(*row.pointer, nullptr) << row.name << " still set after the call";
        EXPECT_TRUE(host.suites.StillHeld().empty()) << "a suite was not released";
        EXPECT_EQ(gCanvasState.runResult, 0);
        return result;
    }

    // Relative top margin of 20 pixels, as a script would send it.
    ActionDescriptorHandle TopMargin()
    {
        AcquireSuites(host.Basic(), SuiteTable, kSuiteCount);
        ActionDescriptorHandle descriptor = NewDescriptor();
        descriptorSuite->PutFloat(descriptor, FourCC("Top "), 20);
        ReleaseSuites(host.Basic(), SuiteTable, kSuiteCount);
        return descriptor;
    }

    void TearDown() override
    {
        AcquireSuites(host.Basic(), SuiteTable, kSuiteCount);  // to free what the test made
        PluginTest::TearDown();
    }
};

TEST_F(EntryPoint, AnyMissingSuiteFailsEveryCallAndReleasesTheOthers)
{
    for (const SuiteRow& row : SuiteTable) {
        SCOPED_TRACE(row.name);
        host.faults.Reset();
        host.faults.WithholdSuite(row.name);
        ActionParameters parameters{kPlayWithoutDialog, 1, nullptr};
        EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), kStatusSuiteMissing);
        EXPECT_EQ(Call("SP Interface", "About"), kStatusSuiteMissing);
        EXPECT_TRUE(host.events.empty());
    }
}

TEST_F(EntryPoint, NoMessageOrNoBasicSuiteIsAMissingSuite)
{
    EXPECT_EQ(PluginMain("PS Photoshop", "Do It", nullptr), kStatusSuiteMissing);
    PluginMessage message{nullptr, host.PluginHandle(), nullptr, nullptr, nullptr};
    EXPECT_EQ(PluginMain("PS Photoshop", "Do It", &message), kStatusSuiteMissing);
}

TEST_F(EntryPoint, PairsItDoesNotServeDoNothing)
{
    ActionParameters parameters{kPlayWithoutDialog, 1, TopMargin()};
    const ActionDescriptorHandle given = parameters.descriptor;
    EXPECT_EQ(Call("SP Interface", "Do It", &parameters), 0);
    EXPECT_EQ(Call("PS Photoshop", "About", &parameters), 0);
    EXPECT_EQ(Call("PS Photoshop", "do it", &parameters), 0);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(parameters.descriptor, given);
    EXPECT_EQ(host.faults.CallCount("Dialog.Modal"), 0u);
}

TEST_F(EntryPoint, DoItWithoutTheDialogPlaysAndRecords)
{
    ActionParameters parameters{kPlayWithoutDialog, 1, TopMargin()};
    const ActionDescriptorHandle given = parameters.descriptor;
    EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), 0);
    EXPECT_EQ(EventTexts(), std::vector<std::string>{"CnvS Hght=#Pxl:520 Vrtc=VrtL:Bttm"});
    EXPECT_EQ(host.faults.CallCount("Dialog.Modal"), 0u);
    ASSERT_NE(parameters.descriptor, given);
    EXPECT_EQ(ItemsText(Contents(parameters.descriptor).Items()), "Top =20 RlrU=RlrU:RrPx");
    EXPECT_EQ(parameters.recordOption, 0);
    Adopt(parameters.descriptor);
    ASSERT_EQ(host.documents.Target()->History().size(), 1u);
    EXPECT_EQ(host.documents.Target()->History()[0].name, "Kestrow");
}

TEST_F(EntryPoint, RefusedEventStillSucceedsAndRecords)
{
    AcquireSuites(host.Basic(), SuiteTable, kSuiteCount);
    ActionDescriptorHandle descriptor = NewDescriptor();
    descriptorSuite->PutFloat(descriptor, FourCC("Wdth"), 0);  // no canvas left: refused
    descriptorSuite->PutEnumerated(descriptor, FourCC("Hrzn"), FourCC("ADSt"), FourCC("AdLf"));
    ReleaseSuites(host.Basic(), SuiteTable, kSuiteCount);
    ActionParameters parameters{kPlayWithoutDialog, 1, descriptor};
    EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), 0);
    ASSERT_EQ(host.events.size(), 1u);
    EXPECT_NE(host.events[0].status, 0);
    EXPECT_EQ(host.documents.Target()->Width(), 1000);
    ASSERT_NE(parameters.descriptor, descriptor);
    Adopt(parameters.descriptor);
    EXPECT_EQ(ItemsText(Contents(parameters.descriptor).Items()), "Wdth=0 Hrzn=ADSt:AdLf RlrU=RlrU:RrPx");
}

TEST_F(EntryPoint, NoDescriptorRunsWhatTheStateHolds)
{
    gCanvasState.absoluteMode = true;
    gCanvasState.anchor = 9;
    gCanvasState.newWidth = 10;
    gCanvasState.changedDims = kChangedWidth;
    ActionParameters parameters{kPlayWithoutDialog, 1, nullptr};
    EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), 0);
    EXPECT_EQ(EventTexts(), std::vector<std::string>{"CnvS Wdth=#Pxl:10 Hrzn=HrzL:Rght Vrtc=VrtL:Bttm"});
    ASSERT_NE(parameters.descriptor, nullptr);
    Adopt(parameters.descriptor);
}

TEST_F(EntryPoint, HostFailuresBeforeTheRunComeBackWidened)
{
    struct Case {
        const char* operation;
        HostStatus status;
    };
    for (const Case& c : {Case{"UIHooks.GetPluginName", -32768}, Case{"ActionReference.Make", -1},
                          Case{"ActionReference.PutEnumerated", 32767}, Case{"ActionControl.SuspendHistory", -108}}) {
        SCOPED_TRACE(c.operation);
        host.faults.Reset();
        host.faults.FailNth(c.operation, 1, c.status);
        ActionParameters parameters{kPlayWithoutDialog, 1, TopMargin()};
        const ActionDescriptorHandle given = parameters.descriptor;
        EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), static_cast<PlugStatus>(c.status));
        EXPECT_EQ(parameters.descriptor, given);
        EXPECT_TRUE(host.events.empty());
    }
}

TEST_F(EntryPoint, CancelledDialogReturnsMinus128AndLeavesTheParameters)
{
    gCanvasState.commandPlayed = 1;  // an earlier run played: this run must not count it
    host.dialogs.SetDefaultResult(0);
    ActionParameters parameters{kPlayWithDialog, 1, TopMargin()};
    const ActionDescriptorHandle given = parameters.descriptor;
    EXPECT_EQ(Call("PS Photoshop", "Do It", &parameters), kStatusCancelled);
    EXPECT_EQ(parameters.descriptor, given);
    EXPECT_EQ(parameters.recordOption, 1);
    EXPECT_EQ(host.faults.CallCount("Dialog.Modal"), 1u);
}

TEST_F(EntryPoint, AboutOpensTheAboutBoxAndSucceeds)
{
    host.dialogs.SetDefaultResult(-5);  // whatever the box answers is ignored
    EXPECT_EQ(Call("SP Interface", "About"), 0);
    ASSERT_EQ(host.dialogs.Runs().size(), 1u);
    EXPECT_EQ(host.dialogs.Runs()[0].resourceId, 18000);
}

}  // namespace
}  // namespace kestrow::test
