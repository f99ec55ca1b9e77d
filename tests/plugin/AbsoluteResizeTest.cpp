// Absolute mode: one canvas-size event with the new size in the event's
// unit and the anchor's alignment, and the change test behind recording.
#include "PluginFixture.h"
#include "ops/DocumentOps.h"

namespace kestrow::test {
namespace {

struct AbsoluteCase {
    const char* name;
    int32_t width, height;
    double resolution;
    int16_t unitsIndex;
    int16_t anchor;
    double newWidth, newHeight;
    int32_t which;
    const char* event;
};

class AbsoluteEvent : public PluginTest, public ::testing::WithParamInterface<AbsoluteCase> {};

TEST_P(AbsoluteEvent, PlaysTheSizeInTheEventUnitAroundTheAnchor)
{
    const AbsoluteCase& c = GetParam();
    OpenDocument(c.width, c.height, c.resolution);
    CanvasState& s = gCanvasState;
    s.anchor = c.anchor;
    s.newWidth = c.newWidth;
    s.newHeight = c.newHeight;
    ExecuteAbsolute(c.unitsIndex, c.which);
    ASSERT_EQ(EventTexts().size(), 1u);
    EXPECT_EQ(EventTexts()[0], c.event);
    // What is recorded stays in the job unit.
    EXPECT_EQ(s.recordedWidth, c.newWidth);
    EXPECT_EQ(s.recordedHeight, c.newHeight);
}

const AbsoluteCase kAbsoluteCases[] = {
    {"PixelsCentre", 1000, 500, 72, 0, 5, 800, 600, 3,
     "CnvS Wdth=#Pxl:800 Hght=#Pxl:600 Hrzn=HrzL:Cntr Vrtc=VrtL:Cntr"},
    {"InchesWidthOnly", 1000, 500, 72, 4, 5, 5, 0, 1, "CnvS Wdth=#Rlt:360 Hrzn=HrzL:Cntr Vrtc=VrtL:Cntr"},
    {"Millimetres", 1000, 500, 72, 2, 1, 25.4, 50.8, 3, "CnvS Wdth=#Rlt:72 Hght=#Rlt:144 Hrzn=HrzL:Left Vrtc=VrtL:Top "},
    {"PercentOfPixelsWhateverTheResolution", 1000, 500, 300, 1, 5, 50, 200, 3,
     "CnvS Wdth=#Pxl:500 Hght=#Pxl:1000 Hrzn=HrzL:Cntr Vrtc=VrtL:Cntr"},
    {"PicasHeightOnly", 1000, 500, 72, 6, 9, 0, 10, 2, "CnvS Hght=#Rlt:120 Hrzn=HrzL:Rght Vrtc=VrtL:Bttm"},
    {"BottomLeft", 1000, 500, 72, 0, 7, 10, 10, 3, "CnvS Wdth=#Pxl:10 Hght=#Pxl:10 Hrzn=HrzL:Left Vrtc=VrtL:Bttm"},
    {"TopRight", 1000, 500, 72, 0, 3, 10, 10, 3, "CnvS Wdth=#Pxl:10 Hght=#Pxl:10 Hrzn=HrzL:Rght Vrtc=VrtL:Top "},
    {"NoSizesOnlyAlignments", 1000, 500, 72, 0, 2, 10, 10, 0, "CnvS Hrzn=HrzL:Cntr Vrtc=VrtL:Top "},
    {"NoAnchorGivesRightBottom", 1000, 500, 72, 0, 0, 10, 10, 3,
     "CnvS Wdth=#Pxl:10 Hght=#Pxl:10 Hrzn=HrzL:Rght Vrtc=VrtL:Bttm"},
};

INSTANTIATE_TEST_SUITE_P(Units, AbsoluteEvent, ::testing::ValuesIn(kAbsoluteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, AbsoluteLeavesTheEventValuesInTheWorkingSizes)
{
    CanvasState& s = gCanvasState;
    s.anchor = 5;
    s.newWidth = 5;
    s.newHeight = 2;
    ExecuteAbsolute(4, 3);
    EXPECT_EQ(s.newWidth, 360);
    EXPECT_EQ(s.recordedWidth, 5);
    EXPECT_EQ(host.documents.Target()->Width(), 360);
    EXPECT_EQ(host.documents.Target()->Height(), 144);
}

struct ChangeCase {
    const char* name;
    double startWidth, startHeight;
    double newWidth, newHeight;
    int32_t commandPlayedBefore;
    int32_t changedDims;
    int32_t commandPlayed;
};

class ChangeTest : public PluginTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangeTest, InTheDialogComparesWithTheSizeShown)
{
    const ChangeCase& c = GetParam();
    CanvasState& s = gCanvasState;
    s.dialogRunning = true;
    s.anchor = 5;
    s.startWidth = c.startWidth;
    s.startHeight = c.startHeight;
    s.newWidth = c.newWidth;
    s.newHeight = c.newHeight;
    s.commandPlayed = c.commandPlayedBefore;
    s.changedDims = 3;
    ExecuteAbsolute(0, 3);
    EXPECT_EQ(s.changedDims, c.changedDims);
    EXPECT_EQ(s.commandPlayed, c.commandPlayed);
    EXPECT_EQ(host.events.size(), 1u);  // played either way
}

const ChangeCase kChangeCases[] = {
    {"WidthChanged", 1000, 800, 1200, 800, 0, 1, 1},
    {"HeightChanged", 1000, 800, 1000, 801, 0, 2, 1},
    {"BothChanged", 1000, 800, 10, 10, 0, 3, 1},
    {"SameSize", 1000, 800, 1000, 800, 0, 0, 0},
    {"WithinTolerance", 1000, 800, 1000.0001, 799.99995, 0, 0, 0},
    {"SameSizeKeepsAnEarlierPlay", 1000, 800, 1000, 800, 1, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Sizes, ChangeTest, ::testing::ValuesIn(kChangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, WithoutTheDialogTheSizesGivenStayTheOnesRecorded)
{
    CanvasState& s = gCanvasState;
    s.anchor = 5;
    s.startWidth = 1000;  // left by an earlier dialog
    s.newHeight = 700;
    s.changedDims = kChangedHeight;
    ExecuteAbsolute(0, s.changedDims);
    EXPECT_EQ(s.changedDims, kChangedHeight);
    EXPECT_EQ(EventTexts()[0], "CnvS Hght=#Pxl:700 Hrzn=HrzL:Cntr Vrtc=VrtL:Cntr");
}

TEST_F(PluginTest, FailingPutPlaysNothingAndKeepsTheChangeFlags)
{
    CanvasState& s = gCanvasState;
    s.dialogRunning = true;
    s.anchor = 5;
    s.newWidth = 10;
    s.newHeight = 10;
    s.changedDims = 2;
    host.faults.FailNth("ActionDescriptor.PutUnitFloat", host.faults.CallCount("ActionDescriptor.PutUnitFloat") + 2, -3);
    EXPECT_EQ(PlayCanvasResize(5, 10, 10, FourCC("#Pxl"), 3), -3);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(s.changedDims, 2);
    EXPECT_EQ(s.commandPlayed, 0);
}

TEST_F(PluginTest, RefusedEventIsReportedAndChangesNothing)
{
    CanvasState& s = gCanvasState;
    s.dialogRunning = true;
    s.changedDims = 2;
    EXPECT_NE(PlayCanvasResize(5, 0, 10, FourCC("#Pxl"), 3), 0);  // zero width refused by the editor
    EXPECT_EQ(s.changedDims, 2);
    EXPECT_EQ(s.commandPlayed, 0);
    EXPECT_EQ(host.documents.Target()->Width(), 1000);
}

}  // namespace
}  // namespace kestrow::test
