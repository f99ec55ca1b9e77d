// Reading the section table and the dynamic symbol table of 32-bit and 64-bit
// little-endian ELF files, every offset checked against the file's size.
#include "resources/ElfFile.h"

#include "resources/ResourceError.h"

#include <cstring>

namespace kestrow::resources {
namespace {

constexpr uint8_t kClass32 = 1;
constexpr uint8_t kClass64 = 2;
constexpr uint8_t kLittleEndian = 1;
constexpr uint32_t kNoBits = 8;
constexpr uint32_t kSymbolTableDynamic = 11;
constexpr uint16_t kSectionUndefined = 0;
constexpr uint16_t kSectionExtended = 0xFFFF;
constexpr uint8_t kBindGlobal = 1;
constexpr uint8_t kBindWeak = 2;
constexpr uint8_t kTypeFunction = 2;
constexpr uint8_t kVisibilityDefault = 0;
// A module with more sections than this is not one of ours and not worth reading.
constexpr uint64_t kMaxSections = 65536;

}  // namespace

bool ElfFile::LooksLikeElf(ByteView bytes)
{
    return bytes.size >= 4 && std::memcmp(bytes.data, "\x7F" "ELF", 4) == 0;
}

ElfFile::ElfFile(ByteView bytes, std::string what) : bytes_(bytes), what_(std::move(what))
{
    ByteReader r(bytes_, what_);
    if (!LooksLikeElf(bytes_))
        r.Fail("not an ELF file");
    r.Skip(4, "ELF magic");
    const uint8_t fileClass = r.U8("ELF class");
    const uint8_t encoding = r.U8("ELF data encoding");
    if (fileClass != kClass32 && fileClass != kClass64)
        r.Fail("unknown ELF class " + std::to_string(fileClass));
    if (encoding != kLittleEndian)
        r.Fail("not a little-endian ELF file");
    is64_ = fileClass == kClass64;
    r.Skip(16 - 6 + 2 + 2 + 4, "ELF header");  // rest of the identification, type, machine, version
    r.Skip(is64_ ? 16 : 8, "ELF entry and program header offset");
    const uint64_t sectionOffset = is64_ ? r.U64("section header offset") : r.U32("section header offset");
    r.Skip(4 + 2 + 2 + 2, "ELF flags and sizes");
    const uint16_t entrySize = r.U16("section header size");
    uint64_t count = r.U16("section count");
    uint32_t namesIndex = r.U16("section name table index");
    if (sectionOffset == 0)
        return;  // no section table: no sections
    const uint16_t wanted = is64_ ? 64 : 40;
    if (entrySize < wanted)
        r.Fail("section header size " + std::to_string(entrySize) + " is too small");

    auto readHeader = [&](uint64_t index) {
        if (sectionOffset > bytes_.size || index >= (bytes_.size - sectionOffset) / entrySize)
            r.Fail("section header " + std::to_string(index) + " lies outside the file");
        ByteReader h(ByteView(bytes_.data + sectionOffset + index * entrySize, entrySize), what_);
        SectionHeader s;
        s.name = h.U32("section name");
        s.type = h.U32("section type");
        if (is64_) {
            h.U64("section flags");
            h.U64("section address");
            s.offset = h.U64("section offset");
            s.size = h.U64("section size");
            s.link = h.U32("section link");
            h.U32("section info");
            h.U64("section alignment");
            s.entrySize = h.U64("section entry size");
        } else {
            h.U32("section flags");
            h.U32("section address");
            s.offset = h.U32("section offset");
            s.size = h.U32("section size");
            s.link = h.U32("section link");
            h.U32("section info");
            h.U32("section alignment");
            s.entrySize = h.U32("section entry size");
        }
        return s;
    };

    // Files with many sections keep the real count and name table index in section 0.
    const SectionHeader first = readHeader(0);
    if (count == 0)
        count = first.size;
    if (namesIndex == kSectionExtended)
        namesIndex = first.link;
    if (count > kMaxSections)
        r.Fail("section count " + std::to_string(count) + " is implausible");
    for (uint64_t i = 0; i < count; ++i)
        sections_.push_back(readHeader(i));
    if (namesIndex >= sections_.size())
        r.Fail("section name table index " + std::to_string(namesIndex) + " is out of range");
    namesIndex_ = namesIndex;
}

ByteView ElfFile::Contents(const SectionHeader& section) const
{
    if (section.type == kNoBits)
        return ByteView();  // occupies memory only, nothing in the file
    if (section.offset > bytes_.size || section.size > bytes_.size - section.offset)
        throw ResourceError(what_ + ": a section lies outside the file");
    return ByteView(bytes_.data + section.offset, static_cast<size_t>(section.size));
}

namespace {

// The zero-terminated text at `offset` of a string table.
std::string TableString(ByteView table, uint64_t offset, const std::string& what)
{
    if (offset >= table.size)
        throw ResourceError(what + ": a name lies outside its string table");
    const auto* start = reinterpret_cast<const char*>(table.data + offset);
    const void* end = std::memchr(start, 0, table.size - offset);
    if (end == nullptr)
        throw ResourceError(what + ": a name in a string table has no end");
    return std::string(start, static_cast<const char*>(end));
}

}  // namespace

std::string ElfFile::SectionName(const SectionHeader& section) const
{
    return TableString(Contents(sections_[namesIndex_]), section.name, what_);
}

std::optional<ByteView> ElfFile::Section(const std::string& name) const
{
    for (const SectionHeader& s : sections_)
        if (SectionName(s) == name)
            return Contents(s);
    return std::nullopt;
}

std::vector<ExportedSymbol> ElfFile::ExportedSymbols() const
{
    std::vector<ExportedSymbol> symbols;
    for (const SectionHeader& s : sections_) {
        if (s.type != kSymbolTableDynamic)
            continue;
        if (s.link >= sections_.size())
            throw ResourceError(what_ + ": the dynamic symbol table names no string table");
        const ByteView names = Contents(sections_[s.link]);
        const size_t entrySize = is64_ ? 24 : 16;
        ByteReader r(Contents(s), what_ + " dynamic symbols");
        while (r.Remaining() >= entrySize) {
            uint32_t name = r.U32("symbol name");
            uint8_t info = 0, other = 0;
            uint16_t sectionIndex = 0;
            if (is64_) {
                info = r.U8("symbol info");
                other = r.U8("symbol visibility");
                sectionIndex = r.U16("symbol section");
                r.Skip(16, "symbol value and size");
            } else {
                r.Skip(8, "symbol value and size");
                info = r.U8("symbol info");
                other = r.U8("symbol visibility");
                sectionIndex = r.U16("symbol section");
            }
            const uint8_t binding = info >> 4;
            const bool exported = sectionIndex != kSectionUndefined && (binding == kBindGlobal || binding == kBindWeak) &&
                                  (other & 3) == kVisibilityDefault;
            if (exported)
                symbols.push_back({TableString(names, name, what_), (info & 0xF) == kTypeFunction});
        }
    }
    return symbols;
}

}  // namespace kestrow::resources
