// A Windows module's resources, found through the loader's resource
// functions on the module's handle.
#pragma once

#ifdef _WIN32

#include "resources/ModuleResources.h"

#include <windows.h>

namespace kestrow::resources {

class WindowsModuleResources : public ModuleResources {
public:
    // Uses a module the caller loaded and keeps loaded.
    explicit WindowsModuleResources(HMODULE module) : module_(module), owned_(false) {}
    // Loads the module at `path` as a data file, for its resources only;
    // throws ResourceError when that fails.
    explicit WindowsModuleResources(const std::string& path);
    ~WindowsModuleResources() override;
    WindowsModuleResources(const WindowsModuleResources&) = delete;
    WindowsModuleResources& operator=(const WindowsModuleResources&) = delete;

    std::optional<std::vector<uint8_t>> Find(const ResourceId& type, const ResourceId& name,
                                             uint16_t language) const override;
    std::vector<ResourceId> Names(const ResourceId& type) const override;

private:
    HMODULE module_;
    bool owned_;
};

}  // namespace kestrow::resources

#endif
