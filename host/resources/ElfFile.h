// The parts of an ELF shared object the host reads without loading it: a
// section by name (the module's compiled resources) and the symbols the
// module exports.
#pragma once

#include "resources/ByteReader.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::resources {

struct ExportedSymbol {
    std::string name;
    bool isFunction = false;
};

class ElfFile {
public:
    // Reads the file's section table. Throws ResourceError for a file that is
    // not a little-endian ELF file or whose tables lie outside it. The bytes
    // must outlive the ElfFile.
    ElfFile(ByteView bytes, std::string what);

    static bool LooksLikeElf(ByteView bytes);

    // The contents of the first section with that name, or nothing.
    std::optional<ByteView> Section(const std::string& name) const;
    // The defined global and weak symbols of the dynamic symbol table with
    // default visibility: what another program can look up in the module.
    std::vector<ExportedSymbol> ExportedSymbols() const;

private:
    struct SectionHeader {
        uint32_t name = 0;
        uint32_t type = 0;
        uint64_t offset = 0;
        uint64_t size = 0;
        uint32_t link = 0;
        uint64_t entrySize = 0;
    };

    ByteView Contents(const SectionHeader& section) const;
    std::string SectionName(const SectionHeader& section) const;

    ByteView bytes_;
    std::string what_;
    bool is64_ = false;
    std::vector<SectionHeader> sections_;
    uint32_t namesIndex_ = 0;
};

}  // namespace kestrow::resources
