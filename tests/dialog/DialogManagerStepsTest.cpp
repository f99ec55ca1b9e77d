// The dialog manager on its own: dialogs built from the module's templates,
// a person's steps with the automatic state changes and refusals a real
// dialog has, the reset modifier through the action mask, and a script's
// steps shared by nested dialogs.
#include "DialogFixture.h"

#include "dialog/ScriptPlayer.h"

#include <vector>

namespace kestrow::test {
namespace {

// The items whose notify procedure ran, in order; C procedures carry no context.
std::vector<int32_t> gNotified;
std::vector<std::vector<int32_t>> gTracked;

void HOSTCALL RecordNotify(ItemRef item, NotifierRef)
{
    gNotified.push_back(reinterpret_cast<host::DialogItem*>(item)->Id());
}

HostBool HOSTCALL RecordTrack(DialogRef, TrackerRef tracker)
{
    std::vector<int32_t> seen;
    for (int32_t action : {7, -7, -2})
        if (trackerSuite->TestAction(tracker, action)) seen.push_back(action);
    gTracked.push_back(seen);
    return 0;
}

// Installs the recording procedures on every item and, when the test asks,
// the tracker; leaves buttons 1 and 2 to the dialog manager.
int32_t gMask = 0;
PlugStatus HOSTCALL RecordingInit(DialogRef ref)
{
    auto* dialog = reinterpret_cast<host::Dialog*>(ref);
    for (const auto& item : dialog->Items())
        if (item->Id() != 1 && item->Id() != 2) item->notifyProc = RecordNotify;
    dialog->mask = gMask;
    dialog->trackProc = RecordTrack;
    return 0;
}

class DialogManagerSteps : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        gNotified.clear();
        gTracked.clear();
        gMask = 0;
    }

    int32_t Run(int32_t resourceId, const Steps& steps)
    {
        host.dialogs.SetScript(steps);
        const int32_t result = host.dialogs.Modal("Test", resourceId, RecordingInit, nullptr);
        host.dialogs.SetScript(nullptr);
        return result;
    }
};

TEST_F(DialogManagerSteps, DialogsComeFromTheModulesTemplates)
{
    Run(kMainDialogId, [&](host::ModalSession& s) {
        const host::Dialog& dialog = s.Current();
        EXPECT_EQ(dialog.Caption(), "Kestrow");
        EXPECT_EQ(dialog.Width(), 267);
        EXPECT_EQ(dialog.Height(), 184);
        EXPECT_EQ(dialog.Items().size(), 50u);
        EXPECT_EQ(Item(s, 16025).Kind(), host::ItemKind::PictureButton);
        EXPECT_EQ(Item(s, 16025).pictureId, 130) << "a picture button starts with the icon its text names";
        EXPECT_EQ(Item(s, 16011).Kind(), host::ItemKind::Popup);
        EXPECT_EQ(Item(s, 16001).Kind(), host::ItemKind::Edit);
        EXPECT_EQ(Item(s, 16003).Layout().bounds.y, 142);
        EXPECT_EQ(Text(s, 2), "&Cancel");
    });
    Run(kAboutDialogId, [&](host::ModalSession& s) {
        EXPECT_EQ(s.Current().Items().size(), 7u);
        EXPECT_TRUE(Item(s, 1).Layout().isDefault);
        EXPECT_FALSE(Item(s, 18002).Layout().border);
    });
}

TEST_F(DialogManagerSteps, ClicksChangeStatesAsTheDialogWouldThenNotify)
{
    Run(kMainDialogId, [&](host::ModalSession& s) {
        STEP(s.Click(16035));
        STEP(s.Click(16034));
        EXPECT_TRUE(On(s, 16034));
        EXPECT_FALSE(On(s, 16035)) << "one radio of the group on at a time";
        STEP(s.Click(16014));
        EXPECT_TRUE(On(s, 16014));
        STEP(s.Click(16014));
        EXPECT_FALSE(On(s, 16014)) << "a checkbox toggles";
        STEP(s.Click(16021));
        EXPECT_FALSE(On(s, 16021)) << "a picture button's state is the plug-in's to set";
        STEP(s.Click(5));
    });
    EXPECT_EQ(gNotified, (std::vector<int32_t>{16035, 16034, 16014, 16014, 16021, 5}));
}

