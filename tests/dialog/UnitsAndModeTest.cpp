// Switching units in either popup and switching between absolute and
// relative mode, as a person does it in the dialog.
#include "DialogFixture.h"

namespace kestrow::test {
namespace {

TEST_F(MainDialogTest, InchesConvertSizesAndMoveTheOtherPopup)
{
    OpenDocument(3000, 1500, 300);
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Choose(kItemAbsoluteUnits, "inches"));
        EXPECT_EQ(Chosen(s, kItemRelativeUnits), "inches");
        EXPECT_EQ(Text(s, kItemWidth), "10.000");
        EXPECT_EQ(Text(s, kItemHeight), "5.000");
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "10.000 inches");
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "5.000 inches");
        EXPECT_STREQ(gCanvasState.unitName, "inches");
        STEP(s.Click(kItemRelative));
        STEP(s.Choose(kItemRelativeUnits, 2));
        EXPECT_EQ(Chosen(s, kItemAbsoluteUnits), "mm");
        EXPECT_EQ(Text(s, kItemWidth), "254.000");
    });
}

TEST_F(MainDialogTest, PercentKeepsTheSizeTheDialogOpenedWith)
{
    OpenDocument(3000, 1500, 300);
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Type(kItemWidth, "4500"));
        STEP(s.Choose(kItemAbsoluteUnits, "percent"));
        EXPECT_EQ(Text(s, kItemWidth), "150.000");
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "100.000 %");
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "150.000 %");
        // The document grows meanwhile; percent back to pixels still uses
        // the size at the dialog's start.
        host.documents.Target()->Apply(host::CanvasChange{3000, 1500, 6000, 1500, 0, 0});
        STEP(s.Choose(kItemAbsoluteUnits, "pixels"));
        EXPECT_EQ(Text(s, kItemWidth), "4500");
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "6000 pixels") << "the document is measured again";
    });
}

TEST_F(MainDialogTest, MarginsKeepTheirNumbersInTheNewUnit)
{
    OpenDocument(3000, 1500, 300);
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "10"));
        STEP(s.Choose(kItemRelativeUnits, "mm"));
        EXPECT_EQ(Text(s, kItemTop), "10");
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "137.000 mm") << "127 mm of document and 10 mm of margin";
        STEP(s.Choose(kItemRelativeUnits, "points"));
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "720.000 points");
    });
}

TEST_F(MainDialogTest, ModeRadiosSwitchTheGroupsAndTheNewSizeLabels)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "20"));
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "520 pixels");
        STEP(s.Click(kItemAbsolute));
        EXPECT_TRUE(On(s, kItemAbsolute));
        EXPECT_FALSE(On(s, kItemRelative)) << "the radios form one group";
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "500 pixels") << "absolute mode shows the new size";
        const int32_t relative[] = {kItemTop, kItemLeft, kItemBottom, kItemRight, kItemUniform, kItemBoth,
                                    kItemHorizontal, kItemVertical, kItemRelativeUnits};
        const int32_t absolute[] = {kItemWidth, kItemHeight, kItemAbsoluteUnits, 16021, 16025, 16029};
        for (int32_t id : relative) EXPECT_FALSE(Enabled(s, id)) << id;
        for (int32_t id : absolute) EXPECT_TRUE(Enabled(s, id)) << id;

        STEP(s.Click(kItemRelative));
        EXPECT_FALSE(On(s, kItemAbsolute));
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "520 pixels");
        for (int32_t id : absolute) EXPECT_FALSE(Enabled(s, id)) << id;
        EXPECT_FALSE(Enabled(s, kItemUniform));

        // Back and forth with Both on keeps Horizontal and Vertical disabled.
        STEP(s.Click(kItemBoth));
        STEP(s.Click(kItemAbsolute));
        STEP(s.Click(kItemRelative));
        EXPECT_FALSE(Enabled(s, kItemHorizontal));
        EXPECT_FALSE(Enabled(s, kItemVertical));
        EXPECT_TRUE(Enabled(s, kItemUniform));
        EXPECT_FALSE(Enabled(s, kItemTop));
    });
}

}  // namespace
}  // namespace kestrow::test
