// The Editor facade driving the test module through the module loader.
#include "session/Editor.h"

#include "ActionSuites.h"
#include "DialogSuites.h"
#include "model/ItemTypes.h"

#include <gtest/gtest.h>

namespace kestrow::host::testing {
namespace {

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        std::string error;
        EXPECT_TRUE(editor.LoadModule(KESTROW_TEST_MODULE, error)) << error;
        editor.OpenDocument(1000, 500, 72);
    }

    RunReport Run(const char* selector, std::optional<Descriptor> descriptor = std::nullopt, int32_t playOption = 2)
    {
        RunRequest request;
        request.selector = selector;
        request.playOption = playOption;
        request.descriptor = std::move(descriptor);
        return editor.Run(request);
    }

    Editor editor;
};

TEST_F(EditorTest, ADoItRunReportsEventsDocumentHistoryAndRecording)
{
    Descriptor in;
    in.PutInteger(FourCC("Wdth"), 25);
    const RunReport report = Run("Do It", in);
    EXPECT_EQ(report.result, 0);
    ASSERT_EQ(report.events.size(), 1u);
    EXPECT_EQ(report.events[0].event, FourCC("CnvS"));
    EXPECT_EQ(report.events[0].status, 0);
    ASSERT_TRUE(report.document);
    EXPECT_EQ(report.document->width, 1025);
    EXPECT_EQ(report.document->imageX, 0) << "anchored left";
    EXPECT_EQ(report.history, std::vector<std::string>{"Kestrow"});
    ASSERT_TRUE(report.recorded);
    EXPECT_EQ(report.recorded->GetInteger(FourCC("Seen")), 1);
    EXPECT_EQ(report.recordOption, 0);
    EXPECT_TRUE(report.Problems().empty()) << report.Problems().front();
    EXPECT_EQ(editor.host().handles.LiveCount(), 0u) << "the host freed the recorded descriptor and its own";
}

TEST_F(EditorTest, NoDescriptorIsNotAnEmptyDescriptor)
{
    EXPECT_EQ(Run("Do It").recorded->GetInteger(FourCC("Seen")), -1);
    EXPECT_EQ(Run("Do It", Descriptor{}).recorded->GetInteger(FourCC("Seen")), 0);
}

TEST_F(EditorTest, LeaksDoubleFreesAndHeldSuitesAreReported)
{
    const RunReport leak = Run("Leak");
    ASSERT_EQ(leak.handleProblems.size(), 1u);
    EXPECT_EQ(leak.handleProblems[0].what, HandleProblem::What::Leaked);

    const RunReport twice = Run("Double Free");
    EXPECT_NE(twice.result, 0) << "the second Free answered a failure";
    ASSERT_EQ(twice.handleProblems.size(), 1u) << "the earlier leak is not reported again";
    EXPECT_EQ(twice.handleProblems[0].what, HandleProblem::What::FreedTwice);

    const RunReport kept = Run("Keep Suite");
    ASSERT_EQ(kept.suitesHeld.size(), 1u);
    EXPECT_EQ(kept.suitesHeld[0].name, kActionDescriptorSuiteName);
    EXPECT_EQ(kept.Problems().size(), 1u);
    EXPECT_TRUE(Run("Count").suitesHeld.empty()) << "a hold from an earlier run is reported once";
}

TEST_F(EditorTest, AModalEndingWithZeroCancelsAndLeavesTheParametersAlone)
{
    const RunReport cancelled = Run("Do It", std::nullopt, kPlayWithDialog);
    EXPECT_EQ(cancelled.result, -128);
    EXPECT_TRUE(cancelled.events.empty());
    EXPECT_FALSE(cancelled.recorded);
    EXPECT_EQ(cancelled.recordOption, 1);
    EXPECT_TRUE(cancelled.history.empty());
    ASSERT_EQ(cancelled.dialogs.size(), 1u);
    EXPECT_EQ(cancelled.dialogs[0].resourceId, 16000);

    editor.dialogs().SetDefaultResult(1);
    const RunReport accepted = Run("Do It", std::nullopt, kPlayWithDialog);
    EXPECT_EQ(accepted.result, 0);
    EXPECT_EQ(accepted.recorded->GetInteger(FourCC("Mdl ")), 1);
}

TEST_F(EditorTest, AWithheldSuiteOrAFailedCallReachesTheModule)
{
    editor.faults().WithholdSuite(kDrawerSuiteName);
    const RunReport report = Run("Do It");
    EXPECT_EQ(report.result, -30900);
    EXPECT_TRUE(report.suitesHeld.empty()) << "the module released what it had acquired";
    editor.faults().Reset();

    editor.faults().FailNth("UIHooks.GetPluginName", 1, -42);
    EXPECT_EQ(Run("Do It").result, -42);
    editor.faults().FailNth("ActionControl.Play", editor.faults().CallCount("ActionControl.Play") + 1, -7);
    const RunReport refused = Run("Do It");
    EXPECT_TRUE(refused.events.empty()) << "a faulted call never reaches the editor";
    EXPECT_TRUE(refused.history.empty());
}

TEST_F(EditorTest, ReloadingTheModuleGivesItFreshState)
{
    EXPECT_EQ(Run("Count").result, 1);
    EXPECT_EQ(Run("Count").result, 2);
    std::string error;
    ASSERT_TRUE(editor.LoadModule(KESTROW_TEST_MODULE, error)) << error;
    EXPECT_EQ(Run("Count").result, 1);
}

TEST(ModuleLoading, MissingFilesAndModulesWithoutTheEntryPointAreRefused)
{
    Editor editor;
    std::string error;
    EXPECT_FALSE(editor.LoadModule("/nonexistent/Kestrow.so", error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(editor.LoadModule(KESTROW_NO_ENTRY_MODULE, error));
    EXPECT_NE(error.find("PluginMain"), std::string::npos) << error;
    EXPECT_FALSE(editor.HasModule());
    EXPECT_THROW(editor.Run(RunRequest{}), std::logic_error);
}

}  // namespace
}  // namespace kestrow::host::testing
