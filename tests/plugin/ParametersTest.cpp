// Reading the playback descriptor into the canvas state, and writing the
// recording descriptor from it.
#include <functional>

#include "PluginFixture.h"
#include "params/Parameters.h"

namespace kestrow::test {
namespace {

using Fill = std::function<void(ActionDescriptorHandle)>;

void PutAnchor(ActionDescriptorHandle d, const char (&key)[5], const char (&code)[5])
{
    descriptorSuite->PutEnumerated(d, FourCC(key), FourCC("ADSt"), FourCC(code));
}

struct ReadCase {
    const char* name;
    Fill fill;
    bool absolute;
    int16_t anchor;
    int32_t changedDims;
    double newWidth;
    double marginLeft;
    int16_t unitsIndex;
};

class ReadParametersTest : public PluginTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadParametersTest, ChoosesModeAnchorSizesAndUnit)
{
    const ReadCase& c = GetParam();
    CanvasState& s = gCanvasState;
    s.newWidth = 77;   // what an earlier run left
    s.marginLeft = 55;
    ActionDescriptorHandle descriptor = NewDescriptor();
    c.fill(descriptor);
    ActionParameters parameters{kPlayWithoutDialog, 1, descriptor};

    EXPECT_EQ(ReadParameters(&parameters), 0);
    EXPECT_EQ(s.absoluteMode, c.absolute);
    EXPECT_EQ(s.anchor, c.anchor);
    EXPECT_EQ(s.unitsIndex, c.unitsIndex);
    EXPECT_EQ(s.newWidth, c.newWidth);
    EXPECT_EQ(s.marginLeft, c.marginLeft);
    if (c.absolute)
        EXPECT_EQ(s.changedDims, c.changedDims);
    else
        EXPECT_EQ(s.uniformity, kUniformNone);
    EXPECT_EQ(parameters.descriptor, descriptor);
}

const ReadCase kReadCases[] = {
    {"RightAnchorWithWidth",
     [](ActionDescriptorHandle d) {
         PutAnchor(d, "Hrzn", "AdRg");
         descriptorSuite->PutFloat(d, FourCC("Wdth"), 500);
     },
     true, 3, 1, 500, 55, 0},
    {"VerticalAloneIsLeftColumn", [](ActionDescriptorHandle d) { PutAnchor(d, "Vrtc", "AdBt"); }, true, 7, 0, 77, 55, 0},
    {"BothAnchors",
     [](ActionDescriptorHandle d) {
         PutAnchor(d, "Hrzn", "AdCH");
         PutAnchor(d, "Vrtc", "AdBt");
         descriptorSuite->PutFloat(d, FourCC("Hght"), 20);
     },
     true, 8, 2, 77, 55, 0},
    {"VerticalCodeUnderHorizontalKey", [](ActionDescriptorHandle d) { PutAnchor(d, "Hrzn", "AdTp"); }, true, 1, 0, 77, 55, 0},
    {"HorizontalCodeUnderVerticalKey", [](ActionDescriptorHandle d) { PutAnchor(d, "Vrtc", "AdRg"); }, true, 7, 0, 77, 55, 0},
    {"AnchorWithMarginsStaysAbsolute",
     [](ActionDescriptorHandle d) {
         PutAnchor(d, "Hrzn", "AdLf");
         descriptorSuite->PutFloat(d, FourCC("Left"), 9);
         descriptorSuite->PutEnumerated(d, FourCC("RlrU"), FourCC("RlrU"), FourCC("RrMm"));
     },
     true, 1, 0, 77, 55, 2},
    {"WidthWithoutAnchorIsRelative", [](ActionDescriptorHandle d) { descriptorSuite->PutFloat(d, FourCC("Wdth"), 500); },
     false, 0, 0, 77, 0, 0},
    {"CanvasEventCodeIsNoAnchor",
     [](ActionDescriptorHandle d) {
         descriptorSuite->PutEnumerated(d, FourCC("Hrzn"), FourCC("HrzL"), FourCC("Left"));
         descriptorSuite->PutFloat(d, FourCC("Left"), 12);
     },
     false, 0, 0, 77, 12, 0},
    {"LeftAsIntegerFromScripts",
     [](ActionDescriptorHandle d) {
         descriptorSuite->PutInteger(d, FourCC("Left"), 10);
         descriptorSuite->PutEnumerated(d, FourCC("RlrU"), FourCC("RlrU"), FourCC("RrPi"));
     },
     false, 0, 0, 77, 10, 6},
    {"UnknownUnitIsPixels",
     [](ActionDescriptorHandle d) { descriptorSuite->PutEnumerated(d, FourCC("RlrU"), FourCC("RlrU"), FourCC("RrXX")); },
     false, 0, 0, 77, 0, 0},
    {"UnitAsTextIsIgnored", [](ActionDescriptorHandle d) { descriptorSuite->PutString(d, FourCC("RlrU"), "mm"); }, false,
     0, 0, 77, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Descriptors, ReadParametersTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, ReadParametersWithoutDescriptorKeepsTheState)
{
    CanvasState& s = gCanvasState;
    s.absoluteMode = true;
    s.anchor = 4;
    s.unitsIndex = 3;
    s.newWidth = 640;
    ActionParameters parameters{kPlayWithoutDialog, 1, nullptr};
    EXPECT_EQ(ReadParameters(&parameters), 0);
    EXPECT_TRUE(s.absoluteMode);
    EXPECT_EQ(s.anchor, 4);
    EXPECT_EQ(s.unitsIndex, 3);
    EXPECT_EQ(s.newWidth, 640);
}

TEST_F(PluginTest, ReadParametersRelativeClearsEveryMarginFirst)
{
    CanvasState& s = gCanvasState;
    s.marginTop = s.marginBottom = s.marginRight = s.uniformMargin = 5;
    s.uniformity = kUniformBoth;
    ActionDescriptorHandle descriptor = NewDescriptor();
    descriptorSuite->PutFloat(descriptor, FourCC("Btom"), -3);
    ActionParameters parameters{kPlayWithoutDialog, 1, descriptor};
    ReadParameters(&parameters);
    EXPECT_EQ(s.marginTop, 0);
    EXPECT_EQ(s.marginRight, 0);
    EXPECT_EQ(s.uniformMargin, 0);
    EXPECT_EQ(s.marginBottom, -3);
    EXPECT_EQ(s.uniformity, kUniformNone);
}

struct WriteCase {
    const char* name;
    std::function<void(CanvasState&)> set;
    const char* recorded;
};

class WriteParametersTest : public PluginTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteParametersTest, RecordsTheRecordedValuesInKeyOrder)
{
    GetParam().set(gCanvasState);
    ActionDescriptorHandle original = NewDescriptor();
    ActionParameters parameters{kPlayWithoutDialog, 1, original};

