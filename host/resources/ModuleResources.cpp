// Opening a module's resources on systems other than Windows: the module
// file is read whole, and its resources come from the ELF section the build
// put them in; a compiled resource file is accepted as it is.
#include "resources/ModuleResources.h"

#include "resources/ElfFile.h"
#include "resources/ResFile.h"
#include "resources/ResourceError.h"

#include <cstring>
#include <fstream>
#include <iterator>

#ifndef KESTROW_RESOURCE_SECTION
#define KESTROW_RESOURCE_SECTION ".kestrow_resources"
#endif

namespace kestrow::resources {

std::vector<uint8_t> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ResourceError(path + ": cannot open the file");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw ResourceError(path + ": cannot read the file");
    return bytes;
}

#ifndef _WIN32

std::unique_ptr<ModuleResources> OpenModuleResources(const std::string& path)
{
    const std::vector<uint8_t> file = ReadWholeFile(path);
    if (LooksLikeResFile(file))
        return std::make_unique<ResFileResources>(ParseResFile(file, path));
    if (file.size() >= 2 && std::memcmp(file.data(), "MZ", 2) == 0)
        throw ResourceError(path + ": a Windows module; its resources are read through the Windows loader");
    if (!ElfFile::LooksLikeElf(file))
        throw ResourceError(path + ": neither a module nor a compiled resource file");
    const ElfFile elf(file, path);
    const std::optional<ByteView> section = elf.Section(KESTROW_RESOURCE_SECTION);
    if (!section)
        throw ResourceError(path + ": the module carries no resources (no section " KESTROW_RESOURCE_SECTION ")");
    return std::make_unique<ResFileResources>(ParseResFile(*section, path + " resources"));
}

#endif

}  // namespace kestrow::resources