TEST_F(DialogManagerSteps, RefusedStepsChangeNothingAndSayWhy)
{
    Run(kMainDialogId, [&](host::ModalSession& s) {
        auto* edit = const_cast<host::DialogItem*>(&Item(s, 16005));
        edit->enabled = false;
        edit->maxTextLength = 3;
        struct Case {
            host::StepOutcome outcome;
            const char* error;
        };
        const Case cases[] = {
            {s.Type(16005, "12"), "item 16005 (edit field) is disabled; it cannot be typed into"},
            {s.Click(16017), "item 16017 (label) cannot be clicked"},
            {s.Type(1, "x"), "item 1 (push button) cannot be typed into"},
            {s.Choose(16014, 0), "item 16014 (checkbox) cannot be chosen from"},
            {s.Click(4242), "the dialog \"Test\" has no item 4242"},
            {s.Choose(16011, 3), "item 16011 (popup list) has 0 entries; there is no entry 3"},
            {s.Choose(16011, "mm"), "item 16011 (popup list) has no entry \"mm\""},
        };
        for (const Case& c : cases) EXPECT_EQ(c.outcome.error, c.error);
        EXPECT_EQ(Text(s, 16005), "");
        edit->enabled = true;
        STEP(s.Type(16005, "12345"));
        EXPECT_EQ(Text(s, 16005), "123") << "cut to the length the plug-in allowed";
    });
    EXPECT_EQ(gNotified, (std::vector<int32_t>{16005})) << "only the accepted step notified";
}

TEST_F(DialogManagerSteps, ButtonsWithoutProceduresGetTheDefaultHandling)
{
    EXPECT_EQ(Run(kMainDialogId, [&](host::ModalSession& s) { STEP(s.Click(1)); }), 1);
    EXPECT_EQ(host.dialogs.Runs().back().ending, host::DialogEnding::DefaultHandling);
    EXPECT_EQ(Run(kMainDialogId, [&](host::ModalSession& s) { STEP(s.Click(2)); }), 0);
    EXPECT_EQ(Run(kMainDialogId, [&](host::ModalSession& s) {
                  STEP(s.Click(5));
                  EXPECT_FALSE(s.Current().Ended()) << "a button with a procedure only notifies";
                  s.End(7);
              }),
              7);
    EXPECT_EQ(Run(kAboutDialogId, [&](host::ModalSession& s) {
                  STEP(s.Click(1));
                  EXPECT_EQ(s.Click(1).error, "the dialog \"Test\" has already closed");
              }),
              1);
}

TEST_F(DialogManagerSteps, ModifierReachesTheTrackerOnlyThroughTheMask)
{
    EXPECT_EQ(host::ActionMaskBit(7), 0x80);
    EXPECT_EQ(host::ActionMaskBit(-2), 0x40000);
    EXPECT_EQ(host::ActionMaskBit(-7), 0x800000);
    EXPECT_EQ(host::ActionMaskBit(40), 0);

    Run(kMainDialogId, [&](host::ModalSession& s) {
        STEP(s.Modifier(true));
        EXPECT_TRUE(gTracked.empty()) << "a mask without the modifier's bits delivers nothing";
    });
    gMask = 0x8840880;
    Run(kMainDialogId, [&](host::ModalSession& s) {
        STEP(s.Modifier(true));
        STEP(s.Modifier(false));
    });
    const std::vector<std::vector<int32_t>> expected = {{7}, {-2}, {-7}, {-2}};
    EXPECT_EQ(gTracked, expected) << "each action an event of its own, each followed by -2";
    gTracked.clear();
    gMask = 0x80;
    Run(kMainDialogId, [&](host::ModalSession& s) { STEP(s.Modifier(true)); });
    EXPECT_EQ(gTracked, (std::vector<std::vector<int32_t>>{{7}}));
}

host::ScriptStep Step(host::ScriptStep::Kind kind, int line, int32_t item = 0, std::string text = "")
{
    host::ScriptStep step;
    step.kind = kind;
    step.line = line;
    step.item = item ? std::to_string(item) : "";
    step.itemId = item;
    step.text = std::move(text);
    return step;
}

// Opens the About box from item 5, as the plug-in's About button does.
void HOSTCALL OpenAbout(ItemRef, NotifierRef)
{
    host::ActiveHost()->dialogs.Modal("About", kAboutDialogId, nullptr, nullptr);
}

PlugStatus HOSTCALL InitWithAbout(DialogRef ref)
{
    reinterpret_cast<host::Dialog*>(ref)->Item(5)->notifyProc = OpenAbout;
    return 0;
}

