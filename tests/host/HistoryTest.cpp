#include "HostFixture.h"

#include "model/StatusCodes.h"

namespace kestrow::host::testing {
namespace {

class History : public HostFixture {
protected:
    void PlayHeight(int32_t pixels)
    {
        ActionDescriptorHandle d = MakeDescriptor();
        descriptors->PutUnitFloat(d, FourCC("Hght"), FourCC("#Pxl"), pixels);
        descriptors->PutEnumerated(d, FourCC("Vrtc"), FourCC("VrtL"), FourCC("Bttm"));
        ActionDescriptorHandle result = nullptr;
        control->Play(&result, FourCC("CnvS"), d, 2);
        if (result) descriptors->Free(result);
        descriptors->Free(d);
    }

    HostNameValue PluginName()
    {
        HostNameValue name = nullptr;
        EXPECT_EQ(uiHooks->GetPluginName(host.PluginHandle(), &name), 0);
        return name;
    }

    // Runs SuspendHistory on the target document with a procedure that plays
    // the given heights; returns its status.
    HostStatus Suspend(std::vector<int32_t> heights, HostNameValue name)
    {
        current = this;
        plays = std::move(heights);
        calls = 0;
        ActionReferenceHandle reference = TargetReference();
        const HostStatus status = control->SuspendHistory(reference, Proc, &parameters, name);
        references->Free(reference);
        current = nullptr;
        return status;
    }

    static PlugStatus HOSTCALL Proc(ActionParameters* data)
    {
        ++current->calls;
        current->seenData = data;
        for (int32_t height : current->plays) current->PlayHeight(height);
        return 0;
    }

    // The test whose procedure runs: a C procedure carries no context.
    static inline History* current = nullptr;
    std::vector<int32_t> plays;
    int calls = 0;
    ActionParameters parameters{2, 1, nullptr};
    ActionParameters* seenData = nullptr;
};

TEST_F(History, EventsInsideOneSuspendedStepFormOneStateNamedAfterThePlugin)
{
    Document& document = host.documents.Open(1000, 500, 72);
    ASSERT_EQ(Suspend({520, 540}, PluginName()), 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenData, &parameters);
    ASSERT_EQ(document.History().size(), 1u);
    EXPECT_EQ(document.History()[0].name, "Kestrow");
    EXPECT_EQ(document.History()[0].changes.size(), 2u);
    EXPECT_EQ(document.Height(), 540);
}

TEST_F(History, AStepWithoutAnAppliedChangeAddsNoState)
{
    Document& document = host.documents.Open(1000, 500, 72);
    ASSERT_EQ(Suspend({}, PluginName()), 0);
    ASSERT_EQ(Suspend({0}, PluginName()), 0) << "a refused event is no change";
    ASSERT_EQ(Suspend({500}, PluginName()), 0) << "nor is one that keeps the size";
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(host.events.size(), 2u);
    EXPECT_TRUE(document.History().empty());
}

TEST_F(History, EachStepAndEachEventOutsideOneIsItsOwnState)
{
    Document& document = host.documents.Open(1000, 500, 72);
    PlayHeight(510);
    ASSERT_EQ(Suspend({520}, PluginName()), 0);
    ASSERT_EQ(Suspend({530, 540}, PluginName()), 0);
    ASSERT_EQ(document.History().size(), 3u);
    EXPECT_EQ(document.History()[0].name, "Canvas Size");
    EXPECT_EQ(document.History()[1].changes.size(), 1u);
    EXPECT_EQ(document.History()[2].changes.size(), 2u);
}

TEST_F(History, SuspendRefusesWithoutADocumentOrWithABadNameAndDoesNotCallTheProcedure)
{
    EXPECT_EQ(Suspend({520}, PluginName()), status::kNoDocument);
    EXPECT_EQ(calls, 0);
    host.documents.Open(1000, 500, 72);
    EXPECT_EQ(Suspend({520}, HandleOf<HostNameValue>(0x1234)), status::kBadHandle);
    EXPECT_EQ(calls, 0);
}

TEST_F(History, ThePluginNameIsTheHostsAndCannotBeFreedAsADescriptor)
{
    HostNameValue name = PluginName();
    EXPECT_EQ(descriptors->Free(HandleOf<ActionDescriptorHandle>(TokenOf(name))), status::kBadHandle);
    EXPECT_TRUE(host.handles.IsLive(TokenOf(name)));
    EXPECT_NE(uiHooks->GetPluginName(HandleOf<PluginRef>(0x99), &name), 0) << "another module's reference";
}

}  // namespace
}  // namespace kestrow::host::testing
