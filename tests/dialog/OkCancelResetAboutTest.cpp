// OK executing from inside the dialog, Cancel, the reset modifier with
// Reset, and the About box opened from the main dialog.
#include "DialogFixture.h"

namespace kestrow::test {
namespace {

TEST_F(MainDialogTest, OkPlaysTheMarginsWhileTheDialogIsOpenAndEndsWithOne)
{
    size_t eventsWhenEnded = 0;
    const int32_t result = RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "20"));
        STEP(s.Type(kItemLeft, "10"));
        EXPECT_TRUE(host.events.empty());
        STEP(s.Click(kItemOk));
        EXPECT_TRUE(s.Current().Ended());
        eventsWhenEnded = host.events.size();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(eventsWhenEnded, 2u);
    EXPECT_EQ(EventTexts(), (std::vector<std::string>{"CnvS Hght=#Pxl:520 Vrtc=VrtL:Bttm",
                                                      "CnvS Wdth=#Pxl:1010 Hrzn=HrzL:Rght"}));
    EXPECT_EQ(gCanvasState.unitsIndex, 0);
}

TEST_F(MainDialogTest, OkInAbsoluteModeSendsWidthAndHeightInTheChosenUnit)
{
    OpenDocument(3000, 1500, 300);
    const int32_t result = RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Choose(kItemAbsoluteUnits, "mm"));
        STEP(s.Type(kItemWidth, "300"));
        STEP(s.Click(kItemAnchorBase + 1));
        STEP(s.Click(kItemOk));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(gCanvasState.unitsIndex, 2) << "the job unit is the popup's";
    ASSERT_EQ(host.events.size(), 1u);
    const std::string event = EventTexts()[0];
    EXPECT_NE(event.find("Wdth="), std::string::npos) << event;
    EXPECT_NE(event.find("Hght="), std::string::npos) << "the unchanged height is sent too: " << event;
    EXPECT_EQ(host.documents.Target()->Width(), 3543) << "300 mm at 300 ppi";
    EXPECT_EQ(host.documents.Target()->Height(), 1500);
}

TEST_F(MainDialogTest, OkWithNothingToDoAndCancelEndWithZero)
{
    EXPECT_EQ(RunMainDialog([&](host::ModalSession& s) { STEP(s.Click(kItemOk)); }), 0);
    EXPECT_EQ(RunMainDialog([&](host::ModalSession& s) {
                  STEP(s.Type(kItemTop, "20"));
                  STEP(s.Click(kItemCancel));
              }),
              0);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(MainDialogTest, ResetModifierTurnsCancelIntoResetWhichKeepsTheDialogOpen)
{
    OpenDocument(1000, 500, 254);  // 100 x 50 mm
    const int32_t result = RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Choose(kItemRelativeUnits, "mm"));
        STEP(s.Type(kItemTop, "5"));
        STEP(s.Click(kItemAbsolute));
        STEP(s.Type(kItemWidth, "20"));
        STEP(s.Click(kItemAnchorBase + 3));

        STEP(s.Modifier(true));
        EXPECT_EQ(Text(s, kItemCancel), "Re&set");
        EXPECT_TRUE(gCanvasState.resetMode);
        STEP(s.Click(kItemCancel));
        EXPECT_FALSE(s.Current().Ended()) << "Reset keeps the dialog open";
        EXPECT_EQ(Text(s, kItemTop), "0");
        EXPECT_EQ(Text(s, kItemUniform), "0");
        EXPECT_EQ(Text(s, kItemWidth), "100.000");
        EXPECT_EQ(Text(s, kItemHeight), "50.000");
        EXPECT_EQ(Text(s, kItemNewWidthLabel), Text(s, kItemCurrentWidthLabel));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "100.000 mm");
        EXPECT_EQ(gCanvasState.anchor, 5);
        EXPECT_TRUE(On(s, kItemAnchorCentre));
        EXPECT_EQ(Item(s, kItemAnchorBase + 1).pictureId, 122) << "the outward centre layout";
        EXPECT_TRUE(On(s, kItemAbsolute)) << "Reset keeps the mode";
        EXPECT_EQ(Chosen(s, kItemAbsoluteUnits), "mm") << "and the unit";

        STEP(s.Modifier(false));
        EXPECT_EQ(Text(s, kItemCancel), "Cancel");
        EXPECT_FALSE(gCanvasState.resetMode);
        // The stored values follow what the reset shows: OK keeps the
        // document's size, which counts as no change.
        STEP(s.Click(kItemOk));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(host.documents.Target()->Width(), 1000);
    EXPECT_EQ(host.documents.Target()->Height(), 500);
    EXPECT_TRUE(host.documents.Target()->History().empty());
}

TEST_F(MainDialogTest, ResetInRelativeModeClearsTheMarginsOkWouldPlay)
{
    const int32_t result = RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "20"));
        STEP(s.Click(kItemBoth));
        STEP(s.Type(kItemUniform, "7"));
        STEP(s.Modifier(true));
        STEP(s.Click(kItemCancel));
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "500 pixels");
        EXPECT_TRUE(On(s, kItemBoth)) << "Reset keeps the uniformity";
        STEP(s.Click(kItemOk));
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(host.events.empty()) << "no margin is left to play";
}

TEST_F(MainDialogTest, AboutOpensOverTheMainDialogAndClosesWithItsOk)
{
    std::string webAddress;
    bool mainOpenUnderneath = false;
    const int32_t result = RunMainDialog(
        [&](host::ModalSession& s) {
            STEP(s.Click(kItemAbout));
            EXPECT_FALSE(s.Current().Ended()) << "the main dialog stays open after the About box";
            STEP(s.Type(kItemTop, "1"));
            STEP(s.Click(kItemOk));
        },
        [&](host::ModalSession& about) {
            webAddress = Text(about, kItemWebAddress);
            mainOpenUnderneath = host.dialogs.Runs().empty();
            STEP(about.Click(kItemOk));
            EXPECT_TRUE(about.Current().Ended());
        });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(webAddress, "https://kestrow.example.org/");
    EXPECT_TRUE(mainOpenUnderneath);
    ASSERT_EQ(host.dialogs.Runs().size(), 2u);
    EXPECT_EQ(host.dialogs.Runs()[0].resourceId, kAboutDialogId);
    EXPECT_EQ(host.dialogs.Runs()[0].result, 1);
    EXPECT_EQ(host.dialogs.Runs()[0].ending, host::DialogEnding::DefaultHandling);
}

}  // namespace
}  // namespace kestrow::test
