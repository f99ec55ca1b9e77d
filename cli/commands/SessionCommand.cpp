// kestrow session: the steps of a file run in one module lifetime, so the
// plug-in's state carries over from one run to the next.
#include "Commands.h"
#include "DialogRun.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "RunSupport.h"
#include "SessionScript.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

namespace kestrow::cli {
namespace {

struct SessionArguments {
    RunOptions run;
    std::string file;
};

std::string ReadAll(const std::string& file)
{
    if (file == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(file, std::ios::binary);
    if (!in) throw UsageError("cannot read " + file + ": " + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

host::RunRequest RequestFor(const SessionStep& step, const RunOptions& options)
{
    host::RunRequest request;
    request.playOption = options.playOption;
    if (step.kind == SessionStep::Kind::Call) {
        request.caller = step.caller;
        request.selector = step.selector;
    } else {
        request.descriptor = step.descriptor;
    }
    if (step.kind == SessionStep::Kind::Dialog) request.playOption = kPlayWithDialog;
    return request;
}

int RunSession(const SessionArguments& arguments)
{
    const std::string name = arguments.file == "-" ? "<stdin>" : arguments.file;
    const SessionParse script = ParseSession(ReadAll(arguments.file), name);
    if (!script.error.empty()) throw UsageError(script.error);

    host::Editor editor;
    PrepareEditor(editor, arguments.run);
    nlohmann::ordered_json reports = nlohmann::ordered_json::array();
    int exitStatus = 0;
    for (const auto& step : script.steps) {
        if (step.kind == SessionStep::Kind::Document) {
            editor.OpenDocument(step.document.width, step.document.height, step.document.resolution);
            continue;
        }
        if (!editor.TargetDocument()) editor.OpenDocument(1000, 500, 72.0);
        const std::string context = name + ":" + std::to_string(step.line) + ": ";
        // A dialog block plays its steps in this run's dialogs only.
        std::unique_ptr<DialogRun> dialog;
        if (step.kind == SessionStep::Kind::Dialog) {
            dialog = std::make_unique<DialogRun>(name, step.dialogSteps, "");
            dialog->Install(editor);
        }
        const host::RunReport report = editor.Run(RequestFor(step, arguments.run));
        if (dialog && dialog->Finish(editor, report, context, std::cerr) != 0) exitStatus = 1;
        if (arguments.run.json) {
            reports.push_back(ReportToJson(report));
            if (dialog) dialog->AddToJson(report, reports.back());
        } else {
            PrintReport(report, std::cout);
            if (dialog) dialog->Print(report, std::cout);
        }
        if (RunExitStatus(report, context, std::cerr) != 0) exitStatus = 1;
    }
    if (arguments.run.json) std::cout << reports.dump() << "\n";
    return exitStatus;
}

}  // namespace

void AddSessionCommand(CLI::App& command, int& exitStatus)
{
    auto arguments = std::make_shared<SessionArguments>();
    AddRunOptions(command, arguments->run);
    command.add_option("file", arguments->file, "The session file, or - for standard input")->required();
    command.callback([arguments, &exitStatus] { exitStatus = RunSession(*arguments); });
}

}  // namespace kestrow::cli
