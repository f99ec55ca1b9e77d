// Truncated and malformed resources: every reader rejects them with a
// ResourceError that says what was wrong, and never reads past the end.
// Each case hands the reader a buffer of exactly the bytes it may read, so
// that AddressSanitizer catches any read beyond them.
#include "CompiledResources.h"

#include "resources/DialogResource.h"
#include "resources/ElfFile.h"
#include "resources/IconResource.h"
#include "resources/PropertyList.h"
#include "resources/ResourceError.h"
#include "resources/Terminology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace kestrow::resources {
namespace {

using Parse = std::function<void(ByteView)>;

struct ReaderCase {
    const char* what;
    std::vector<uint8_t> bytes;
    Parse parse;
};

// The first image of an icon group, as the module stores it.
std::vector<uint8_t> FirstImageOf(uint16_t group)
{
    const auto entries = ParseIconGroup(fixture::CompiledBytes(ResourceId(types::kGroupIcon), group), "group");
    return fixture::CompiledBytes(ResourceId(types::kIcon), entries.at(0).iconId);
}

std::vector<ReaderCase> Readers()
{
    const auto dialog = [](ByteView b) { ParseDialogResource(b, "dialog"); };
    const auto image = [](ByteView b) { DecodeIconImage(b, "image"); };
    return {
        {"property list", fixture::CompiledBytes("PIPL", 16000),
         [](ByteView b) { DescribePlugin(ParsePropertyList(b)); }},
        {"terminology", fixture::CompiledBytes("AETE", 16000), [](ByteView b) { ParseTerminology(b); }},
        {"main dialog", fixture::CompiledBytes(ResourceId(types::kDialog), 16000), dialog},
        {"about box", fixture::CompiledBytes(ResourceId(types::kDialog), 18000), dialog},
        {"icon group", fixture::CompiledBytes(ResourceId(types::kGroupIcon), 130),
         [](ByteView b) { ParseIconGroup(b, "group"); }},
        {"256-colour image", FirstImageOf(122), image},
        {"16-colour image", FirstImageOf(132), image},
    };
}

void ExpectRejected(const Parse& parse, const std::vector<uint8_t>& bytes, const std::string& fragment)
{
    try {
        parse(bytes);
        ADD_FAILURE() << "accepted";
    } catch (const ResourceError& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
}

std::vector<uint8_t> WithU16(std::vector<uint8_t> bytes, size_t offset, uint16_t value)
{
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
    return bytes;
}

std::vector<uint8_t> WithU32(std::vector<uint8_t> bytes, size_t offset, uint32_t value)
{
    bytes = WithU16(std::move(bytes), offset, static_cast<uint16_t>(value));
    return WithU16(std::move(bytes), offset + 2, static_cast<uint16_t>(value >> 16));
}

// Where `text` starts in `bytes`.
size_t OffsetOf(const std::vector<uint8_t>& bytes, const std::string& text)
{
    const auto at = std::search(bytes.begin(), bytes.end(), text.begin(), text.end());
    if (at == bytes.end())
        throw std::runtime_error("bytes not found: " + text);
    return static_cast<size_t>(at - bytes.begin());
}

TEST(MalformedResources, EveryReaderRejectsEveryTruncation)
{
    for (const ReaderCase& reader : Readers()) {
        SCOPED_TRACE(reader.what);
        ASSERT_NO_THROW(reader.parse(reader.bytes)) << "the whole resource must parse";
        for (size_t length = 0; length < reader.bytes.size(); ++length) {
            const std::vector<uint8_t> prefix(reader.bytes.begin(), reader.bytes.begin() + length);
            EXPECT_THROW(reader.parse(prefix), ResourceError) << "prefix of " << length << " bytes";
        }
    }
}

TEST(MalformedResources, CountsLargerThanTheDataAreRejected)
{
    const auto pipl = fixture::CompiledBytes("PIPL", 16000);
    const auto aete = fixture::CompiledBytes("AETE", 16000);
    const auto dialog = fixture::CompiledBytes(ResourceId(types::kDialog), 16000);
    const auto group = fixture::CompiledBytes(ResourceId(types::kGroupIcon), 130);
    const Parse propertyList = [](ByteView b) { ParsePropertyList(b); };
    const Parse terminology = [](ByteView b) { ParseTerminology(b); };
    const Parse dialogReader = [](ByteView b) { ParseDialogResource(b, "dialog"); };
    const Parse groupReader = [](ByteView b) { ParseIconGroup(b, "group"); };

    const size_t parameterCount = OffsetOf(aete, "\x05Width") - 2;
    const size_t unitCount = OffsetOf(aete, "UrlR\x07") + 4;
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        Parse parse;
        const char* fragment;
    } cases[] = {
        {"one property too many", WithU32(pipl, 6, 8), propertyList, "truncated"},
        {"huge property count", WithU32(pipl, 6, 0xFFFFFFFF), propertyList, "more than the data can hold"},
        {"property length past the end", WithU32(pipl, 22, 0x7FFFFFFC), propertyList, "truncated"},
        {"two suites", WithU16(aete, 8, 2), terminology, "terminology"},
        {"huge suite count", WithU16(aete, 8, 0xFFFF), terminology, "more than the data can hold"},
        {"huge parameter count", WithU16(aete, parameterCount, 0xFFFF), terminology, "parameter count"},
        {"ten parameters", WithU16(aete, parameterCount, 10), terminology, "terminology"},
        {"huge unit count", WithU16(aete, unitCount, 0xFFFF), terminology, "enumeration value count"},
        {"one item too many", WithU16(dialog, 16, 51), dialogReader, "truncated"},
        {"huge item count", WithU16(dialog, 16, 0xFFFF), dialogReader, "more than the data can hold"},
        {"three images", WithU16(group, 4, 3), groupReader, "more than the data can hold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRejected(c.parse, c.bytes, c.fragment);
    }
}

TEST(MalformedResources, BytesAfterTheEndAreRejected)
{
    auto pipl = fixture::CompiledBytes("PIPL", 16000);
    pipl.insert(pipl.end(), {0, 0, 0, 0});
    ExpectRejected([](ByteView b) { ParsePropertyList(b); }, pipl, "4 unexpected bytes after the last property");
    auto aete = fixture::CompiledBytes("AETE", 16000);
    aete.push_back(0);
    ExpectRejected([](ByteView b) { ParseTerminology(b); }, aete, "1 unexpected bytes after the last suite");
}

TEST(MalformedResources, WrongValuesAreRejectedWithTheirReason)
{
    const auto pipl = fixture::CompiledBytes("PIPL", 16000);
    const auto dialog = fixture::CompiledBytes(ResourceId(types::kDialog), 18000);
    const auto group = fixture::CompiledBytes(ResourceId(types::kGroupIcon), 122);
    const auto image = FirstImageOf(132);  // 16 colours, dark and light grey
    const Parse imageReader = [](ByteView b) { DecodeIconImage(b, "image"); };
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.resize(64);

    // The menu text's record holds a Pascal string longer than its data.
    auto longName = pipl;
    longName.at(OffsetOf(pipl, "&Kestrow...") - 1) = 40;

    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        Parse parse;
        const char* fragment;
    } cases[] = {
        {"length not a multiple of 4", WithU32(pipl, 22, 5), [](ByteView b) { ParsePropertyList(b); },
         "not a multiple of 4"},
        {"menu text past its record", longName, [](ByteView b) { DescribePlugin(ParsePropertyList(b)); },
         "property 'name'"},
        {"legacy dialog template", WithU16(dialog, 0, 0), [](ByteView b) { ParseDialogResource(b, "d"); },
         "not an extended dialog template"},
        {"cursor group", WithU16(group, 2, 2), [](ByteView b) { ParseIconGroup(b, "g"); }, "not an icon group"},
        {"palette index past a short palette", WithU32(image, 32, 4), imageReader, "palette index"},
        {"16 bits per pixel", WithU16(image, 14, 16), imageReader, "16 bits per pixel are not supported"},
        {"compressed", WithU32(image, 16, 2), imageReader, "compressed"},
        {"zero width", WithU32(image, 4, 0), imageReader, "not an icon's"},
        {"odd height", WithU32(image, 8, 31), imageReader, "not an icon's"},
        {"two planes", WithU16(image, 12, 2), imageReader, "planes"},
        {"more colours than the bits allow", WithU32(image, 32, 17), imageReader, "palette of 17 colours"},
        {"PNG image", png, imageReader, "PNG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRejected(c.parse, c.bytes, c.fragment);
    }
}

#ifndef _WIN32
// A module file cut short loses its section table, which lies at its end.
TEST(MalformedResources, TruncatedOrCorruptModuleFilesAreRejected)
{
    const std::vector<uint8_t> module = ReadWholeFile(KESTROW_MODULE_FILE);
    const Parse open = [](ByteView b) {
        ElfFile elf(b, "module");
        if (auto section = elf.Section(".kestrow_resources"))
            ParseResFile(*section, "module resources");
        elf.ExportedSymbols();
    };
    ASSERT_NO_THROW(open(module));
    for (size_t length = 0; length < module.size(); length += (length < 128 ? 1 : 997)) {
        const std::vector<uint8_t> prefix(module.begin(), module.begin() + length);
        EXPECT_THROW(open(prefix), ResourceError) << "prefix of " << length << " bytes";
    }

    const bool is64 = module.at(4) == 2;
    const size_t sectionOffsetField = is64 ? 0x28 : 0x20;
    const size_t namesIndexField = is64 ? 0x3E : 0x32;
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* fragment;
    } cases[] = {
        {"big-endian", [&] { auto b = module; b.at(5) = 2; return b; }(), "not a little-endian"},
        {"section table past the end", WithU32(module, sectionOffsetField, 0xFFFFFFF0), "outside the file"},
        {"name table index out of range", WithU16(module, namesIndexField, 0x7FFF), "out of range"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRejected(open, c.bytes, c.fragment);
    }
}
#endif

TEST(MalformedResources, TruncatedResourceFilesAreRejectedOrEndAtAnEntry)
{
    const std::vector<uint8_t> file = ReadWholeFile(KESTROW_RES_FILE);
    const std::vector<ResEntry> full = ParseResFile(file, "res");
    int accepted = 0, rejected = 0;
    for (size_t length = 0; length < file.size(); length += (length < 256 ? 1 : 61)) {
        const std::vector<uint8_t> prefix(file.begin(), file.begin() + length);
        try {
            const std::vector<ResEntry> entries = ParseResFile(prefix, "res");
            // A cut between two entries leaves a shorter, intact file.
            ++accepted;
            ASSERT_LT(entries.size(), full.size());
            for (size_t i = 0; i < entries.size(); ++i)
                EXPECT_EQ(entries[i].data, full[i].data) << "entry " << i << " of a prefix of " << length;
        } catch (const ResourceError&) {
            ++rejected;
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(rejected, accepted);
    ExpectRejected([](ByteView b) { ParseResFile(b, "res"); }, WithU32(file, 36, 4), "header size 4 is too small");
}

}  // namespace
}  // namespace kestrow::resources
