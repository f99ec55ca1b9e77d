#include "PeImage.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace kestrow::pe {
namespace {

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint16_t LittleU16(const std::vector<uint8_t>& bytes, size_t offset)
{
    if (offset + 2 > bytes.size()) throw std::runtime_error("read past the end at " + std::to_string(offset));
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t LittleU32(const std::vector<uint8_t>& bytes, size_t offset)
{
    if (offset + 4 > bytes.size()) throw std::runtime_error("read past the end at " + std::to_string(offset));
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string DescribeKey(const ResourceKey& key)
{
    return key.text.empty() ? std::to_string(key.number) : "\"" + Narrow(key.text) + "\"";
}

// Data directory indexes of the optional header.
constexpr uint32_t kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2, kDelayImportDirectory = 13;

}  // namespace

bool ResourceKey::operator<(const ResourceKey& other) const
{
    // Names sort before numbers, as in the module's own resource tree.
    if (text.empty() != other.text.empty()) return !text.empty();
    return text.empty() ? number < other.number : text < other.text;
}

std::string Describe(const Resource& resource)
{
    std::ostringstream out;
    out << "type " << DescribeKey(resource.type) << " name " << DescribeKey(resource.name) << " language "
        << resource.language << " (" << resource.bytes.size() << " bytes)";
    return out.str();
}

PeImage PeImage::Read(const std::string& path)
{
    PeImage image(ReadFileBytes(path));
    image.fileSize_ = image.bytes_.size();
    try {
        image.ReadHeaders();
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
    return image;
}

void PeImage::ReadHeaders()
{
    if (bytes_.size() < 64 || bytes_[0] != 'M' || bytes_[1] != 'Z') throw std::runtime_error("no MZ header");
    const uint32_t pe = U32(0x3c);
    if (U32(pe) != 0x00004550) throw std::runtime_error("no PE signature");
    const uint32_t coff = pe + 4;
    machine_ = U16(coff);
    const uint16_t sectionCount = U16(coff + 2);
    const uint16_t optionalSize = U16(coff + 16);
    characteristics_ = U16(coff + 18);

    const uint32_t optional = coff + 20;
    optionalMagic_ = U16(optional);
    uint32_t directoryCountField;
    if (optionalMagic_ == 0x10b) directoryCountField = optional + 92;        // PE32
    else if (optionalMagic_ == 0x20b) directoryCountField = optional + 108;  // PE32+
    else throw std::runtime_error("unknown optional header magic " + std::to_string(optionalMagic_));
    const uint32_t directoryCount = U32(directoryCountField);
    const uint32_t directories = directoryCountField + 4;

    const uint32_t sectionTable = optional + optionalSize;
    for (uint16_t i = 0; i < sectionCount; ++i) {
        const uint32_t header = sectionTable + 40u * i;
        sections_.push_back({U32(header + 12), U32(header + 8), U32(header + 20), U32(header + 16)});
    }

    auto directoryRva = [&](uint32_t index) {
        return index < directoryCount ? U32(directories + 8 * index) : 0u;
    };
    if (uint32_t rva = directoryRva(kExportDirectory)) ReadExports(rva);
    if (uint32_t rva = directoryRva(kImportDirectory)) ReadImports(rva, 12, 20);
    if (uint32_t rva = directoryRva(kDelayImportDirectory)) ReadImports(rva, 4, 32);
    if (uint32_t rva = directoryRva(kResourceDirectory)) ReadResourceDirectory(Offset(rva), Offset(rva), 0, {});
}

void PeImage::ReadExports(uint32_t rva)
{
    const uint32_t directory = Offset(rva);
    exportedFunctionCount_ = U32(directory + 20);
    const uint32_t nameCount = U32(directory + 24);
    const uint32_t names = U32(directory + 32);
    for (uint32_t i = 0; i < nameCount; ++i) exportNames_.push_back(TextAt(U32(Offset(names + 4 * i))));
}

void PeImage::ReadImports(uint32_t rva, uint32_t nameField, uint32_t entrySize)
{
    // The table ends with an entry whose name is zero.
    for (uint32_t entry = Offset(rva);; entry += entrySize) {
        const uint32_t name = U32(entry + nameField);
        if (name == 0) break;
        importedDlls_.push_back(TextAt(name));
    }
}

ResourceKey PeImage::ReadResourceKey(uint32_t base, uint32_t id) const
{
    ResourceKey key;
    if (id & 0x80000000u) {
        const uint32_t text = base + (id & 0x7fffffffu);
        const uint16_t length = U16(text);
        for (uint16_t i = 0; i < length; ++i) key.text += static_cast<char16_t>(U16(text + 2 + 2u * i));
    } else {
        key.number = static_cast<uint16_t>(id);
    }
    return key;
}

void PeImage::ReadResourceDirectory(uint32_t base, uint32_t offset, int depth, Resource path)
{
    if (depth > 2) throw std::runtime_error("resource tree deeper than type, name and language");
    const uint32_t count = U16(offset + 12) + U16(offset + 14);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t entry = offset + 16 + 8 * i;
        const uint32_t id = U32(entry);
        const uint32_t target = U32(entry + 4);
        Resource item = path;
        if (depth == 0) item.type = ReadResourceKey(base, id);
        if (depth == 1) item.name = ReadResourceKey(base, id);
        if (depth == 2) item.language = static_cast<uint16_t>(id);
        if (target & 0x80000000u) {
            ReadResourceDirectory(base, base + (target & 0x7fffffffu), depth + 1, item);
            continue;
        }
        if (depth != 2) throw std::runtime_error("resource data above the language level");
        const uint32_t data = base + target;
        const uint32_t start = Offset(U32(data));
        const uint32_t size = U32(data + 4);
        if (size > bytes_.size() || start > bytes_.size() - size) throw std::runtime_error("resource data past the end");
        item.bytes.assign(bytes_.begin() + start, bytes_.begin() + start + size);
        resources_.push_back(std::move(item));
    }
}

uint32_t PeImage::Offset(uint32_t rva) const
{
    for (const Section& section : sections_) {
        const uint32_t extent = std::max(section.virtualSize, section.rawSize);
        if (rva >= section.virtualAddress && rva - section.virtualAddress < extent) {
            const uint32_t within = rva - section.virtualAddress;
            if (within >= section.rawSize) throw std::runtime_error("address " + std::to_string(rva) + " has no file data");
            return section.rawOffset + within;
        }
    }
    throw std::runtime_error("address " + std::to_string(rva) + " is in no section");
}

uint16_t PeImage::U16(uint32_t offset) const { return LittleU16(bytes_, offset); }
uint32_t PeImage::U32(uint32_t offset) const { return LittleU32(bytes_, offset); }

std::string PeImage::TextAt(uint32_t rva) const
{
    std::string text;
    for (uint32_t at = Offset(rva);; ++at) {
        if (at >= bytes_.size()) throw std::runtime_error("unterminated text");
        if (bytes_[at] == 0) return text;
        text += static_cast<char>(bytes_[at]);
    }
}

std::vector<Resource> ReadResFile(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    std::vector<Resource> resources;
    size_t entry = 0;
    auto readKey = [&](size_t& at) {
        ResourceKey key;
        if (LittleU16(bytes, at) == 0xffff) {
            key.number = LittleU16(bytes, at + 2);
            at += 4;
            return key;
        }
        for (; LittleU16(bytes, at) != 0; at += 2) key.text += static_cast<char16_t>(LittleU16(bytes, at));
        at += 2;
        return key;
    };
    while (entry < bytes.size()) {
        const uint32_t dataSize = LittleU32(bytes, entry);
        const uint32_t headerSize = LittleU32(bytes, entry + 4);
        size_t at = entry + 8;
        Resource resource;
        resource.type = readKey(at);
        resource.name = readKey(at);
        at = (at + 3) & ~size_t{3};
        resource.language = LittleU16(bytes, at + 6);
        const size_t data = entry + headerSize;
        if (headerSize < 24 || data > bytes.size() || dataSize > bytes.size() - data)
            throw std::runtime_error(path + ": resource entry at " + std::to_string(entry) + " runs past the end");
        resource.bytes.assign(bytes.begin() + data, bytes.begin() + data + dataSize);
        // The file opens with an empty entry that only marks it as 32-bit.
        const bool marker = dataSize == 0 && resource.type.text.empty() && resource.type.number == 0;
        if (!marker) resources.push_back(std::move(resource));
        entry = (data + dataSize + 3) & ~size_t{3};
    }
    return resources;
}

}  // namespace kestrow::pe