    EXPECT_EQ(WriteParameters(&parameters), 0);
    ASSERT_NE(parameters.descriptor, original);
    Adopt(parameters.descriptor);
    EXPECT_EQ(parameters.recordOption, 0);
    EXPECT_EQ(ItemsText(Contents(parameters.descriptor).Items()), GetParam().recorded);
}

const WriteCase kWriteCases[] = {
    {"AbsoluteBothSizesCentre",
     [](CanvasState& s) {
         s.absoluteMode = true;
         s.anchor = 5;
         s.changedDims = 3;
         s.recordedWidth = 800;
         s.recordedHeight = 600;
         s.newWidth = 1;  // working values are not recorded
     },
     "Wdth=800 Hght=600 Hrzn=ADSt:AdCH Vrtc=ADSt:AdCH RlrU=RlrU:RrPx"},
    {"AbsoluteHeightOnly",
     [](CanvasState& s) {
         s.absoluteMode = true;
         s.anchor = 9;
         s.changedDims = 2;
         s.recordedHeight = 25.4;
         s.unitsIndex = 2;
     },
     "Hght=25.4 Vrtc=ADSt:AdBt RlrU=RlrU:RrMm"},
    {"AbsoluteNothingChanged",
     [](CanvasState& s) {
         s.absoluteMode = true;
         s.anchor = 1;
         s.changedDims = 0;
     },
     "RlrU=RlrU:RrPx"},
    {"RelativeNonZeroMarginsIncludingNegative",
     [](CanvasState& s) {
         s.recordedTop = 20;
         s.recordedLeft = 10;
         s.recordedRight = -5;
         s.marginBottom = 99;  // working value, not recorded
         s.unitsIndex = 1;
     },
     "Top =20 Left=10 Rght=-5 RlrU=RlrU:RrPr"},
    {"RelativeAllZero", [](CanvasState&) {}, "RlrU=RlrU:RrPx"},
};

INSTANTIATE_TEST_SUITE_P(States, WriteParametersTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PluginTest, WriteParametersLeavesTheBlockWhenMakeFails)
{
    ActionDescriptorHandle original = NewDescriptor();
    ActionParameters parameters{kPlayWithoutDialog, 1, original};
    host.faults.FailNth("ActionDescriptor.Make", host.faults.CallCount("ActionDescriptor.Make") + 1, -25);
    EXPECT_EQ(WriteParameters(&parameters), -25);
    EXPECT_EQ(parameters.descriptor, original);
    EXPECT_EQ(parameters.recordOption, 1);
}

// A recording that lost an item would play back as something else: any
// failed put keeps the block as the host gave it, and frees the new one.
TEST_F(PluginTest, WriteParametersHandsOverNothingWhenAPutFails)
{
    struct Case {
        const char* operation;
        unsigned nth;
        bool absolute;
    };
    const Case cases[] = {
        {"ActionDescriptor.PutEnumerated", 1, false},  // the unit
        {"ActionDescriptor.PutFloat", 1, false},       // a margin
        {"ActionDescriptor.PutFloat", 2, true},        // the height
        {"ActionDescriptor.PutEnumerated", 1, true},   // the horizontal anchor
        {"ActionDescriptor.PutEnumerated", 3, true},   // the unit after both anchors
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.operation) + " #" + std::to_string(c.nth));
        CanvasState& s = gCanvasState;
        s.absoluteMode = c.absolute;
        s.anchor = 5;
        s.changedDims = 3;
        s.recordedTop = 20;
        ActionDescriptorHandle original = NewDescriptor();
        ActionParameters parameters{kPlayWithoutDialog, 1, original};
        host.faults.FailNth(c.operation, host.faults.CallCount(c.operation) + c.nth, -32768);
        EXPECT_EQ(WriteParameters(&parameters), -32768);
        EXPECT_EQ(parameters.descriptor, original);
        EXPECT_EQ(parameters.recordOption, 1);
    }
}

TEST_F(PluginTest, WriteParametersRecordsNoSizeWithoutAnAnchor)
{
    CanvasState& s = gCanvasState;
    s.absoluteMode = true;
    s.anchor = 0;  // a dialog manager that failed to name the button clicked
    s.changedDims = kChangedWidth;
    ActionParameters parameters{kPlayWithoutDialog, 1, nullptr};
    EXPECT_EQ(WriteParameters(&parameters), kStatusParameter);
    EXPECT_EQ(parameters.descriptor, nullptr);
}

}  // namespace
}  // namespace kestrow::test
