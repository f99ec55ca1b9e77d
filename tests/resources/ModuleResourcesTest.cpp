// The built module as the editor opens it: it carries exactly the compiled
// resources, finds them by type, name and language, exports only its entry
// point, and files that are not modules fail with a reason.
#include "CompiledResources.h"

#include "PluginMessage.h"
#include "resources/ElfFile.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kestrow::resources {
namespace {

TEST(ModuleResources, ModuleCarriesExactlyTheCompiledResources)
{
    const auto module = OpenModuleResources(KESTROW_MODULE_FILE);
    const auto& entries = fixture::Compiled().Entries();
    ASSERT_FALSE(entries.empty());
    for (const ResEntry& e : entries) {
        SCOPED_TRACE(e.type.Describe() + " " + e.name.Describe());
        const auto found = module->Find(e.type, e.name, e.language);
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, e.data);
    }
    for (const ResourceId& type : {ResourceId("PIPL"), ResourceId("AETE"), ResourceId(types::kDialog),
                                   ResourceId(types::kGroupIcon), ResourceId(types::kIcon)})
        EXPECT_EQ(module->Names(type), fixture::Compiled().Names(type)) << type.Describe();
}

TEST(ModuleResources, FindsByTypeNameAndLanguageOnly)
{
    const auto module = OpenModuleResources(KESTROW_MODULE_FILE);
    EXPECT_TRUE(module->Find("PIPL", 16000, kLanguageEnglishUS));
    EXPECT_TRUE(module->Find("pipl", 16000, kLanguageEnglishUS)) << "type texts compare without regard to case";
    EXPECT_FALSE(module->Find("PIPL", 16000, 1031));
    EXPECT_FALSE(module->Find("PIPL", 16001, kLanguageEnglishUS));
    EXPECT_FALSE(module->Find("PIP", 16000, kLanguageEnglishUS));
    EXPECT_FALSE(module->Find(ResourceId(types::kDialog), 17000, kLanguageEnglishUS));
    EXPECT_TRUE(module->Find(ResourceId(types::kDialog), 18000, kLanguageEnglishUS));
}

#ifdef _WIN32
TEST(ModuleResources, ModuleExportsTheEntryPointThePropertyListNames)
{
    HMODULE module = LoadLibraryA(KESTROW_MODULE_FILE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(module, KESTROW_ENTRY_POINT_NAME)), nullptr);
    FreeLibrary(module);
}
#else
TEST(ModuleResources, ModuleExportsOnlyTheEntryPointThePropertyListNames)
{
    const std::vector<uint8_t> file = ReadWholeFile(KESTROW_MODULE_FILE);
    const std::vector<ExportedSymbol> symbols = ElfFile(file, KESTROW_MODULE_FILE).ExportedSymbols();
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].name, KESTROW_ENTRY_POINT_NAME);
    EXPECT_TRUE(symbols[0].isFunction);
}
#endif

class NotAModule : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const std::string& path : written_)
            std::remove(path.c_str());
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << bytes;
        written_.push_back(path);
        return path;
    }
    std::vector<std::string> written_;
};

TEST_F(NotAModule, OpeningFailsWithAReasonNamingTheFile)
{
    const struct {
        const char* what;
        std::string path;
        const char* reason;
    } cases[] = {
#ifdef _WIN32
        {"missing file", ::testing::TempDir() + "no_such_module.8li", "cannot load the module"},
        {"text file", Write("kestrow_text.txt", "hello"), "cannot load the module"},
#else
        {"missing file", ::testing::TempDir() + "no_such_module.so", "cannot open"},
        {"text file", Write("kestrow_text.txt", "hello"), "neither a module nor a compiled resource file"},
        {"Windows module on Linux", Write("kestrow_windows.8li", "MZ\x90"), "Windows module"},
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            OpenModuleResources(c.path);
            ADD_FAILURE() << "opened";
        } catch (const ResourceError& e) {
            EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

#ifndef _WIN32
TEST(ModuleResources, AnElfFileWithoutResourcesSaysSo)
{
    // The test program itself is an ELF file without the resource section.
    try {
        OpenModuleResources("/proc/self/exe");
        ADD_FAILURE() << "opened";
    } catch (const ResourceError& e) {
        EXPECT_NE(std::string(e.what()).find("carries no resources"), std::string::npos) << e.what();
    }
}
#endif

}  // namespace
}  // namespace kestrow::resources
