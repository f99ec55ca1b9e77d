// The simulated image editor as the command and the tests drive it: load a
// module, open documents, call the module's entry point and get a report.
#pragma once

#include "platform/Module.h"
#include "runtime/Host.h"
#include "session/RunReport.h"

#include <memory>
#include <string>

namespace kestrow::host {

class Editor {
public:
    Editor();
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Loads a module in place of the current one; false with a reason on failure.
    bool LoadModule(const std::string& path, std::string& error);
    // The same with the module's dialogs already read from its resources,
    // for a caller that loads one module many times.
    bool LoadModule(const std::string& path, std::shared_ptr<const DialogSource> dialogs, std::string& error);
    void UnloadModule() { module_.reset(); }
    bool HasModule() const { return module_ != nullptr; }

    // Opens a document and makes it the target; throws std::invalid_argument
    // for a size outside 1..300000 pixels or a resolution outside 0.01..1000000.
    Document& OpenDocument(int32_t width, int32_t height, double resolution);
    Document* TargetDocument() { return host_->documents.Target(); }

    // Calls the module's entry point once. Throws std::logic_error when no
    // module is loaded.
    RunReport Run(const RunRequest& request);

    Host& host() { return *host_; }
    FaultInjector& faults() { return host_->faults; }
    DialogManager& dialogs() { return host_->dialogs; }

private:
    std::unique_ptr<Host> host_;      // declared first: outlives the module
    std::unique_ptr<Module> module_;
};

}  // namespace kestrow::host
