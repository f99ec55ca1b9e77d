// Loads the compiled resource file the build made.
#include "CompiledResources.h"

#include <stdexcept>

namespace kestrow::resources::fixture {

const ResFileResources& Compiled()
{
    static const ResFileResources resources(ParseResFile(ReadWholeFile(KESTROW_RES_FILE), KESTROW_RES_FILE));
    return resources;
}

std::vector<uint8_t> CompiledBytes(const ResourceId& type, const ResourceId& name)
{
    auto bytes = Compiled().Find(type, name, kLanguageEnglishUS);
    if (!bytes)
        throw std::runtime_error("the compiled resources lack " + type.Describe() + " " + name.Describe());
    return *bytes;
}

}  // namespace kestrow::resources::fixture