TEST_F(DialogManagerSteps, NestedDialogTakesTheStepsUntilItClosesAndRunningOutClosesBoth)
{
    using K = host::ScriptStep::Kind;
    auto player = std::make_shared<host::ScriptPlayer>(
        "s.txt",
        std::vector<host::ScriptStep>{Step(K::Click, 1, 5), Step(K::Expect, 2, 18002, ""), Step(K::Click, 3, 1),
                                      Step(K::Click, 4, 5), Step(K::Expect, 5, 18010, "Version\rCode\rDesign")},
        nullptr);
    host.dialogs.SetScript([player](host::ModalSession& s) { player->Play(s); });
    EXPECT_EQ(host.dialogs.Modal("Canvas", kMainDialogId, InitWithAbout, nullptr), 0);
    EXPECT_EQ(player->Failure(), "");
    EXPECT_EQ(player->StepsRun(), 5u);
    ASSERT_EQ(host.dialogs.Runs().size(), 3u);
    EXPECT_EQ(host.dialogs.Runs()[0].ending, host::DialogEnding::DefaultHandling) << "step 3 closed the first About";
    EXPECT_EQ(host.dialogs.Runs()[1].ending, host::DialogEnding::ScriptRanOut)
        << "the second About was open when the steps ran out";
    EXPECT_EQ(host.dialogs.Runs()[2].ending, host::DialogEnding::ScriptRanOut);
    EXPECT_EQ(player->RanOutIn(), (std::vector<std::string>{"About", "Canvas"}));
}

TEST_F(DialogManagerSteps, AFailedStepStopsTheScriptAndClosesEveryDialog)
{
    using K = host::ScriptStep::Kind;
    host::ScriptStep expect = Step(K::Expect, 2, 18002, "somewhere else");
    auto player = std::make_shared<host::ScriptPlayer>(
        "s.txt", std::vector<host::ScriptStep>{Step(K::Click, 1, 5), expect, Step(K::Click, 3, 1)}, nullptr);
    host.dialogs.SetScript([player](host::ModalSession& s) { player->Play(s); });
    EXPECT_EQ(host.dialogs.Modal("Canvas", kMainDialogId, InitWithAbout, nullptr), 0);
    EXPECT_EQ(player->Failure(), "s.txt:2: expect 18002: item 18002 text is \"\", expected \"somewhere else\"");
    EXPECT_EQ(player->StepsRun(), 2u) << "no step after the failed one";
    ASSERT_EQ(host.dialogs.Runs().size(), 2u);
    EXPECT_EQ(host.dialogs.Runs()[0].ending, host::DialogEnding::ScriptFailed);
    EXPECT_EQ(host.dialogs.Runs()[1].ending, host::DialogEnding::ScriptFailed);
}

TEST_F(DialogManagerSteps, ExpectationsCompareEachProperty)
{
    Run(kMainDialogId, [&](host::ModalSession& s) {
        auto* button = const_cast<host::DialogItem*>(&Item(s, 16021));
        button->value = true;
        button->enabled = false;
        button->disabledPictureId = 132;
        const host::DialogItem& b = *button;
        EXPECT_TRUE(host::ItemPropertyIs(b, host::ItemProperty::Value, "on"));
        EXPECT_TRUE(host::ItemPropertyIs(b, host::ItemProperty::Value, "1"));
        EXPECT_FALSE(host::ItemPropertyIs(b, host::ItemProperty::Value, "off"));
        EXPECT_FALSE(host::ItemPropertyIs(b, host::ItemProperty::Value, "maybe"));
        EXPECT_TRUE(host::ItemPropertyIs(b, host::ItemProperty::Enabled, "false"));
        EXPECT_TRUE(host::ItemPropertyIs(b, host::ItemProperty::Picture, "122"));
        EXPECT_TRUE(host::ItemPropertyIs(b, host::ItemProperty::DisabledPicture, "132"));
        EXPECT_FALSE(host::ItemPropertyIs(b, host::ItemProperty::DisabledPicture, "132x"));
        EXPECT_TRUE(host::ItemPropertyIs(Item(s, 2), host::ItemProperty::Text, "&Cancel"));
        EXPECT_FALSE(host::ItemPropertyIs(Item(s, 2), host::ItemProperty::Text, "&cancel"));
        EXPECT_TRUE(host::ItemPropertyIs(Item(s, 16011), host::ItemProperty::Value, "-1")) << "no entry chosen";
    });
}

}  // namespace
}  // namespace kestrow::test
