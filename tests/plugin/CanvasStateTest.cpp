// The canvas state's load values and derived values, and the units table.
#include <gtest/gtest.h>

#include <cstring>

#include "params/CanvasState.h"
#include "params/Units.h"

namespace {

TEST(CanvasState, LoadsWithPixelsAndEverythingZero)
{
    const CanvasState s{};
    EXPECT_STREQ(s.unitName, "pixels");
    EXPECT_FALSE(s.absoluteMode);
    EXPECT_EQ(s.anchor, 0);
    EXPECT_EQ(s.uniformity, 0);
    EXPECT_EQ(s.unitsIndex, 0);
    EXPECT_EQ(s.changedDims, 0);
    EXPECT_EQ(s.commandPlayed, 0);
    EXPECT_EQ(s.runResult, 0);
    EXPECT_EQ(s.docWidth, 0.0);
    EXPECT_EQ(s.newWidth, 0.0);
    EXPECT_EQ(s.recordedTop, 0.0);
    EXPECT_EQ(s.pluginRef, nullptr);
    EXPECT_STREQ(s.textBuffer, "");
}

struct RelativeCase {
    int32_t uniformity;
    double width, height;
};

class RelativeSize : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(RelativeSize, AddsUniformOrSideMarginsByUniformity)
{
    gCanvasState = CanvasState{};
    CanvasState& s = gCanvasState;
    s.uniformity = GetParam().uniformity;
    s.uniformMargin = 10;
    s.marginTop = 1;
    s.marginLeft = 2;
    s.marginBottom = 3;
    s.marginRight = 4;
    s.docWidth = 100;
    s.docHeight = 50;
    RecomputeRelativeSize();
    EXPECT_EQ(s.relativeWidth, GetParam().width);
    EXPECT_EQ(s.relativeHeight, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Uniformities, RelativeSize,
                         ::testing::Values(RelativeCase{kUniformHorizontal, 120, 54},
                                           RelativeCase{kUniformVertical, 106, 70},
                                           RelativeCase{kUniformBoth, 120, 70},
                                           RelativeCase{kUniformNone, 106, 54},
                                           RelativeCase{0, 106, 54},      // load value counts as none
                                           RelativeCase{12345, 106, 54})); // so does any stray value

TEST(AnchorCodes, ColumnsAndRowsOfEveryAnchor)
{
    const FourCode columns[] = {FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg")};
    const FourCode rows[] = {FourCC("AdTp"), FourCC("AdCH"), FourCC("AdBt")};
    for (int32_t anchor = 1; anchor <= 9; ++anchor) {
        SCOPED_TRACE(anchor);
        EXPECT_EQ(AnchorToAlignment(anchor, 1), columns[(anchor - 1) % 3]);
        EXPECT_EQ(AnchorToAlignment(anchor, 0), rows[(anchor - 1) / 3]);
        // The codes read back to the same cell.
        EXPECT_EQ((AlignmentToIndex(AnchorToAlignment(anchor, 0)) - 1) * 3 + AlignmentToIndex(AnchorToAlignment(anchor, 1)),
                  anchor);
    }
    for (int32_t outside : {0, 10, -1, 32767}) {
        EXPECT_EQ(AnchorToAlignment(outside, 1), 0u);
        EXPECT_EQ(AnchorToAlignment(outside, 0), 0u);
    }
}

TEST(AnchorCodes, IndexIgnoresWhichAxisTheCodeBelongsTo)
{
    EXPECT_EQ(AlignmentToIndex(FourCC("AdTp")), 1);
    EXPECT_EQ(AlignmentToIndex(FourCC("AdLf")), 1);
    EXPECT_EQ(AlignmentToIndex(FourCC("AdCH")), 2);
    EXPECT_EQ(AlignmentToIndex(FourCC("AdRg")), 3);
    EXPECT_EQ(AlignmentToIndex(FourCC("AdBt")), 3);
    // The canvas event's own codes are not scripting codes.
    EXPECT_EQ(AlignmentToIndex(FourCC("Left")), 0);
    EXPECT_EQ(AlignmentToIndex(FourCC("Cntr")), 0);
    EXPECT_EQ(AlignmentToIndex(0), 0);
}

TEST(Units, CodesRoundTripAndUnknownsArePixels)
{
    for (int32_t index = 0; index < kUnitCount; ++index)
        EXPECT_EQ(UnitsEnumToIndex(UnitsIndexToEnum(index)), index);
    EXPECT_EQ(UnitsIndexToEnum(5), FourCC("RrPt"));
    EXPECT_EQ(UnitsIndexToEnum(1), FourCC("RrPr"));
    for (int32_t outside : {7, -1, 100})
        EXPECT_EQ(UnitsIndexToEnum(outside), FourCC("RrPx"));
    EXPECT_EQ(UnitsEnumToIndex(FourCC("RrPi")), 6);
    EXPECT_EQ(UnitsEnumToIndex(static_cast<FourCode>(-1)), 0);
    EXPECT_EQ(UnitsEnumToIndex(FourCC("#Pxl")), 0);
}

TEST(Units, PixelsFormatWholeNumbersEveryOtherUnitThreeDecimals)
{
    char text[64];
    std::snprintf(text, sizeof text, EditFormat("pixels"), 800.0);
    EXPECT_STREQ(text, "800");
    std::snprintf(text, sizeof text, LabelFormat("pixels"), 800.0, "pixels");
    EXPECT_STREQ(text, "800 pixels");
    std::snprintf(text, sizeof text, LabelFormat("mm"), 800 / 72.0 * 25.4, "mm");
    EXPECT_STREQ(text, "282.222 mm");
    std::snprintf(text, sizeof text, LabelFormat("%"), 125.0, "%");
    EXPECT_STREQ(text, "125.000 %");
    // The test is exact: another spelling is not the pixel label.
    EXPECT_STREQ(EditFormat("Pixels"), "%0.3f");
}

TEST(Units, ExecutionFactorsAndEventUnits)
{
    struct Case {
        int32_t index;
        int32_t relative;
        double factor;
        FourCode unit;
        int32_t pixels;
    };
    const Case cases[] = {
        {kUnitPixels, 0, 1, FourCC("#Pxl"), 1},        {kUnitPercent, 0, 1, FourCC("#Pxl"), 1},
        {kUnitPercent, 1, 0.01, FourCC("#Pxl"), 1},    {kUnitMillimetres, 0, 72 / 25.4, FourCC("#Rlt"), 0},
        {kUnitCentimetres, 1, 72 / 2.54, FourCC("#Rlt"), 0}, {kUnitInches, 0, 72, FourCC("#Rlt"), 0},
        {kUnitPoints, 0, 1, FourCC("#Rlt"), 0},        {kUnitPicas, 1, 12, FourCC("#Rlt"), 0},
        {9, 0, 1, FourCC("#Pxl"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const ExecutionUnit unit = ExecutionUnitFor(c.index, c.relative);
        EXPECT_DOUBLE_EQ(unit.factor, c.factor);
        EXPECT_EQ(unit.eventUnit, c.unit);
        EXPECT_EQ(unit.pixelFlag, c.pixels);
    }
}

}  // namespace
