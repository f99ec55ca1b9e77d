// kestrow play: one "Do It" run of the plug-in on one document.
#include "Commands.h"
#include "DialogRun.h"
#include "DocumentSpec.h"
#include "ItemParser.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "RunSupport.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace kestrow::cli {
namespace {

struct PlayArguments {
    RunOptions run;
    std::string document = "1000x500@72";
    bool empty = false;
    std::vector<std::string> items;
    DialogOptions dialog;
};

int RunPlay(const PlayArguments& arguments)
{
    const DocumentSpecParse document = ParseDocumentSpec(arguments.document);
    if (!document.size) throw UsageError(document.error);
    DescriptorParse descriptor = BuildDescriptor(arguments.items, arguments.empty);
    if (!descriptor.error.empty()) throw UsageError(descriptor.error);
    // A dialog script or picture asks for the interactive run.
    std::unique_ptr<DialogRun> dialog;
    if (arguments.dialog.Wanted()) dialog = std::make_unique<DialogRun>(arguments.dialog);

    host::Editor editor;
    PrepareEditor(editor, arguments.run);
    editor.OpenDocument(document.size->width, document.size->height, document.size->resolution);
    host::RunRequest request;
    request.playOption = dialog ? kPlayWithDialog : arguments.run.playOption;
    request.descriptor = std::move(descriptor.descriptor);
    if (dialog) dialog->Install(editor);
    const host::RunReport report = editor.Run(request);
    const int dialogStatus = dialog ? dialog->Finish(editor, report, "", std::cerr) : 0;

    if (arguments.run.json) {
        nlohmann::ordered_json json = ReportToJson(report);
        if (dialog) dialog->AddToJson(report, json);
        std::cout << json.dump() << "\n";
    } else {
        PrintReport(report, std::cout);
        if (dialog) dialog->Print(report, std::cout);
    }
    return std::max(RunExitStatus(report, "", std::cerr), dialogStatus);
}

}  // namespace

void AddPlayCommand(CLI::App& command, int& exitStatus)
{
    auto arguments = std::make_shared<PlayArguments>();
    AddRunOptions(command, arguments->run);
    command.add_option("--doc", arguments->document, "The document: WIDTHxHEIGHT[@PPI]")->capture_default_str();
    AddDialogOptions(command, arguments->dialog);
    command.add_flag("--empty", arguments->empty, "Hand the plug-in an empty descriptor instead of none");
    command.add_option("items", arguments->items, "Descriptor items: KEY=NUMBER, KEY=int:N, KEY=TYPE:VALUE, "
                                                  "KEY=unit:UNIT:NUMBER, KEY=text:TEXT");
    command.callback([arguments, &exitStatus] { exitStatus = RunPlay(*arguments); });
}

}  // namespace kestrow::cli
