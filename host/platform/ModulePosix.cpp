#include "platform/Module.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace kestrow::host {

std::unique_ptr<Module> Module::Load(const std::string& path, std::string& error)
{
    dlerror();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + path;
        return nullptr;
    }
    void* symbol = dlsym(library, KESTROW_ENTRY_POINT_NAME);
    if (!symbol) {
        error = path + " does not export " KESTROW_ENTRY_POINT_NAME;
        dlclose(library);
        return nullptr;
    }
    return std::unique_ptr<Module>(new Module(library, reinterpret_cast<PluginMainProc>(symbol), path));
}

Module::~Module() { dlclose(library_); }

const char* Module::FileSuffix() { return ".so"; }

std::string ExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace kestrow::host
