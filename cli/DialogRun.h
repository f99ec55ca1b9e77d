// Running the plug-in's dialogs from a script: the --dialog and --render
// options, the script's player installed in the editor's dialog manager for
// one run, and what the run adds to the report: the script's outcome, each
// dialog's state as it closed, and the picture of the last one.
#pragma once

#include "RunSupport.h"
#include "dialog/ScriptPlayer.h"
#include "session/RunReport.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace kestrow::cli {

struct DialogOptions {
    std::string script;  // --dialog FILE (- for standard input)
    std::string render;  // --render FILE.png
    bool Wanted() const { return !script.empty() || !render.empty(); }
};

// Adds --dialog and --render.
void AddDialogOptions(CLI::App& command, DialogOptions& options);


class DialogRun {
public:
    // Reads and checks the script of the options (none: no steps); throws
    // UsageError for a file that cannot be read or a bad step.
    explicit DialogRun(const DialogOptions& options);
    // Steps already read, from a session file; `render` may be empty.
    DialogRun(std::string source, std::vector<host::ScriptStep> steps, std::string render);

    // Plays the steps in the editor's dialogs until Finish; the dialogs
    // of other runs are left to the default result again.
    void Install(host::Editor& editor);
    // Ends the run: uninstalls the script, writes the --render picture of
    // the last dialog that closed, and returns 1 after one line on `err`
    // (starting with `context`) for each failure, else 0.
    int Finish(host::Editor& editor, const host::RunReport& report, const std::string& context, std::ostream& err);

    // The report's additions: the script's outcome and every dialog's state.
    void Print(const host::RunReport& report, std::ostream& out) const;
    void AddToJson(const host::RunReport& report, nlohmann::ordered_json& json) const;

private:
    std::string source_;
    std::string render_;
    std::shared_ptr<host::ScriptPlayer> player_;
    std::string renderFailure_;
};

}  // namespace kestrow::cli
