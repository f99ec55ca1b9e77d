// Finding a module's resources by type, name and language, the way the
// editor does: from the module file on Linux, through the loader on Windows.
#pragma once

#include "resources/ResourceId.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrow::resources {

class ModuleResources {
public:
    virtual ~ModuleResources() = default;
    // A copy of the resource's bytes, or nothing when the module has no
    // resource of that type, name and language.
    virtual std::optional<std::vector<uint8_t>> Find(const ResourceId& type, const ResourceId& name,
                                                     uint16_t language) const = 0;
    // The names of the module's resources of one type, each once.
    virtual std::vector<ResourceId> Names(const ResourceId& type) const = 0;
};

// Opens the resources of the module file at `path`: on Windows through the
// loader; elsewhere from the ELF section that carries them, or from a
// compiled resource file (.res) itself. Throws ResourceError with a one-line
// reason when the file cannot be read or carries no resources.
std::unique_ptr<ModuleResources> OpenModuleResources(const std::string& path);

// Reads a whole file; throws ResourceError when it cannot.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace kestrow::resources
