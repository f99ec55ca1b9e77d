// A small reader of 32-bit Windows modules (PE files): the header fields,
// export and import names and the resource tree that the module tests check.
// Portable: it reads the file's bytes and runs on any system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrow::pe {

// A resource type or name: a number, or a text when `text` is not empty.
struct ResourceKey {
    uint16_t number = 0;
    std::u16string text;

    bool operator==(const ResourceKey& other) const { return number == other.number && text == other.text; }
    bool operator<(const ResourceKey& other) const;
};

// One resource: its place in the tree and its bytes.
struct Resource {
    ResourceKey type;
    ResourceKey name;
    uint16_t language = 0;
    std::vector<uint8_t> bytes;
};

std::string Describe(const Resource& resource);

class PeImage {
public:
    // Reads the file; throws std::runtime_error naming what is wrong.
    static PeImage Read(const std::string& path);

    uint16_t Machine() const { return machine_; }
    uint16_t Characteristics() const { return characteristics_; }
    uint16_t OptionalHeaderMagic() const { return optionalMagic_; }
    // Number of entries in the export address table (named or not).
    uint32_t ExportedFunctionCount() const { return exportedFunctionCount_; }
    const std::vector<std::string>& ExportNames() const { return exportNames_; }
    // The DLLs named by the import and the delay-load import tables.
    const std::vector<std::string>& ImportedDlls() const { return importedDlls_; }
    const std::vector<Resource>& Resources() const { return resources_; }
    uint64_t FileSize() const { return fileSize_; }

private:
    struct Section {
        uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };

    explicit PeImage(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    void ReadHeaders();
    void ReadExports(uint32_t rva);
    void ReadImports(uint32_t rva, uint32_t nameField, uint32_t entrySize);
    void ReadResourceDirectory(uint32_t base, uint32_t offset, int depth, Resource path);
    ResourceKey ReadResourceKey(uint32_t base, uint32_t id) const;

    uint32_t Offset(uint32_t rva) const;  // file offset of an address in the image
    uint16_t U16(uint32_t offset) const;
    uint32_t U32(uint32_t offset) const;
    std::string TextAt(uint32_t rva) const;

    std::vector<uint8_t> bytes_;
    std::vector<Section> sections_;
    uint16_t machine_ = 0, characteristics_ = 0, optionalMagic_ = 0;
    uint32_t exportedFunctionCount_ = 0;
    std::vector<std::string> exportNames_, importedDlls_;
    std::vector<Resource> resources_;
    uint64_t fileSize_ = 0;
};

// The resources of a compiled resource file (.res), as the resource
// compiler wrote them; throws std::runtime_error on a malformed file.
std::vector<Resource> ReadResFile(const std::string& path);

// Standard resource types.
constexpr uint16_t kTypeIcon = 3, kTypeDialog = 5, kTypeGroupIcon = 14;
constexpr uint16_t kMachineI386 = 0x14c;
constexpr uint16_t kCharacteristicDll = 0x2000;
constexpr uint16_t kOptionalMagicPe32 = 0x10b;

}  // namespace kestrow::pe
