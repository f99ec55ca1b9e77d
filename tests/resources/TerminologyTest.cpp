// The scripting terminology as a script engine reads it: one suite with the
// plug-in's event, its nine parameters and two enumerations.
#include "CompiledResources.h"

#include "resources/Terminology.h"

#include <gtest/gtest.h>

#include <iterator>

namespace kestrow::resources {
namespace {

Terminology CompiledTerminology()
{
    return ParseTerminology(fixture::CompiledBytes("AETE", 16000));
}

TEST(Terminology, ParsingTheLayoutConsumesTheResourceExactly)
{
    const std::vector<uint8_t> bytes = fixture::CompiledBytes("AETE", 16000);
    const Terminology t = ParseTerminology(bytes);
    EXPECT_EQ(t.bytesRead, bytes.size());
    EXPECT_EQ(t.resourceWord, 1);
    EXPECT_EQ(t.majorVersion, 1);
    EXPECT_EQ(t.minorVersion, 0);
    EXPECT_EQ(t.language, 0);
    EXPECT_EQ(t.script, 0);
    ASSERT_EQ(t.suites.size(), 1u);
    const TermSuite& suite = t.suites[0];
    EXPECT_EQ(suite.name, "Ostrel");
    EXPECT_EQ(suite.description, "Ostrel's Kestrow");
    EXPECT_EQ(suite.code, MakeFourCode("sdKG"));
    EXPECT_EQ(suite.level, 1);
    EXPECT_EQ(suite.version, 1);
    EXPECT_TRUE(suite.classes.empty());
    EXPECT_TRUE(suite.comparisons.empty());
}

TEST(Terminology, DeclaresTheEventOnAnImageReferenceWithoutReply)
{
    const Terminology t = CompiledTerminology();
    ASSERT_EQ(t.suites.size(), 1u);
    ASSERT_EQ(t.suites[0].events.size(), 1u);
    const TermEvent& e = t.suites[0].events[0];
    EXPECT_EQ(e.name, "Kestrow");
    EXPECT_EQ(e.description, "Kestrow");
    EXPECT_EQ(e.eventClass, MakeFourCode("sdKG"));
    EXPECT_EQ(e.eventCode, MakeFourCode("cCmd"));
    EXPECT_EQ(e.replyType, MakeFourCode("null"));
    EXPECT_EQ(e.replyDescription, "");
    EXPECT_EQ(e.replyFlags, 0);
    EXPECT_EQ(e.directType, MakeFourCode("#ImR"));
    EXPECT_EQ(e.directDescription, "");
    EXPECT_EQ(e.directFlags, kTermOptional | kTermEnumerated | kTermChangesState);
}

// All nine are declared required (the plug-in still reads each only when it
// is present). Left and Right are declared integers, which is how scripts
// send them; the editor reads an integer item as a double too.
TEST(Terminology, DeclaresTheNineParametersInStoredOrder)
{
    const Terminology t = CompiledTerminology();
    ASSERT_EQ(t.suites.size(), 1u);
    ASSERT_EQ(t.suites[0].events.size(), 1u);
    const auto& parameters = t.suites[0].events[0].parameters;
    const struct {
        const char* name;
        FourCode key;
        FourCode type;
        uint16_t flags;
    } expected[] = {
        {"Width", MakeFourCode("Wdth"), MakeFourCode("doub"), 0},
        {"Height", MakeFourCode("Hght"), MakeFourCode("doub"), 0},
        {"Horizontal", MakeFourCode("Hrzn"), MakeFourCode("ADSt"), kTermEnumerated},
        {"Vertical", MakeFourCode("Vrtc"), MakeFourCode("ADSt"), kTermEnumerated},
        {"Top", MakeFourCode("Top "), MakeFourCode("doub"), 0},
        {"Left", MakeFourCode("Left"), MakeFourCode("long"), 0},
        {"Bottom", MakeFourCode("Btom"), MakeFourCode("doub"), 0},
        {"Right", MakeFourCode("Rght"), MakeFourCode("long"), 0},
        {"Units", MakeFourCode("RlrU"), MakeFourCode("RlrU"), kTermEnumerated},
    };
    ASSERT_EQ(parameters.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(parameters[i].name, expected[i].name);
        EXPECT_EQ(FourCodeText(parameters[i].key), FourCodeText(expected[i].key));
        EXPECT_EQ(FourCodeText(parameters[i].type), FourCodeText(expected[i].type));
        EXPECT_EQ(parameters[i].description, "");
        EXPECT_EQ(parameters[i].flags, expected[i].flags);
    }
}

TEST(Terminology, EnumeratesUnitsAndAnchorSidesByName)
{
    const Terminology t = CompiledTerminology();
    ASSERT_EQ(t.suites.size(), 1u);
    const auto& enumerations = t.suites[0].enumerations;
    ASSERT_EQ(enumerations.size(), 2u);

    using Values = std::vector<std::pair<std::string, std::string>>;
    auto valuesOf = [](const TermEnumeration& e) {
        Values values;
        for (const TermEnumValue& v : e.values) {
            values.emplace_back(v.name, FourCodeText(v.code));
            EXPECT_EQ(v.description, "") << v.name;
        }
        return values;
    };
    EXPECT_EQ(FourCodeText(enumerations[0].code), "RlrU");
    EXPECT_EQ(valuesOf(enumerations[0]), (Values{{"pixels", "RrPx"}, {"mm", "RrMm"}, {"cm", "RrCm"},
                                                 {"inches", "RrIn"}, {"percent", "RrPr"}, {"picas", "RrPi"},
                                                 {"points", "RrPt"}}));
    EXPECT_EQ(FourCodeText(enumerations[1].code), "ADSt");
    EXPECT_EQ(valuesOf(enumerations[1]), (Values{{"right", "AdRg"}, {"left", "AdLf"}, {"center", "AdCH"},
                                                 {"top", "AdTp"}, {"bottom", "AdBt"}}));
}

}  // namespace
}  // namespace kestrow::resources
