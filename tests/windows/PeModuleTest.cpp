// The Windows module as a file: a 32-bit x86 DLL that exports only its entry
// point, imports nothing but system libraries, and carries exactly the
// resources the resource script compiles to. Also: the Windows programs need
// no compiler runtime DLLs beside them.
#include "PeImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <tuple>

namespace kestrow::pe {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

ResourceKey Number(uint16_t number) { return ResourceKey{number, {}}; }
ResourceKey Text(const char* text) { return ResourceKey{0, std::u16string(text, text + std::char_traits<char>::length(text))}; }

bool SameResource(const Resource& a, const Resource& b)
{
    return a.type == b.type && a.name == b.name && a.language == b.language;
}

std::vector<Resource> Sorted(std::vector<Resource> resources)
{
    std::sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
        if (!(a.type == b.type)) return a.type < b.type;
        if (!(a.name == b.name)) return a.name < b.name;
        return a.language < b.language;
    });
    return resources;
}

class PluginModuleFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { module_ = new PeImage(PeImage::Read(KESTROW_PE_MODULE)); }
    static void TearDownTestSuite()
    {
        delete module_;
        module_ = nullptr;
    }
    static const PeImage& Module() { return *module_; }

private:
    static PeImage* module_;
};

PeImage* PluginModuleFile::module_ = nullptr;

TEST_F(PluginModuleFile, IsA32BitX86Dll)
{
    EXPECT_EQ(Module().Machine(), kMachineI386);
    EXPECT_EQ(Module().OptionalHeaderMagic(), kOptionalMagicPe32);
    EXPECT_TRUE(Module().Characteristics() & kCharacteristicDll);
}

TEST_F(PluginModuleFile, ExportsOnlyTheUndecoratedEntryPoint)
{
    EXPECT_EQ(Module().ExportNames(), std::vector<std::string>{"PluginMain"});
    EXPECT_EQ(Module().ExportedFunctionCount(), 1u);
}

TEST_F(PluginModuleFile, ImportsSystemLibrariesOnly)
{
    // The module makes no user-interface calls and carries its compiler
    // runtime inside: the kernel and the system C library are all it needs.
    const std::set<std::string> allowed = {"kernel32.dll", "msvcrt.dll"};
    EXPECT_FALSE(Module().ImportedDlls().empty());
    for (const std::string& dll : Module().ImportedDlls()) EXPECT_TRUE(allowed.count(Lower(dll))) << "imports " << dll;
}

// The module is its own code, the C library's C99 conversions (about 40 KiB
// from mingw-w64) and its resources (about 21 KiB). A statically linked C++
// runtime or left-over debug information adds hundreds of KiB.
TEST_F(PluginModuleFile, CarriesNoLinkedRuntimeOrDebugInformation)
{
    EXPECT_LT(Module().FileSize(), 96u * 1024u);
}

TEST_F(PluginModuleFile, CarriesTheDeclaredResourcesInUsEnglish)
{
    const uint16_t usEnglish = 1033;
    std::vector<std::tuple<ResourceKey, ResourceKey>> expected = {
        {Text("PIPL"), Number(16000)},
        {Text("AETE"), Number(16000)},
        {Number(kTypeDialog), Number(16000)},
        {Number(kTypeDialog), Number(18000)},
    };
    for (uint16_t icon : {122, 123, 124, 125, 126, 127, 128, 129, 130, 132, 133, 134, 135, 136, 137, 138, 139})
        expected.emplace_back(Number(kTypeGroupIcon), Number(icon));

    for (const auto& [type, name] : expected) {
        const Resource wanted{type, name, usEnglish, {}};
        const auto& all = Module().Resources();
        const bool found = std::any_of(all.begin(), all.end(), [&](const Resource& r) {
            return SameResource(r, wanted) && !r.bytes.empty();
        });
        EXPECT_TRUE(found) << "missing " << Describe(wanted);
    }
}

TEST_F(PluginModuleFile, CarriesExactlyWhatTheResourceScriptCompilesTo)
{
    const std::vector<Resource> compiled = Sorted(ReadResFile(KESTROW_PE_RES_FILE));
    const std::vector<Resource> carried = Sorted(Module().Resources());
    ASSERT_FALSE(compiled.empty());
    for (const Resource& want : compiled) {
        auto match = std::find_if(carried.begin(), carried.end(), [&](const Resource& r) { return SameResource(r, want); });
        if (match == carried.end()) {
            ADD_FAILURE() << "the module lacks " << Describe(want);
            continue;
        }
        EXPECT_TRUE(match->bytes == want.bytes) << Describe(*match) << " differs from the compiled " << Describe(want);
    }
    for (const Resource& have : carried) {
        const bool known = std::any_of(compiled.begin(), compiled.end(), [&](const Resource& r) { return SameResource(r, have); });
        EXPECT_TRUE(known) << "the module carries " << Describe(have) << ", which the script does not make";
    }
}

TEST(WindowsPrograms, NeedNoCompilerRuntimeBesideThem)
{
    for (const char* path : {KESTROW_PE_COMMAND}) {
        const PeImage program = PeImage::Read(path);
        EXPECT_EQ(program.Machine(), kMachineI386) << path;
        EXPECT_FALSE(program.Characteristics() & kCharacteristicDll) << path;
        for (const std::string& dll : program.ImportedDlls()) {
            const std::string name = Lower(dll);
            const bool runtime = name.rfind("libgcc", 0) == 0 || name.rfind("libstdc++", 0) == 0 ||
                                 name.rfind("libwinpthread", 0) == 0;
            EXPECT_FALSE(runtime) << path << " imports " << dll;
        }
    }
}

TEST(PeImageReader, RejectsWhatIsNoModule)
{
    EXPECT_THROW(PeImage::Read(KESTROW_PE_RES_FILE), std::runtime_error);
    EXPECT_THROW(PeImage::Read(KESTROW_PE_RES_FILE ".missing"), std::runtime_error);
}

}  // namespace
}  // namespace kestrow::pe
