// Measuring the target document, and reading one descriptor item of any type.
#include <cmath>

#include "PluginFixture.h"
#include "model/ActionList.h"
#include "ops/DocumentOps.h"

namespace kestrow::test {
namespace {

TEST_F(PluginTest, MeasureInPixelsConvertsTheHostsPointsWithTheResolution)
{
    OpenDocument(300, 600, 300);  // the host answers 72 x 144 points
    MeasureDocument(1);
    EXPECT_DOUBLE_EQ(gCanvasState.docWidth, 300);
    EXPECT_DOUBLE_EQ(gCanvasState.docHeight, 600);
    EXPECT_EQ(gCanvasState.resolution, 300);

    MeasureDocument(0);
    EXPECT_DOUBLE_EQ(gCanvasState.docWidth, 72);
    EXPECT_DOUBLE_EQ(gCanvasState.docHeight, 144);
}

TEST_F(PluginTest, MeasureAtExactly72PpiLeavesTheHostsValues)
{
    MeasureDocument(1);
    EXPECT_EQ(gCanvasState.docWidth, 1000);
    EXPECT_EQ(gCanvasState.docHeight, 500);
}

TEST_F(PluginTest, FailedMeasurementKeepsTheEarlierValues)
{
    gCanvasState.docWidth = 11;
    gCanvasState.docHeight = 22;
    gCanvasState.resolution = 72;
    host.faults.FailNth("ActionControl.Get", host.faults.CallCount("ActionControl.Get") + 1, -1);
    host.faults.FailNth("ActionControl.Get", host.faults.CallCount("ActionControl.Get") + 2, -1);
    MeasureDocument(1);
    EXPECT_EQ(gCanvasState.docWidth, 11);
    EXPECT_EQ(gCanvasState.docHeight, 22);
}

TEST_F(PluginTest, DocumentPropertyNeedsAnOutputAndMakesNothingWithout)
{
    FourCode unit = 0;
    const unsigned made = host.faults.CallCount("ActionReference.Make");
    EXPECT_EQ(GetDocumentProperty(FourCC("Dcmn"), FourCC("Wdth"), nullptr, &unit), kStatusParameter);
    EXPECT_EQ(host.faults.CallCount("ActionReference.Make"), made);
}

TEST_F(PluginTest, DocumentPropertyFreesWhatItMadeWhenAStepFails)
{
    for (const char* operation : {"ActionReference.PutProperty", "ActionReference.PutEnumerated", "ActionControl.Get"}) {
        SCOPED_TRACE(operation);
        double width = -1;
        FourCode unit = 0;
        host.faults.FailNth(operation, host.faults.CallCount(operation) + 1, -42);
        EXPECT_EQ(GetDocumentProperty(FourCC("Dcmn"), FourCC("Wdth"), &width, &unit), -42);
        EXPECT_EQ(width, -1);
    }
}

TEST_F(PluginTest, DocumentPropertyWithoutKeyHandsTheWholeAnswerToTheCaller)
{
    ActionDescriptorHandle whole = nullptr;
    ASSERT_EQ(GetDocumentProperty(FourCC("Dcmn"), 0, &whole, nullptr), 0);
    ASSERT_NE(whole, nullptr);
    Adopt(whole);
    EXPECT_TRUE(Contents(whole).Has(FourCC("Wdth")));
}

TEST_F(PluginTest, AbsentKeyReadsAsSuccessAndLeavesTheOutput)
{
    ActionDescriptorHandle descriptor = NewDescriptor();
    double value = 5;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("Wdth"), &value, nullptr), 0);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("Wdth"), nullptr, nullptr), kStatusParameter);
}

TEST_F(PluginTest, ReadDescriptorItemDispatchesOnEveryItemType)
{
    ActionDescriptorHandle descriptor = NewDescriptor();
    host::Descriptor& d = Contents(descriptor);
    d.PutInteger(FourCC("lng "), -7);
    d.PutFloat(FourCC("dbl "), 2.5);
    d.PutUnitFloat(FourCC("unf "), FourCC("#Rlt"), 36);
    d.PutBoolean(FourCC("bln "), true);
    d.PutEnumerated(FourCC("enm "), FourCC("ADSt"), FourCC("AdRg"));
    d.PutClass(FourCC("cls "), FourCC("Dcmn"));
    d.PutGlobalClass(FourCC("gcl "), FourCC("Lyr "));
    d.PutObject(FourCC("obj1"), FourCC("Objc"), host::Descriptor{});
    d.PutGlobalObject(FourCC("obj2"), FourCC("Glbo"), host::Descriptor{});
    d.PutList(FourCC("lst "), host::ActionList{});
    d.PutAlias(FourCC("als "), "/tmp/a");
    d.PutPath(FourCC("pth "), "/tmp/b");
    d.PutString(FourCC("txt "), "hello");

    int32_t integer = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("lng "), &integer, nullptr), 0);
    EXPECT_EQ(integer, -7);
    double number = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("dbl "), &number, nullptr), 0);
    EXPECT_EQ(number, 2.5);
    FourCode unit = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("unf "), &number, nullptr), kStatusParameter);
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("unf "), &number, &unit), 0);
    EXPECT_EQ(number, 36);
    EXPECT_EQ(unit, FourCC("#Rlt"));
    HostBool flag = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("bln "), &flag, nullptr), 0);
    EXPECT_NE(flag, 0);
    FourCode type = 0, value = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("enm "), &value, nullptr), kStatusParameter);
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("enm "), &value, &type), 0);
    EXPECT_EQ(type, FourCC("ADSt"));
    EXPECT_EQ(value, FourCC("AdRg"));
    FourCode classCode = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("cls "), &classCode, nullptr), 0);
    EXPECT_EQ(classCode, FourCC("Dcmn"));
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("gcl "), &classCode, nullptr), 0);
    EXPECT_EQ(classCode, FourCC("Lyr "));

    for (const char* key : {"obj1", "obj2"}) {
        ActionDescriptorHandle object = nullptr;
        EXPECT_EQ(ReadDescriptorItem(descriptor, Code(key), &object, nullptr),
                  kStatusParameter);
        EXPECT_EQ(ReadDescriptorItem(descriptor, Code(key), &object, &classCode), 0);
        ASSERT_NE(object, nullptr);
        Adopt(object);  // a getter's answer belongs to the caller
    }
    ActionListHandle list = nullptr;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("lst "), &list, nullptr), 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(descriptorSuite->FreeList(list), 0);
    for (const char* key : {"als ", "pth "}) {
        AliasHandle alias = nullptr;
        EXPECT_EQ(ReadDescriptorItem(descriptor, Code(key), &alias, nullptr), 0);
        ASSERT_NE(alias, nullptr);
        EXPECT_EQ(descriptorSuite->FreeAlias(alias), 0);
    }

    char text[16] = "";
    uint32_t length = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("txt "), text, nullptr), kStatusParameter);
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("txt "), text, &length), 0);
    EXPECT_EQ(length, 5u);
    EXPECT_STREQ(text, "hello");
}

TEST_F(PluginTest, UnhandledItemTypeIsNotImplemented)
{
    ActionDescriptorHandle descriptor = NewDescriptor();
    Contents(descriptor).Put(FourCC("odd "), FourCC("tdta"), std::string("raw"));
    double value = 0;
    EXPECT_EQ(ReadDescriptorItem(descriptor, FourCC("odd "), &value, nullptr), kStatusNotImplemented);
}

}  // namespace
}  // namespace kestrow::test
