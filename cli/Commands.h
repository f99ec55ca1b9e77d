// The table of subcommands. Each subcommand lives in its own file under
// commands/ and adds itself to the command line through one function.
#pragma once

#include <CLI/CLI.hpp>

#include <vector>

namespace kestrow::cli {

struct Command {
    const char* name;
    const char* summary;
    // Adds the subcommand's options and the callback that runs it; the
    // callback stores the exit status, or throws UsageError.
    void (*add)(CLI::App& command, int& exitStatus);
};

const std::vector<Command>& Commands();

void AddPlayCommand(CLI::App& command, int& exitStatus);
void AddSessionCommand(CLI::App& command, int& exitStatus);
void AddResourcesCommand(CLI::App& command, int& exitStatus);
void AddAboutCommand(CLI::App& command, int& exitStatus);
void AddValidateCommand(CLI::App& command, int& exitStatus);

}  // namespace kestrow::cli
