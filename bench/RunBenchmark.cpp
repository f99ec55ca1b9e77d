// One "Do It" run without the dialog, absolute and relative with four sides,
// loaded from the built module as the editor loads it. Besides the time per
// run it counts heap allocations: all of them, and those whose caller is
// the plug-in module itself (found from the allocation's return address).
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <stdexcept>

#include "session/Editor.h"

namespace {

// The address range the module's code and data are mapped at.
uintptr_t gModuleStart = 0;
uintptr_t gModuleEnd = 0;
unsigned long gAllocations = 0;
unsigned long gModuleAllocations = 0;

void CountAllocation(void* caller)
{
    ++gAllocations;
    const auto address = reinterpret_cast<uintptr_t>(caller);
    if (address >= gModuleStart && address < gModuleEnd)
        ++gModuleAllocations;
}

int FindModuleRange(dl_phdr_info* info, size_t, void* base)
{
    if (reinterpret_cast<void*>(info->dlpi_addr) != base)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD)
            continue;
        const uintptr_t start = info->dlpi_addr + segment.p_vaddr;
        const uintptr_t end = start + segment.p_memsz;
        if (gModuleStart == 0 || start < gModuleStart)
            gModuleStart = start;
        if (end > gModuleEnd)
            gModuleEnd = end;
    }
    return 1;
}

}  // namespace

extern "C" void* __libc_malloc(size_t size);
extern "C" void* __libc_calloc(size_t count, size_t size);
extern "C" void* __libc_realloc(void* pointer, size_t size);

// Every malloc of the process comes through here; the module's own calls too,
// since the executable's definition comes first in symbol lookup.
extern "C" void* malloc(size_t size)
{
    CountAllocation(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size)
{
    CountAllocation(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, size_t size)
{
    CountAllocation(__builtin_return_address(0));
    return __libc_realloc(pointer, size);
}

namespace {

using kestrow::host::Descriptor;
using kestrow::host::Editor;
using kestrow::host::RunRequest;

std::unique_ptr<Editor> LoadEditor()
{
    auto editor = std::make_unique<Editor>();
    std::string error;
    if (!editor->LoadModule(KESTROW_MODULE_PATH, error))
        throw std::runtime_error(error);
    void* module = dlopen(KESTROW_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
    Dl_info info;
    if (module == nullptr || dladdr(dlsym(module, "PluginMain"), &info) == 0)
        throw std::runtime_error("the module's entry point was not found");
    dl_iterate_phdr(FindModuleRange, info.dli_fbase);
    dlclose(module);
    if (gModuleStart == 0)
        throw std::runtime_error("the module's mapping was not found");
    editor->OpenDocument(1000, 500, 72);
    return editor;
}

void RunDoIt(benchmark::State& state, const Descriptor& parameters)
{
    auto editor = LoadEditor();
    RunRequest request;
    request.descriptor = parameters;
    gAllocations = 0;
    gModuleAllocations = 0;
    for (auto _ : state) {
        auto report = editor->Run(request);
        if (report.result != 0 || !report.AllEventsApplied())
            state.SkipWithError("the run failed");
        benchmark::DoNotOptimize(report);
    }
    state.counters["allocs/run"] = benchmark::Counter(double(gAllocations) / state.iterations());
    state.counters["plugin allocs/run"] = benchmark::Counter(double(gModuleAllocations) / state.iterations());
}

void AbsoluteRun(benchmark::State& state)
{
    Descriptor parameters;
    parameters.PutFloat(FourCC("Wdth"), 800);
    parameters.PutFloat(FourCC("Hght"), 600);
    parameters.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), FourCC("AdCH"));
    parameters.PutEnumerated(FourCC("Vrtc"), FourCC("ADSt"), FourCC("AdCH"));
    parameters.PutEnumerated(FourCC("RlrU"), FourCC("RlrU"), FourCC("RrPx"));
    RunDoIt(state, parameters);
}

void RelativeFourSidesRun(benchmark::State& state)
{
    // Grows and shrinks by the same amount, so the document keeps its size.
    Descriptor parameters;
    parameters.PutFloat(FourCC("Top "), 10);
    parameters.PutFloat(FourCC("Left"), 10);
    parameters.PutFloat(FourCC("Btom"), -10);
    parameters.PutFloat(FourCC("Rght"), -10);
    parameters.PutEnumerated(FourCC("RlrU"), FourCC("RlrU"), FourCC("RrPx"));
    RunDoIt(state, parameters);
}

}  // namespace

BENCHMARK(AbsoluteRun);
BENCHMARK(RelativeFourSidesRun);
BENCHMARK_MAIN();
