#include "RunSupport.h"

#include "model/FourCodeText.h"
#include "model/StatusCodes.h"
#include "platform/Module.h"

#include <fstream>
#include <ostream>

namespace kestrow::cli {
namespace {

bool Exists(const std::string& path) { return std::ifstream(path).good(); }

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

void AddRunOptions(CLI::App& command, RunOptions& options)
{
    command.add_flag("--json", options.json, "Print the report as JSON");
    command.add_option("--module", options.module, "The plug-in module to load (default: the one built with kestrow)");
    command.add_option("--play-option", options.playOption, "Play option of the run: 1 shows the dialog, 2 does not")
        ->capture_default_str();
    command.add_option("--modal-result", options.modalResult, "What a dialog ends with unless the plug-in ends it")
        ->capture_default_str();
}

std::string DefaultModulePath()
{
    const std::string file = std::string("Kestrow") + host::Module::FileSuffix();
    std::vector<std::string> candidates;
    const std::string executable = host::ExecutablePath();
    if (!executable.empty()) {
        const std::string folder = Folder(executable);
        candidates.push_back(folder + "/" + file);
        candidates.push_back(folder + "/../plugin/" + file);
    }
#ifdef KESTROW_BUILT_MODULE
    candidates.push_back(KESTROW_BUILT_MODULE);
#endif
    for (const auto& candidate : candidates)
        if (Exists(candidate)) return candidate;
    throw UsageError("no plug-in module found next to the command; build the Kestrow target or pass --module PATH");
}

void PrepareEditor(host::Editor& editor, const RunOptions& options)
{
    const std::string path = options.module.empty() ? DefaultModulePath() : options.module;
    std::string error;
    if (!editor.LoadModule(path, error)) throw UsageError("cannot load module " + path + ": " + error);
    editor.dialogs().SetDefaultResult(options.modalResult);
}

int RunExitStatus(const host::RunReport& report, const std::string& context, std::ostream& err)
{
    int status = 0;
    for (const auto& event : report.events) {
        if (event.status == 0) continue;
        err << "kestrow: " << context << host::FourCodeText(event.event) << " refused: " << event.reason << " ("
            << host::status::StatusText(event.status) << ")\n";
        status = 1;
    }
    if (report.result == -128) {
        err << "kestrow: " << context << "cancelled (the plug-in returned -128)\n";
        status = 1;
    } else if (report.result != 0) {
        err << "kestrow: " << context << "the plug-in returned " << report.result << "\n";
        status = 1;
    }
    return status;
}

}  // namespace kestrow::cli
