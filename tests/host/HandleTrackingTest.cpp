#include "HostFixture.h"

#include "model/StatusCodes.h"

namespace kestrow::host::testing {
namespace {

using What = HandleProblem::What;

class HandleTracking : public HostFixture {
protected:
    std::vector<What> ProblemKinds() const
    {
        std::vector<What> kinds;
        for (const auto& problem : host.handles.Problems()) kinds.push_back(problem.what);
        return kinds;
    }
};

TEST_F(HandleTracking, AnUnfreedDescriptorIsALeakAndAFreedOneIsNot)
{
    const uint64_t mark = host.handles.Mark();
    ActionDescriptorHandle kept = MakeDescriptor();
    ActionDescriptorHandle freed = MakeDescriptor();
    ASSERT_EQ(descriptors->Free(freed), 0);
    const auto leaks = host.handles.RecordLeaksSince(mark);
    ASSERT_EQ(leaks.size(), 1u);
    EXPECT_EQ(leaks[0].token, TokenOf(kept));
    EXPECT_EQ(leaks[0].kind, HandleKind::Descriptor);
}

TEST_F(HandleTracking, BadFreesAreRefusedAndReportedWithoutTouchingMemory)
{
    ActionDescriptorHandle twice = MakeDescriptor();
    ASSERT_EQ(descriptors->Free(twice), 0);
    EXPECT_EQ(descriptors->Free(twice), status::kBadHandle);
    EXPECT_EQ(descriptors->Free(HandleOf<ActionDescriptorHandle>(0xDEAD0)), status::kBadHandle);
    ActionReferenceHandle reference = nullptr;
    references->Make(&reference);
    EXPECT_EQ(descriptors->Free(HandleOf<ActionDescriptorHandle>(TokenOf(reference))), status::kBadHandle);
    EXPECT_TRUE(host.handles.IsLive(TokenOf(reference))) << "a free of the wrong kind must not free it";
    EXPECT_EQ(references->Free(reference), 0);
    EXPECT_EQ(references->Free(nullptr), status::kBadHandle);

    const std::vector<What> expected = {What::FreedTwice, What::FreedUnknown, What::FreedWrongKind, What::FreedUnknown};
    EXPECT_EQ(ProblemKinds(), expected);
}

TEST_F(HandleTracking, UseOfAFreedDescriptorFailsAndIsReported)
{
    ActionDescriptorHandle d = MakeDescriptor();
    descriptors->Free(d);
    EXPECT_EQ(descriptors->PutFloat(d, FourCC("Top "), 1), status::kBadHandle);
    double value = 3;
    EXPECT_EQ(descriptors->GetFloat(d, FourCC("Top "), &value), status::kBadHandle);
    EXPECT_EQ(value, 3);
    const std::vector<What> expected = {What::UsedAfterFree, What::UsedAfterFree};
    EXPECT_EQ(ProblemKinds(), expected);
    EXPECT_NE(host.handles.Problems()[0].Describe().find("ActionDescriptor.PutFloat"), std::string::npos);
}

class FaultInjection : public HostFixture {};

TEST_F(FaultInjection, OnlyTheNthCallOfTheNamedOperationFails)
{
    host.faults.FailNth("ActionDescriptor.PutUnitFloat", 2, -25);
    ActionDescriptorHandle d = MakeDescriptor();
    EXPECT_EQ(descriptors->PutUnitFloat(d, FourCC("Wdth"), FourCC("#Pxl"), 1), 0);
    EXPECT_EQ(descriptors->PutFloat(d, FourCC("Top "), 1), 0) << "another operation does not count";
    EXPECT_EQ(descriptors->PutUnitFloat(d, FourCC("Hght"), FourCC("#Pxl"), 2), -25);
    EXPECT_EQ(descriptors->PutUnitFloat(d, FourCC("Rslt"), FourCC("#Pxl"), 3), 0);
    HostBool has = 1;
    descriptors->HasKey(d, FourCC("Hght"), &has);
    EXPECT_FALSE(has) << "a failed call does nothing";
    EXPECT_EQ(host.faults.CallCount("ActionDescriptor.PutUnitFloat"), 3u);
    descriptors->Free(d);
}

TEST_F(FaultInjection, AFailedMakeHandsOutNothing)
{
    host.faults.FailNth("ActionDescriptor.Make", host.faults.CallCount("ActionDescriptor.Make") + 1, -108);
    ActionDescriptorHandle d = nullptr;
    EXPECT_EQ(descriptors->Make(&d), -108);
    EXPECT_EQ(d, nullptr);
    EXPECT_EQ(host.handles.LiveCount(), 0u);
}

TEST_F(FaultInjection, AWithheldSuiteCannotBeAcquired)
{
    host.faults.WithholdSuite(kDrawerSuiteName);
    const void* suite = reinterpret_cast<const void*>(0x1);
    EXPECT_EQ(basic->AcquireSuite(kDrawerSuiteName, kDrawerSuiteVersion, &suite), status::kSuiteNotFound);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(basic->AcquireSuite(kNotifierSuiteName, kNotifierSuiteVersion, &suite), 0);
    EXPECT_NE(suite, nullptr);
}

TEST_F(FaultInjection, TheBasicSuiteCanFailToo)
{
    const unsigned next = host.faults.CallCount("Basic.AcquireSuite") + 1;
    host.faults.FailNth("Basic.AcquireSuite", next, -30);
    const void* suite = nullptr;
    EXPECT_EQ(basic->AcquireSuite(kItemSuiteName, kItemSuiteVersion, &suite), -30);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(basic->AcquireSuite(kItemSuiteName, kItemSuiteVersion, &suite), 0);
}

class SuiteRegistryTest : public HostFixture {};

TEST_F(SuiteRegistryTest, EverySuiteOfTheInterfaceCanBeAcquired)
{
    const std::pair<const char*, int32_t> all[] = {
        {kActionDescriptorSuiteName, 2}, {kActionReferenceSuiteName, 2}, {kActionControlSuiteName, 2},
        {kExtraActionSuiteName, 1},      {kDialogBasicSuiteName, 3},     {kHandleSuiteName, 1},
        {kDialogSuiteName, 5},           {kItemSuiteName, 4},            {kDrawerSuiteName, 3},
        {kNotifierSuiteName, 1},         {kListSuiteName, 1},            {kEntrySuiteName, 2},
        {kTrackerSuiteName, 1},          {kUIHooksSuiteName, 1},
    };
    for (const auto& [name, version] : all) {
        const void* suite = nullptr;
        EXPECT_EQ(basic->AcquireSuite(name, version, &suite), 0) << name;
        EXPECT_NE(suite, nullptr) << name;
        EXPECT_EQ(basic->ReleaseSuite(name, version), 0) << name;
    }
}

TEST_F(SuiteRegistryTest, UnknownNamesAndVersionsAreRefused)
{
    const void* suite = reinterpret_cast<const void*>(0x1);
    EXPECT_EQ(basic->AcquireSuite("No Such Suite", 1, &suite), status::kSuiteNotFound);
    EXPECT_EQ(suite, nullptr);
    suite = reinterpret_cast<const void*>(0x1);
    EXPECT_EQ(basic->AcquireSuite(kDialogSuiteName, 4, &suite), status::kSuiteNotFound);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(basic->AcquireSuite(nullptr, 1, &suite), status::kBadParameter);
    EXPECT_EQ(basic->ReleaseSuite("No Such Suite", 1), status::kSuiteNotHeld);
}

TEST_F(SuiteRegistryTest, AcquisitionsAndReleasesAreCountedPerSuite)
{
    // The fixture holds the descriptor, reference, control and UI hooks suites.
    EXPECT_EQ(host.suites.StillHeld().size(), 4u);
    const void* suite = nullptr;
    basic->AcquireSuite(kItemSuiteName, kItemSuiteVersion, &suite);
    basic->AcquireSuite(kItemSuiteName, kItemSuiteVersion, &suite);
    EXPECT_EQ(basic->ReleaseSuite(kItemSuiteName, kItemSuiteVersion), 0);
    EXPECT_EQ(host.suites.UsageOf(kItemSuiteName, kItemSuiteVersion)->Held(), 1u);
    EXPECT_EQ(basic->ReleaseSuite(kItemSuiteName, kItemSuiteVersion), 0);
    EXPECT_EQ(basic->ReleaseSuite(kItemSuiteName, kItemSuiteVersion), status::kSuiteNotHeld);
    const auto* usage = host.suites.UsageOf(kItemSuiteName, kItemSuiteVersion);
    EXPECT_EQ(usage->acquired, 2u);
    EXPECT_EQ(usage->released, 2u);
    EXPECT_EQ(host.suites.StillHeld().size(), 4u);
}

TEST_F(SuiteRegistryTest, IsEqualComparesTextsAndCopesWithNull)
{
    EXPECT_TRUE(basic->IsEqual("Do It", "Do It"));
    EXPECT_FALSE(basic->IsEqual("Do It", "Do it"));
    EXPECT_FALSE(basic->IsEqual(nullptr, "Do It"));
}

TEST(SuitesOutsideACall, AnswerAFailureInsteadOfCrashing)
{
    const BasicSuite* basic = Host().Basic();
    const void* suite = nullptr;
    EXPECT_NE(basic->AcquireSuite(kDialogSuiteName, kDialogSuiteVersion, &suite), 0);
    EXPECT_EQ(suite, nullptr);
}

}  // namespace
}  // namespace kestrow::host::testing
