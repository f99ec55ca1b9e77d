// Whole interactive runs of the built module in the simulated editor: the
// editor calls PluginMain with play option 1, the dialog script plays as
// the user, and the run reports events, history and recording as any run.
#include "DialogScript.h"
#include "PluginFixture.h"
#include "dialog/ScriptPlayer.h"
#include "session/Editor.h"

#include <gtest/gtest.h>

#include <memory>

namespace kestrow::test {
namespace {

class InteractiveRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(editor.LoadModule(KESTROW_MODULE_FILE, error)) << error;
    }

    // One run with the dialog, the script's steps played in it.
    host::RunReport Run(const std::string& script, std::optional<host::Descriptor> descriptor = std::nullopt,
                        const char* caller = "PS Photoshop", const char* selector = "Do It")
    {
        const cli::DialogScriptParse parse = cli::ParseDialogScript(script, "steps");
        EXPECT_EQ(parse.error, "");
        player = std::make_shared<host::ScriptPlayer>("steps", parse.steps, nullptr);
        std::shared_ptr<host::ScriptPlayer> playing = player;
        editor.dialogs().SetScript([playing](host::ModalSession& s) { playing->Play(s); });
        host::RunRequest request;
        request.caller = caller;
        request.selector = selector;
        request.playOption = kPlayWithDialog;
        request.descriptor = std::move(descriptor);
        host::RunReport report = editor.Run(request);
        editor.dialogs().SetScript(nullptr);
        EXPECT_EQ(player->Failure(), "");
        EXPECT_TRUE(report.Problems().empty()) << report.Problems().front();
        return report;
    }

    static std::vector<std::string> Events(const host::RunReport& report)
    {
        std::vector<std::string> texts;
        for (const auto& event : report.events) texts.push_back(ItemsText(event.items));
        return texts;
    }

    host::Editor editor;
    std::shared_ptr<host::ScriptPlayer> player;
};

TEST_F(InteractiveRun, TypedMarginsArePlayedAsEventsAndRecorded)
{
    editor.OpenDocument(1000, 500, 72);
    const host::RunReport report = Run("type top 20\ntype left 10\nexpect newWidth text = \"1010 pixels\"\nclick ok\n");
    EXPECT_EQ(report.result, 0);
    EXPECT_EQ(Events(report), (std::vector<std::string>{"Hght=#Pxl:520 Vrtc=VrtL:Bttm", "Wdth=#Pxl:1010 Hrzn=HrzL:Rght"}));
    ASSERT_TRUE(report.recorded);
    EXPECT_EQ(ItemsText(report.recorded->Items()), "Top =20 Left=10 RlrU=RlrU:RrPx");
    EXPECT_EQ(report.history.size(), 1u) << "one history step for both events";
    ASSERT_EQ(report.dialogs.size(), 1u);
    EXPECT_EQ(report.dialogs[0].result, 1);
}

TEST_F(InteractiveRun, AbsoluteRunInMillimetres)
{
    editor.OpenDocument(3000, 1500, 300);
    const host::RunReport report = Run(
        "click absolute\nchoose absoluteUnits mm\nexpect width text = 254.000\n"
        "type width 300\ntype height 100\nclick anchor1\nclick ok\n");
    EXPECT_EQ(report.result, 0);
    ASSERT_EQ(report.events.size(), 1u);
    // Millimetres are sent to the editor in points.
    EXPECT_EQ(Events(report)[0], "Wdth=#Rlt:850.3937008 Hght=#Rlt:283.4645669 Hrzn=HrzL:Left Vrtc=VrtL:Top ");
    ASSERT_TRUE(report.recorded);
    EXPECT_EQ(ItemsText(report.recorded->Items()),
              "Wdth=300 Hght=100 Hrzn=ADSt:AdLf Vrtc=ADSt:AdTp RlrU=RlrU:RrMm");
    ASSERT_TRUE(report.document);
    EXPECT_EQ(report.document->width, 3543);
    EXPECT_EQ(report.document->height, 1181);
}

TEST_F(InteractiveRun, CancelReturnsMinus128AndLeavesTheParametersUntouched)
{
    editor.OpenDocument(1000, 500, 72);
    host::Descriptor given;
    given.PutFloat(FourCC("Top "), 5);
    const host::RunReport report = Run("type top 20\nclick cancel\n", given);
    EXPECT_EQ(report.result, -128);
    EXPECT_FALSE(report.recorded) << "the descriptor handed in stays in the record";
    EXPECT_TRUE(report.events.empty());
    EXPECT_TRUE(report.history.empty());
    EXPECT_EQ(report.dialogs[0].ending, host::DialogEnding::ByPlugin);
}

TEST_F(InteractiveRun, StepsRunningOutCloseTheDialogAsACancel)
{
    editor.OpenDocument(1000, 500, 72);
    const host::RunReport report = Run("type top 20\n");
    EXPECT_EQ(report.result, -128);
    EXPECT_TRUE(report.events.empty());
    EXPECT_EQ(report.dialogs[0].ending, host::DialogEnding::ScriptRanOut);
    EXPECT_EQ(player->RanOutIn(), (std::vector<std::string>{"Canvas"}));
}

TEST_F(InteractiveRun, OkWithNothingChangedCancelsEvenAfterAnEarlierRunPlayed)
{
    editor.OpenDocument(1000, 500, 72);
    EXPECT_EQ(Run("type top 20\nclick ok\n").result, 0);
    const host::RunReport second = Run("click ok\n");
    EXPECT_EQ(second.dialogs[0].result, 0);
    EXPECT_EQ(second.result, -128);
    EXPECT_FALSE(second.recorded);
}

TEST_F(InteractiveRun, AboutFromTheEntryPointAndFromTheMainDialog)
{
    host::RunReport about = Run("expect webAddress text = https://kestrow.example.org/\nclick ok\n", std::nullopt,
                                "SP Interface", "About");
    EXPECT_EQ(about.result, 0);
    ASSERT_EQ(about.dialogs.size(), 1u);
    EXPECT_EQ(about.dialogs[0].resourceId, 18000);
    EXPECT_EQ(about.dialogs[0].result, 1);

    editor.OpenDocument(1000, 500, 72);
    const host::RunReport run = Run(
        "type top 20\nclick about\nexpect 18010 text = \"Version\\rCode\\rDesign\"\nclick ok\n"
        "expect top text = 20\nclick ok\n");
    EXPECT_EQ(run.result, 0);
    ASSERT_EQ(run.dialogs.size(), 2u);
    EXPECT_EQ(run.dialogs[0].resourceId, 18000);
    EXPECT_EQ(run.dialogs[1].resourceId, 16000);
    EXPECT_EQ(run.events.size(), 1u);
}

}  // namespace
}  // namespace kestrow::test
