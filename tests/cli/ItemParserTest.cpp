#include "DocumentSpec.h"
#include "ItemParser.h"

#include "model/ItemTypes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrow::cli {
namespace {

namespace t = host::itemtype;

struct ValidItem {
    const char* text;
    FourCode key;
    FourCode type;
    host::Value value;
};

bool SameValue(const host::Value& a, const host::Value& b)
{
    if (a.index() != b.index()) return false;
    if (auto* u = std::get_if<host::UnitFloat>(&a)) {
        const auto& v = std::get<host::UnitFloat>(b);
        return u->unit == v.unit && u->value == v.value;
    }
    if (auto* e = std::get_if<host::Enumerated>(&a)) {
        const auto& f = std::get<host::Enumerated>(b);
        return e->type == f.type && e->value == f.value;
    }
    if (auto* d = std::get_if<double>(&a)) return *d == std::get<double>(b);
    if (auto* i = std::get_if<int32_t>(&a)) return *i == std::get<int32_t>(b);
    if (auto* s = std::get_if<std::string>(&a)) return *s == std::get<std::string>(b);
    return false;
}

const ValidItem kValid[] = {
    {"Top=20", FourCC("Top "), t::kFloat, 20.0},
    {"Rght=-12.5", FourCC("Rght"), t::kFloat, -12.5},
    {"Btom=+3", FourCC("Btom"), t::kFloat, 3.0},
    {"Wdth=1e3", FourCC("Wdth"), t::kFloat, 1000.0},
    {"Left=int:10", FourCC("Left"), t::kInteger, int32_t{10}},
    {"Left=int:-2147483648", FourCC("Left"), t::kInteger, int32_t{-2147483647 - 1}},
    {"Hrzn=ADSt:AdCH", FourCC("Hrzn"), t::kEnumerated, host::Enumerated{FourCC("ADSt"), FourCC("AdCH")}},
    {"Vrtc=VrtL:Top", FourCC("Vrtc"), t::kEnumerated, host::Enumerated{FourCC("VrtL"), FourCC("Top ")}},
    {"Wdth=unit:#Pxl:800", FourCC("Wdth"), t::kUnitFloat, host::UnitFloat{FourCC("#Pxl"), 800}},
    {"Hght=unit:#Rlt:-0.5", FourCC("Hght"), t::kUnitFloat, host::UnitFloat{FourCC("#Rlt"), -0.5}},
    {"Nm=text:a=b:c d", FourCC("Nm  "), t::kText, std::string("a=b:c d")},
    {"Nm=text:", FourCC("Nm  "), t::kText, std::string()},
    // An enumeration type that is "int" with its blank: not the integer form.
    {"Nm=int :0", FourCC("Nm  "), t::kEnumerated, host::Enumerated{FourCC("int "), FourCC("0   ")}},
};

TEST(ItemParser, ReadsEveryFormWithPaddedCodes)
{
    for (const auto& c : kValid) {
        const ItemParse parsed = ParseItem(c.text);
        ASSERT_TRUE(parsed.item) << c.text << ": " << parsed.error;
        EXPECT_EQ(parsed.item->key, c.key) << c.text;
        EXPECT_EQ(parsed.item->type, c.type) << c.text;
        EXPECT_TRUE(SameValue(parsed.item->value, c.value)) << c.text;
    }
}

TEST(ItemParser, FormattedItemsReadBackTheSame)
{
    for (const auto& c : kValid) {
        const host::Item item = *ParseItem(c.text).item;
        const std::string text = FormatItem(item);
        const ItemParse again = ParseItem(text);
        ASSERT_TRUE(again.item) << text << ": " << again.error;
        EXPECT_EQ(again.item->key, item.key) << text;
        EXPECT_EQ(again.item->type, item.type) << text;
        EXPECT_TRUE(SameValue(again.item->value, item.value)) << text;
    }
    EXPECT_EQ(FormatItem(*ParseItem("Top=0.1").item), "Top=0.1");
}

TEST(ItemParser, RefusesBadItemsNamingThem)
{
    const char* bad[] = {
        "Top",             // no value
        "=5",              // no key
        "Width=5",         // key longer than four characters
        "Top=",            // no number
        "Top=abc",         // not a number
        "Top=12px",        // trailing text
        "Top= 12",         // blank
        "Top=nan",         // not finite
        "Top=inf",         //
        "Top=-infinity",   //
        "Top=1e999",       // out of range
        "Top=0x10",        // hexadecimal
        "Top=+-1",         // two signs
        "Left=int:1.5",    // not an integer
        "Left=int:2147483648",
        "Left=int:",
        "Wdth=unit:#Pxl",  // no number
        "Wdth=unit:#Pixel:5",
        "Wdth=unit:#Pxl:nan",
        "Hrzn=ADSt:",      // empty value
        "Hrzn=:AdCH",      // empty type
        "Hrzn=ADSt:Center",
        "Hrzn=Align:AdCH",
        "K\x01=1",         // unprintable key
    };
    for (const char* text : bad) {
        const ItemParse parsed = ParseItem(text);
        EXPECT_FALSE(parsed.item) << text;
        EXPECT_NE(parsed.error.find(std::string("'") + text + "'"), std::string::npos) << parsed.error;
    }
}

TEST(ItemParser, NoItemsIsNoDescriptorAndEmptyIsAnEmptyOne)
{
    EXPECT_FALSE(BuildDescriptor({}, false).descriptor);
    EXPECT_TRUE(BuildDescriptor({}, false).error.empty());
    const DescriptorParse empty = BuildDescriptor({}, true);
    ASSERT_TRUE(empty.descriptor);
    EXPECT_EQ(empty.descriptor->Count(), 0u);
    EXPECT_FALSE(BuildDescriptor({"Top=1"}, true).error.empty());
    const DescriptorParse repeated = BuildDescriptor({"Top=1", "Left=2", "Top=3"}, false);
    ASSERT_EQ(repeated.descriptor->Count(), 2u);
    EXPECT_EQ(repeated.descriptor->Items()[0].key, FourCC("Top "));
    EXPECT_EQ(repeated.descriptor->GetFloat(FourCC("Top ")), 3.0);
    EXPECT_NE(BuildDescriptor({"Top=1", "Top=x"}, false).error.find("Top=x"), std::string::npos);
}

TEST(DocumentSpecParser, ReadsSizeAndOptionalResolution)
{
    struct Case {
        const char* text;
        bool valid;
        int32_t width, height;
        double resolution;
    };
    const Case cases[] = {
        {"1000x500", true, 1000, 500, 72},   {"3000X1500@300", true, 3000, 1500, 300},
        {"1x1@0.5", true, 1, 1, 0.5},        {"300000x300000", true, 300000, 300000, 72},
        {"0x500", false, 0, 0, 0},                    {"300001x5", false, 0, 0, 0},
        {"1000", false, 0, 0, 0},                     {"10x-5", false, 0, 0, 0},
        {"10x5@0", false, 0, 0, 0},                   {"10x5@-72", false, 0, 0, 0},
        {"10x5@", false, 0, 0, 0},                    {"10x5@inf", false, 0, 0, 0},
        {"10.5x5", false, 0, 0, 0},                   {"x5", false, 0, 0, 0},
        // Resolutions at which a document's measure in points is absurd or infinite.
        {"10x5@0.009", false, 0, 0, 0},               {"10x5@1e-310", false, 0, 0, 0},
        {"10x5@1000001", false, 0, 0, 0},             {"1x1@0.01", true, 1, 1, 0.01},
        {"1x1@1000000", true, 1, 1, 1000000},
    };
    for (const auto& c : cases) {
        const DocumentSpecParse parsed = ParseDocumentSpec(c.text);
        ASSERT_EQ(parsed.size.has_value(), c.valid) << c.text;
        if (!c.valid) {
            EXPECT_NE(parsed.error.find(c.text), std::string::npos) << parsed.error;
            continue;
        }
        EXPECT_EQ(parsed.size->width, c.width) << c.text;
        EXPECT_EQ(parsed.size->height, c.height) << c.text;
        EXPECT_EQ(parsed.size->resolution, c.resolution) << c.text;
    }
}

}  // namespace
}  // namespace kestrow::cli
