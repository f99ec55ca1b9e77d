// The main dialog as a person first sees it: relative mode, empty margins,
// pixels in both popups, the document size in whole pixels, the centre
// anchor with grey arrows, every procedure installed.
#include "DialogFixture.h"

namespace kestrow::test {
namespace {

struct ItemState {
    int32_t id;
    const char* text;  // nullptr: not checked
    bool enabled;
    bool on;
};

TEST_F(MainDialogTest, StartStateTableByTable)
{
    const ItemState expected[] = {
        {kItemRelative, "R&elative", true, true},
        {kItemAbsolute, "&Absolute", true, false},
        {kItemTop, "", true, false},
        {kItemLeft, "", true, false},
        {kItemBottom, "", true, false},
        {kItemRight, "", true, false},
        {kItemUniform, "", false, false},
        {kItemHorizontal, "Hori&zontal", true, false},
        {kItemVertical, "&Vertical", true, false},
        {kItemBoth, "Bot&h", true, false},
        {kItemWidth, "1000", false, false},
        {kItemHeight, "500", false, false},
        {kItemNewWidthLabel, "1000 pixels", true, false},
        {kItemCurrentWidthLabel, "1000 pixels", true, false},
        {kItemNewHeightLabel, "500 pixels", true, false},
        {kItemCurrentHeightLabel, "500 pixels", true, false},
        {kItemCancel, "Cancel", true, false},
        {kItemOk, "&Ok", true, false},
        {kItemAbout, "About", true, false},
    };
    RunMainDialog([&](host::ModalSession& s) {
        for (const ItemState& want : expected) {
            SCOPED_TRACE(want.id);
            EXPECT_EQ(Text(s, want.id), want.text);
            EXPECT_EQ(Enabled(s, want.id), want.enabled);
            EXPECT_EQ(On(s, want.id), want.on);
        }
        EXPECT_TRUE(Item(s, kItemTop).focused) << "Top has the focus";
        EXPECT_EQ(Chosen(s, kItemRelativeUnits), "pixels");
        EXPECT_EQ(Chosen(s, kItemAbsoluteUnits), "pixels");
        EXPECT_TRUE(Enabled(s, kItemRelativeUnits));
        EXPECT_FALSE(Enabled(s, kItemAbsoluteUnits));
        ASSERT_EQ(Item(s, kItemRelativeUnits).List()->Size(), 7u);
        const char* labels[] = {"pixels", "percent", "mm", "cm", "inches", "points", "picas"};
        for (int32_t i = 0; i < 7; ++i) {
            EXPECT_EQ(Item(s, kItemAbsoluteUnits).List()->At(i).text, labels[i]);
            EXPECT_EQ(Item(s, kItemAbsoluteUnits).List()->At(i).id, i);
        }
        // Disabled grid: grey arrows around the blank, pressed centre.
        for (int32_t cell = 1; cell <= 9; ++cell) {
            const host::DialogItem& button = Item(s, kItemAnchorBase + cell);
            SCOPED_TRACE(cell);
            EXPECT_FALSE(button.enabled);
            EXPECT_EQ(button.value, cell == 5);
            EXPECT_EQ(button.selectedPictureId, kIconBlank);
            const int32_t resourcePicture = std::stoi(button.Layout().text);
            EXPECT_EQ(button.pictureId, resourcePicture) << "the first layout is the resource's";
            EXPECT_EQ(button.ShownPictureId(), cell == 5 ? kIconBlank : resourcePicture + 10);
        }
        EXPECT_EQ(Item(s, kItemTop).maxTextLength, 10);
        EXPECT_EQ(Item(s, kItemWidth).style, 2);
        EXPECT_NE(Item(s, kItemTop).notifyProc, nullptr);
    });
    EXPECT_EQ(gCanvasState.anchor, 5);
    EXPECT_EQ(gCanvasState.uniformity, kUniformNone);
    EXPECT_FALSE(gCanvasState.absoluteMode);
    // Steps 7 and 8 of the dialog's set-up: the tracker gets the modifier.
    ASSERT_EQ(host.dialogs.Runs().size(), 1u);
    const host::Dialog& closed = *host.dialogs.Runs()[0].closed;
    EXPECT_EQ(closed.mask & 0x8840880, 0x8840880);
    EXPECT_NE(closed.trackProc, nullptr);
}

// 1000 pixels at 150 ppi measures as 999.9999999999999: still 1000 pixels.
TEST_F(MainDialogTest, WholePixelTextsDoNotLoseAPixelToRounding)
{
    OpenDocument(1000, 700, 150);
    RunMainDialog([&](host::ModalSession& s) {
        EXPECT_EQ(Text(s, kItemWidth), "1000");
        EXPECT_EQ(Text(s, kItemHeight), "700");
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "1000 pixels");
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "1000 pixels");
    });
}

TEST_F(MainDialogTest, OpensTheSameWhateverTheParametersOrAnEarlierDialogLeft)
{
    // An earlier dialog that ended in millimetres, absolute, with a smaller width.
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Choose(kItemAbsoluteUnits, 2));
        STEP(s.Type(kItemWidth, "100"));
        STEP(s.Click(kItemAnchorBase + 1));
        STEP(s.Click(kItemCancel));
    });
    ASSERT_STREQ(gCanvasState.unitName, "mm");
    gCanvasState.absoluteMode = true;  // as read from a descriptor naming an anchor
    gCanvasState.marginTop = 33;

    RunMainDialog([&](host::ModalSession& s) {
        EXPECT_TRUE(On(s, kItemRelative));
        EXPECT_EQ(Chosen(s, kItemRelativeUnits), "pixels");
        EXPECT_EQ(Text(s, kItemWidth), "1000");
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "1000 pixels");
        EXPECT_EQ(Item(s, kItemAnchorBase + 4).pictureId, 125) << "arrows point outward again";
        EXPECT_TRUE(On(s, kItemAnchorCentre));
    });
    EXPECT_EQ(gCanvasState.marginTop, 0);
    EXPECT_EQ(gCanvasState.anchor, 5);
    EXPECT_FALSE(gCanvasState.absoluteMode);
}

}  // namespace
}  // namespace kestrow::test
