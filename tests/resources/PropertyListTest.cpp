// The property list as the editor reads it: its records in order with their
// stored lengths, the codes stored byte-reversed, and the agreement of the
// entry point and the terminology record with the module.
#include "CompiledResources.h"

#include "PluginMessage.h"
#include "resources/PropertyList.h"
#include "resources/Terminology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace kestrow::resources {
namespace {

using fixture::CompiledBytes;

PropertyList CompiledPropertyList()
{
    return ParsePropertyList(CompiledBytes("PIPL", 16000));
}

TEST(PropertyList, HoldsSevenRecordsInOrderWithTheirStoredLengths)
{
    const PropertyList list = CompiledPropertyList();
    EXPECT_EQ(list.resourceWord, 1);
    EXPECT_EQ(list.version, 0u);

    const struct {
        const char* key;
        size_t length;
    } expected[] = {{"kind", 4}, {"name", 12}, {"catg", 20}, {"vers", 4}, {"wx86", 12}, {"hstm", 32}, {"enbl", 8}};
    ASSERT_EQ(list.properties.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].key);
        const Property& p = list.properties[i];
        EXPECT_EQ(FourCodeText(p.key), expected[i].key);
        EXPECT_EQ(p.vendor, MakeFourCode("8BIM"));
        EXPECT_EQ(p.id, 0u);
        EXPECT_EQ(p.data.size(), expected[i].length);
    }
}

TEST(PropertyList, ParsingWithStoredLengthsEndsExactlyAfterTheEnableRecord)
{
    const std::vector<uint8_t> bytes = CompiledBytes("PIPL", 16000);
    const PropertyList list = ParsePropertyList(bytes);
    EXPECT_EQ(list.bytesRead, bytes.size());
    ASSERT_FALSE(list.properties.empty());
    EXPECT_EQ(list.properties.back().key, MakeFourCode("enbl"));
}

TEST(PropertyList, DeclaresAnAutomationPlugInWithItsMenuTextAndEntryPoint)
{
    const PluginProperties plugin = DescribePlugin(CompiledPropertyList());
    EXPECT_EQ(plugin.kind, MakeFourCode("8LIZ"));
    EXPECT_EQ(plugin.menuText, "&Kestrow...");
    EXPECT_EQ(plugin.category, "Automation - Ostrel");
    EXPECT_EQ(plugin.version, 0x00010000u);
    EXPECT_EQ(plugin.entryPoint, KESTROW_ENTRY_POINT_NAME);
    EXPECT_EQ(plugin.enableCondition, "true");
}

// The stored bytes, not the decoded values: a code written in reading order
// would decode to its mirror image and still look like a code.
TEST(PropertyList, StoresEveryFourCharacterCodeWithItsBytesReversed)
{
    const std::vector<uint8_t> pipl = CompiledBytes("PIPL", 16000);
    const std::vector<uint8_t> aete = CompiledBytes("AETE", 16000);
    auto contains = [](const std::vector<uint8_t>& bytes, const std::string& text) {
        return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
    };
    // The first record: vendor, key and the kind code, right after the list's header.
    EXPECT_EQ(std::string(pipl.begin() + 10, pipl.begin() + 30), std::string("MIB8dnik\0\0\0\0\4\0\0\0ZIL8", 20));
    const struct {
        const std::vector<uint8_t>* bytes;
        std::string stored;
    } cases[] = {
        {&pipl, std::string("68xw\0\0\0\0\x0c\0\0\0PluginMain", 22)},
        {&pipl, "GKdsdmCc"},                  // the terminology record's class and event
        {&aete, "\x03Top poTbuod"},           // 'Top ' keeps its blank, stored first
        {&aete, "\x05WidthhtdWbuod"},
        {&aete, "\x06pixelsxPrR"},
        {&aete, "tSDA\x05\x00\x05rightgRdA"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(contains(*c.bytes, std::string(c.stored))) << "missing stored bytes: " << c.stored;
}

TEST(PropertyList, TerminologyRecordNamesTheTerminologyResourceAndItsEvent)
{
    const PluginProperties plugin = DescribePlugin(CompiledPropertyList());
    ASSERT_TRUE(plugin.terminology);
    const TerminologyReference& ref = *plugin.terminology;
    EXPECT_EQ(ref.version, 0u);
    EXPECT_EQ(ref.scope, "Ostrel Kestrow");

    const auto aete = fixture::Compiled().Find("AETE", ref.resourceId, kLanguageEnglishUS);
    ASSERT_TRUE(aete) << "no terminology resource " << ref.resourceId;
    const Terminology terminology = ParseTerminology(*aete);
    ASSERT_EQ(terminology.suites.size(), 1u);
    const TermEvent* event = terminology.suites[0].FindEvent(ref.classCode, ref.eventCode);
    ASSERT_NE(event, nullptr) << "the terminology has no event " << FourCodeText(ref.classCode) << " "
                              << FourCodeText(ref.eventCode);
    EXPECT_EQ(event->name, "Kestrow");
    EXPECT_EQ(FourCodeText(ref.classCode), "sdKG");
    EXPECT_EQ(FourCodeText(ref.eventCode), "cCmd");
}

}  // namespace
}  // namespace kestrow::resources
