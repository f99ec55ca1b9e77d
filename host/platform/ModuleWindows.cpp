#include "platform/Module.h"

#include <windows.h>

namespace kestrow::host {

std::unique_ptr<Module> Module::Load(const std::string& path, std::string& error)
{
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    FARPROC symbol = GetProcAddress(library, KESTROW_ENTRY_POINT_NAME);
    if (!symbol) {
        error = path + " does not export " KESTROW_ENTRY_POINT_NAME;
        FreeLibrary(library);
        return nullptr;
    }
    return std::unique_ptr<Module>(new Module(library, reinterpret_cast<PluginMainProc>(symbol), path));
}

Module::~Module() { FreeLibrary(static_cast<HMODULE>(library_)); }

const char* Module::FileSuffix() { return ".8li"; }

std::string ExecutablePath()
{
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return {};
    return std::string(buffer, length);
}

}  // namespace kestrow::host
