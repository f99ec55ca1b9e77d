// Relative mode: one canvas-size event per non-zero side, anchored on the
// opposite side, with the uniform margin resolved first.
#include "PluginFixture.h"
#include "ops/DocumentOps.h"

namespace kestrow::test {
namespace {

struct MarginCase {
    const char* name;
    int32_t width, height;
    double resolution;
    int16_t unitsIndex;
    int32_t uniformity;
    double uniform, top, left, bottom, right;
    std::vector<std::string> events;
};

class MarginEvents : public PluginTest, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(MarginEvents, PlaysEachNonZeroSideInOrder)
{
    const MarginCase& c = GetParam();
    OpenDocument(c.width, c.height, c.resolution);
    CanvasState& s = gCanvasState;
    s.uniformity = c.uniformity;
    s.uniformMargin = c.uniform;
    s.marginTop = c.top;
    s.marginLeft = c.left;
    s.marginBottom = c.bottom;
    s.marginRight = c.right;
    EXPECT_EQ(ExecuteRelative(c.unitsIndex), 0);
    EXPECT_EQ(EventTexts(), c.events);
    EXPECT_EQ(s.commandPlayed, c.events.empty() ? 0 : 1);
}

const MarginCase kMarginCases[] = {
    {"TopPixels", 1000, 500, 72, 0, kUniformNone, 0, 10, 0, 0, 0, {"CnvS Hght=#Pxl:510 Vrtc=VrtL:Bttm"}},
    {"UniformPercentAllSidesOfTheStartSize",
     1000,
     500,
     72,
     1,
     kUniformBoth,
     10,
     0,
     0,
     0,
     0,
     {"CnvS Hght=#Pxl:550 Vrtc=VrtL:Bttm", "CnvS Wdth=#Pxl:1100 Hrzn=HrzL:Rght", "CnvS Hght=#Pxl:600 Vrtc=VrtL:Top ",
      "CnvS Wdth=#Pxl:1200 Hrzn=HrzL:Left"}},
    {"HorizontalUniformWithATopMargin",
     1000,
     500,
     72,
     0,
     kUniformHorizontal,
     5,
     3,
     99,
     0,
     99,
     {"CnvS Hght=#Pxl:503 Vrtc=VrtL:Bttm", "CnvS Wdth=#Pxl:1005 Hrzn=HrzL:Rght", "CnvS Wdth=#Pxl:1010 Hrzn=HrzL:Left"}},
    {"InchesOnAHighResolutionDocument", 1000, 500, 300, 4, kUniformNone, 0, 0, 1, 0, 0,
     {"CnvS Wdth=#Rlt:312 Hrzn=HrzL:Rght"}},
    {"NegativeShrinksFromThatSide", 1000, 500, 72, 0, kUniformNone, 0, 0, 0, 0, -50, {"CnvS Wdth=#Pxl:950 Hrzn=HrzL:Left"}},
    {"AllZeroPlaysNothing", 1000, 500, 72, 0, kUniformNone, 7, 0, 0, 0, 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Margins, MarginEvents, ::testing::ValuesIn(kMarginCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, RecordedMarginsAreTheJobUnitValuesAfterUniformity)
{
    CanvasState& s = gCanvasState;
    s.uniformity = kUniformVertical;
    s.uniformMargin = 2;
    s.marginLeft = 1;
    ExecuteRelative(2);  // millimetres
    EXPECT_EQ(s.recordedTop, 2);
    EXPECT_EQ(s.recordedBottom, 2);
    EXPECT_EQ(s.recordedLeft, 1);
    EXPECT_EQ(s.recordedRight, 0);
    EXPECT_DOUBLE_EQ(s.marginLeft, 72 / 25.4);  // working value in points
}

TEST_F(PluginTest, FirstFailingSideStopsTheRest)
{
    CanvasState& s = gCanvasState;
    s.marginTop = s.marginLeft = s.marginBottom = s.marginRight = 10;
    host.faults.FailNth("ActionControl.Play", host.faults.CallCount("ActionControl.Play") + 1, -9);
    const unsigned plays = host.faults.CallCount("ActionControl.Play");
    EXPECT_EQ(ExecuteRelative(0), -9);
    EXPECT_EQ(host.faults.CallCount("ActionControl.Play"), plays + 1);
    EXPECT_EQ(s.commandPlayed, 1);
    EXPECT_EQ(host.documents.Target()->Width(), 1000);
}

TEST_F(PluginTest, EditorRefusalStopsTheRestAndKeepsTheSidesBefore)
{
    CanvasState& s = gCanvasState;
    s.marginTop = 10;
    s.marginLeft = -1000;  // would leave no canvas: refused
    s.marginBottom = 10;
    EXPECT_NE(ExecuteRelative(0), 0);
    EXPECT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.documents.Target()->Height(), 510);
    EXPECT_EQ(host.documents.Target()->Width(), 1000);
}

}  // namespace
}  // namespace kestrow::test
