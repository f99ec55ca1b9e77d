// Typing sizes and margins and ticking the uniformity checkboxes: which
// margin fields stay enabled, the relative size kept up to date step by
// step, and the labels' formats.
#include "DialogFixture.h"

#include <vector>

namespace kestrow::test {
namespace {

struct UniformityCase {
    const char* name;
    std::vector<int32_t> clicks;
    int32_t uniformity;
    // Enabled: Top, Left, Bottom, Right, Uniform, Horizontal, Vertical.
    bool enabled[7];
};

TEST_F(MainDialogTest, UniformityDecidesWhichMarginFieldsAreEnabled)
{
    const UniformityCase cases[] = {
        {"none", {}, kUniformNone, {true, true, true, true, false, true, true}},
        {"horizontal", {kItemHorizontal}, kUniformHorizontal, {true, false, true, false, true, true, true}},
        {"vertical", {kItemVertical}, kUniformVertical, {false, true, false, true, true, true, true}},
        {"horizontal and vertical", {kItemHorizontal, kItemVertical}, kUniformBoth,
         {false, false, false, false, true, true, true}},
        {"both", {kItemBoth}, kUniformBoth, {false, false, false, false, true, false, false}},
        {"both over horizontal", {kItemHorizontal, kItemBoth}, kUniformBoth,
         {false, false, false, false, true, false, false}},
        {"both off again brings back horizontal", {kItemHorizontal, kItemBoth, kItemBoth}, kUniformHorizontal,
         {true, false, true, false, true, true, true}},
        {"horizontal ticked twice", {kItemHorizontal, kItemHorizontal}, kUniformNone,
         {true, true, true, true, false, true, true}},
    };
    const int32_t fields[] = {kItemTop, kItemLeft, kItemBottom, kItemRight, kItemUniform, kItemHorizontal,
                              kItemVertical};
    for (const UniformityCase& c : cases) {
        SCOPED_TRACE(c.name);
        RunMainDialog([&](host::ModalSession& s) {
            for (int32_t item : c.clicks) STEP(s.Click(item));
            EXPECT_EQ(gCanvasState.uniformity, c.uniformity);
            for (int i = 0; i < 7; ++i) EXPECT_EQ(Enabled(s, fields[i]), c.enabled[i]) << "item " << fields[i];
        });
    }
}

TEST_F(MainDialogTest, MarginsUpdateTheRelativeSizeByTheirChange)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "10"));
        STEP(s.Type(kItemTop, "25"));
        EXPECT_EQ(gCanvasState.relativeHeight, 525) << "25 in all, not 35";
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "525 pixels");
        STEP(s.Type(kItemLeft, "-10"));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "990 pixels") << "a negative margin shrinks";
        STEP(s.Type(kItemBottom, "abc"));
        EXPECT_EQ(gCanvasState.marginBottom, 0) << "text that is no number counts as 0";

        // The uniform margin replaces left and right; Left's old value
        // counts again once the uniformity no longer covers it.
        STEP(s.Click(kItemHorizontal));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "1000 pixels");
        STEP(s.Type(kItemUniform, "5"));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "1010 pixels");
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "525 pixels");
        EXPECT_EQ(s.Type(kItemLeft, "1").error, "item 16002 (edit field) is disabled; it cannot be typed into");
        STEP(s.Click(kItemHorizontal));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "990 pixels");
        EXPECT_EQ(Text(s, kItemLeft), "-10");
    });
}

// A huge or non-numeric margin typed once must not spoil the new size for
// good: the size follows the margins as they now stand.
TEST_F(MainDialogTest, RelativeSizeRecoversFromHugeAndNonNumericMargins)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemRight, "-1e308"));
        STEP(s.Type(kItemRight, "3358"));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "4358 pixels");
        STEP(s.Type(kItemTop, "nan"));
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "nan pixels");
        STEP(s.Type(kItemTop, "1e309"));
        STEP(s.Type(kItemTop, "20"));
        EXPECT_EQ(Text(s, kItemNewHeightLabel), "520 pixels");
        EXPECT_EQ(gCanvasState.relativeHeight, 520);
    });
}

TEST_F(MainDialogTest, TypedTextIsCutToTheFieldsLengthAndSizesShowInTheLabels)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Type(kItemTop, "123456789012"));
        EXPECT_EQ(Text(s, kItemTop), "1234567890");
        EXPECT_EQ(gCanvasState.marginTop, 1234567890);

        STEP(s.Click(kItemAbsolute));
        STEP(s.Type(kItemWidth, "640.6"));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "641 pixels");
        EXPECT_EQ(gCanvasState.newWidth, 640.6);
        STEP(s.Type(kItemWidth, ""));
        EXPECT_EQ(Text(s, kItemNewWidthLabel), "0 pixels");
        EXPECT_EQ(gCanvasState.shrinkWidth, 1);
        STEP(s.Type(kItemWidth, "1000"));
        EXPECT_EQ(gCanvasState.shrinkWidth, 0) << "the same width is not shrinking";
        EXPECT_EQ(Text(s, kItemCurrentWidthLabel), "1000 pixels");
    });
}

}  // namespace
}  // namespace kestrow::test
