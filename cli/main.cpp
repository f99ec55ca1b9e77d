// kestrow: runs the Kestrow plug-in in the simulated image editor.
#include "Commands.h"
#include "RunSupport.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv)
{
    using namespace kestrow::cli;
    CLI::App app{"Runs the Kestrow plug-in in the simulated image editor", "kestrow"};
    app.require_subcommand(1);
    // Options start with dashes everywhere: an argument such as /tmp/a.txt is
    // a path on Windows too (subcommands take this from the app).
    app.allow_windows_style_options(false);
    int exitStatus = 0;
    for (const Command& command : Commands()) command.add(*app.add_subcommand(command.name, command.summary), exitStatus);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);
        std::cerr << "kestrow: " << error.what() << "\n";
        return 2;
    } catch (const UsageError& error) {
        std::cerr << "kestrow: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "kestrow: " << error.what() << "\n";
        return 1;
    }
    return exitStatus;
}
