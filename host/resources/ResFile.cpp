// Reading compiled resource files. Each entry: data size, header size, type
// and name (0xFFFF and a number, or a zero-terminated UTF-16 text), padding to
// 4 bytes, data version, memory flags, language, version, characteristics,
// then the data, padded to 4 bytes.
#include "resources/ResFile.h"

#include "resources/ResourceError.h"

#include <algorithm>

namespace kestrow::resources {
namespace {

constexpr uint32_t kEmptyHeaderSize = 32;

}  // namespace

bool LooksLikeResFile(ByteView bytes)
{
    static const uint8_t kEmptyEntry[] = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
    return bytes.size >= kEmptyHeaderSize && std::equal(std::begin(kEmptyEntry), std::end(kEmptyEntry), bytes.data);
}

std::vector<ResEntry> ParseResFile(ByteView bytes, const std::string& what)
{
    std::vector<ResEntry> entries;
    ByteReader file(bytes, what);
    while (!file.AtEnd()) {
        const size_t start = file.Offset();
        const uint32_t dataSize = file.U32("entry data size");
        const uint32_t headerSize = file.U32("entry header size");
        if (headerSize < 8 + 16)
            file.Fail("entry header size " + std::to_string(headerSize) + " is too small");
        // The rest of the header, read on its own so that its fields stay within it.
        ByteReader header(file.Bytes(headerSize - 8, "entry header"), what + " entry at byte " + std::to_string(start));
        ResourceId type = ReadResourceId(header, "resource type");
        ResourceId name = ReadResourceId(header, "resource name");
        header.Align(4, "padding after the name");
        header.U32("data version");
        header.U16("memory flags");
        const uint16_t language = header.U16("language");
        header.U32("version");
        header.U32("characteristics");

        const ByteView data = file.Bytes(dataSize, "resource data");
        // The last entry's padding may be missing; anything else must be there.
        file.Skip(std::min<size_t>((4 - dataSize % 4) % 4, file.Remaining()), "padding after the data");

        const bool empty = dataSize == 0 && type.IsNumber() && type.Number() == 0 && name.IsNumber() &&
                           name.Number() == 0;
        if (empty)
            continue;
        entries.push_back(ResEntry{std::move(type), std::move(name), language,
                                   std::vector<uint8_t>(data.data, data.data + data.size)});
    }
    return entries;
}

std::optional<std::vector<uint8_t>> ResFileResources::Find(const ResourceId& type, const ResourceId& name,
                                                           uint16_t language) const
{
    for (const ResEntry& e : entries_)
        if (e.type == type && e.name == name && e.language == language)
            return e.data;
    return std::nullopt;
}

std::vector<ResourceId> ResFileResources::Names(const ResourceId& type) const
{
    std::vector<ResourceId> names;
    for (const ResEntry& e : entries_)
        if (e.type == type && std::find(names.begin(), names.end(), e.name) == names.end())
            names.push_back(e.name);
    return names;
}

}  // namespace kestrow::resources
