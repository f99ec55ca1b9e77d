// Compiled resource files (.res): the resource compiler's output, a row of
// entries each with its type, name, language and data. The Linux module
// carries one such file in an ELF section.
#pragma once

#include "resources/ByteReader.h"
#include "resources/ModuleResources.h"

#include <vector>

namespace kestrow::resources {

struct ResEntry {
    ResourceId type;
    ResourceId name;
    uint16_t language = 0;
    std::vector<uint8_t> data;
};

// Whether the bytes start like a compiled resource file (its empty first entry).
bool LooksLikeResFile(ByteView bytes);

// Every entry but the empty first one. Throws ResourceError for a truncated
// or malformed file.
std::vector<ResEntry> ParseResFile(ByteView bytes, const std::string& what);

// The entries of one compiled resource file, looked up by type, name and
// language.
class ResFileResources : public ModuleResources {
public:
    explicit ResFileResources(std::vector<ResEntry> entries) : entries_(std::move(entries)) {}
    std::optional<std::vector<uint8_t>> Find(const ResourceId& type, const ResourceId& name,
                                             uint16_t language) const override;
    std::vector<ResourceId> Names(const ResourceId& type) const override;
    const std::vector<ResEntry>& Entries() const { return entries_; }

private:
    std::vector<ResEntry> entries_;
};

}  // namespace kestrow::resources
