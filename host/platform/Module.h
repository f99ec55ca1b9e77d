// A loaded plug-in module and its entry point. The one class that differs
// between operating systems; its implementation is ModulePosix.cpp or
// ModuleWindows.cpp.
#pragma once

#include "PluginMessage.h"

#include <memory>
#include <string>

namespace kestrow::host {

class Module {
public:
    // Loads the module at `path` and finds its entry point; null with a
    // one-line reason in `error` when either fails.
    static std::unique_ptr<Module> Load(const std::string& path, std::string& error);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    PlugStatus Main(const char* caller, const char* selector, void* message) const
    {
        return entry_(caller, selector, message);
    }
    const std::string& Path() const { return path_; }

    // The file name suffix of modules on this system (".so", ".8li").
    static const char* FileSuffix();

private:
    Module(void* library, PluginMainProc entry, std::string path)
        : library_(library), entry_(entry), path_(std::move(path)) {}
    void* library_;
    PluginMainProc entry_;
    std::string path_;
};

// The full path of the running program, or empty when it cannot be found.
std::string ExecutablePath();

}  // namespace kestrow::host
