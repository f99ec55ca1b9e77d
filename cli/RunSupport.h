// What the subcommands that run the plug-in share: their common options,
// finding and loading the module, and the exit status of a run.
#pragma once

#include "session/Editor.h"

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <stdexcept>
#include <string>

namespace kestrow::cli {

// A bad command line, file or module: one line on stderr and exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RunOptions {
    std::string module;       // empty: the module built with the command
    bool json = false;
    int32_t playOption = kPlayWithoutDialog;
    int32_t modalResult = 0;  // what a dialog ends with unless the plug-in ends it
};

// Adds --json, --module, --play-option and --modal-result.
void AddRunOptions(CLI::App& command, RunOptions& options);

// The module next to the command (same folder, or ../plugin/ in the build
// tree), else the one the build made; throws UsageError when none exists.
std::string DefaultModulePath();

// Loads options.module (or the default) and applies the dialog result;
// throws UsageError when the module cannot be loaded.
void PrepareEditor(host::Editor& editor, const RunOptions& options);

// 0 when the plug-in returned 0 and every event was applied; otherwise 1,
// after one line on `err` per failure, each starting with `context`.
int RunExitStatus(const host::RunReport& report, const std::string& context, std::ostream& err);

}  // namespace kestrow::cli
