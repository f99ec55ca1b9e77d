// kestrow about: the plug-in's About box, opened the way the editor's About
// menu opens it, optionally driven by a dialog script and drawn.
#include "Commands.h"
#include "DialogRun.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "RunSupport.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace kestrow::cli {
namespace {

struct AboutArguments {
    RunOptions run;
    DialogOptions dialog;
};

int RunAbout(const AboutArguments& arguments)
{
    DialogRun dialog(arguments.dialog);
    host::Editor editor;
    PrepareEditor(editor, arguments.run);
    host::RunRequest request;
    request.caller = "SP Interface";
    request.selector = "About";
    dialog.Install(editor);
    const host::RunReport report = editor.Run(request);
    const int dialogStatus = dialog.Finish(editor, report, "", std::cerr);

    if (arguments.run.json) {
        nlohmann::ordered_json json = ReportToJson(report);
        dialog.AddToJson(report, json);
        std::cout << json.dump() << "\n";
    } else {
        PrintReport(report, std::cout);
        dialog.Print(report, std::cout);
    }
    return std::max(RunExitStatus(report, "", std::cerr), dialogStatus);
}

}  // namespace

void AddAboutCommand(CLI::App& command, int& exitStatus)
{
    auto arguments = std::make_shared<AboutArguments>();
    command.add_flag("--json", arguments->run.json, "Print the report as JSON");
    command.add_option("--module", arguments->run.module,
                       "The plug-in module to load (default: the one built with kestrow)");
    AddDialogOptions(command, arguments->dialog);
    command.callback([arguments, &exitStatus] { exitStatus = RunAbout(*arguments); });
}

}  // namespace kestrow::cli
