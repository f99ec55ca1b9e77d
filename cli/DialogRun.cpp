#include "DialogRun.h"

#include "DialogItemNames.h"
#include "DialogRender.h"
#include "DialogScript.h"
#include "ReportText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace kestrow::cli {
namespace {

std::string ReadScript(const std::string& file)
{
    if (file == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(file, std::ios::binary);
    if (!in) throw UsageError("cannot read " + file + ": " + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ItemDetails(const host::DialogItem& item)
{
    std::string details;
    switch (item.Kind()) {
    case host::ItemKind::Popup: {
        const host::ListEntry* chosen = item.List()->Active();
        details = chosen ? Quoted(chosen->text) + " (entry " + std::to_string(item.List()->IndexOf(*chosen)) + ")"
                         : "(no entry chosen)";
        break;
    }
    case host::ItemKind::PictureButton:
        details = std::string(item.value ? "on" : "off") + " pictures " + std::to_string(item.pictureId) + "/" +
                  std::to_string(item.selectedPictureId) + "/" + std::to_string(item.disabledPictureId) +
                  " (shows " + std::to_string(item.ShownPictureId()) + ")";
        break;
    case host::ItemKind::Radio:
    case host::ItemKind::Checkbox: details = Quoted(item.text) + (item.value ? " on" : " off"); break;
    default: details = Quoted(item.text); break;
    }
    if (!item.enabled) details += " disabled";
    if (item.focused) details += " focus";
    return details;
}

nlohmann::ordered_json ItemJson(const host::DialogItem& item)
{
    nlohmann::ordered_json out = {{"id", item.Id()}};
    const std::string name = DialogItemName(item.Id());
    if (!name.empty()) out["name"] = name;
    out["kind"] = host::ItemKindName(item.Kind());
    out["text"] = host::ItemPropertyText(item, host::ItemProperty::Text);
    out["enabled"] = item.enabled;
    if (item.Kind() == host::ItemKind::Popup) {
        out["chosen"] = std::stoi(host::ItemPropertyText(item, host::ItemProperty::Value));
    } else if (item.Kind() == host::ItemKind::Radio || item.Kind() == host::ItemKind::Checkbox ||
               item.Kind() == host::ItemKind::PictureButton) {
        out["value"] = item.value;
    }
    if (item.Kind() == host::ItemKind::PictureButton) {
        out["picture"] = item.pictureId;
        out["selectedPicture"] = item.selectedPictureId;
        out["disabledPicture"] = item.disabledPictureId;
        out["shownPicture"] = item.ShownPictureId();
    }
    if (item.focused) out["focused"] = true;
    return out;
}

}  // namespace

void AddDialogOptions(CLI::App& command, DialogOptions& options)
{
    command.add_option("--dialog", options.script,
                       "Show the dialog and play the steps of SCRIPT in it (- for standard input)")
        ->type_name("SCRIPT");
    command.add_option("--render", options.render, "Draw the dialog as it looked when it closed into FILE.png")
        ->type_name("FILE.png");
}

DialogRun::DialogRun(const DialogOptions& options) : source_(options.script), render_(options.render)
{
    if (!render_.empty() && !CanRender())
        throw UsageError("--render: this kestrow was built without the dialog renderer (cairo)");
    std::vector<host::ScriptStep> steps;
    if (!options.script.empty()) {
        if (options.script == "-") source_ = "<stdin>";
        DialogScriptParse parse = ParseDialogScript(ReadScript(options.script), source_);
        if (!parse.error.empty()) throw UsageError(parse.error);
        steps = std::move(parse.steps);
    }
    player_ = std::make_shared<host::ScriptPlayer>(source_.empty() ? "<no script>" : source_, std::move(steps), nullptr);
}

DialogRun::DialogRun(std::string source, std::vector<host::ScriptStep> steps, std::string render)
    : source_(std::move(source)), render_(std::move(render)),
      player_(std::make_shared<host::ScriptPlayer>(source_, std::move(steps), nullptr))
{
}

void DialogRun::Install(host::Editor& editor)
{
    const host::DialogManager* manager = &editor.dialogs();
    // The player keeps its steps; its renderer reaches the module's icons
    // through the editor's dialog manager, which outlives the run.
    player_->SetRenderer([manager](const host::Dialog& dialog, const std::string& file) {
        return RenderDialogFile(dialog, manager->Source(), file);
    });
    std::shared_ptr<host::ScriptPlayer> player = player_;
    editor.dialogs().SetScript([player](host::ModalSession& session) { player->Play(session); });
}

int DialogRun::Finish(host::Editor& editor, const host::RunReport& report, const std::string& context,
                      std::ostream& err)
{
    editor.dialogs().SetScript(nullptr);
    int status = 0;
    if (!player_->Failure().empty()) {
        err << "kestrow: " << player_->Failure() << "\n";
        status = 1;
    }
    if (!render_.empty()) {
        const host::Dialog* last = report.dialogs.empty() ? nullptr : report.dialogs.back().closed.get();
        renderFailure_ = last ? RenderDialogFile(*last, editor.dialogs().Source(), render_)
                              : "cannot draw " + render_ + ": no dialog was shown";
        if (!renderFailure_.empty()) {
            err << "kestrow: " << context << renderFailure_ << "\n";
            status = 1;
        }
    }
    return status;
}

void DialogRun::Print(const host::RunReport& report, std::ostream& out) const
{
    const bool steps = player_->StepCount() != 0;
    if (steps)
        out << "  dialog script " << player_->Source() << ": " << player_->StepsRun() << " of "
            << player_->StepCount() << " steps run\n";
    if (!player_->Failure().empty()) out << "  step failed: " << player_->Failure() << "\n";
    for (const std::string& name : player_->RanOutIn())
        out << (steps ? "  the steps ran out" : "  no dialog steps") << " with the dialog \"" << name
            << "\" open: it was closed as if the user closed it (result 0)\n";
    for (const auto& run : report.dialogs) {
        if (!run.closed) continue;
        out << "  dialog \"" << run.name << "\" " << run.resourceId << " as it closed ("
            << host::DialogEndingText(run.ending) << "):\n";
        for (const auto& item : run.closed->Items()) {
            if (item->Id() == -1) continue;
            char head[64];
            std::snprintf(head, sizeof head, "    %-6d %-14s %-15s ", item->Id(), DialogItemName(item->Id()).c_str(),
                          host::ItemKindName(item->Kind()));
            out << head << ItemDetails(*item) << "\n";
        }
    }
    if (!render_.empty() && renderFailure_.empty()) out << "  drawn into " << render_ << "\n";
}

void DialogRun::AddToJson(const host::RunReport& report, nlohmann::ordered_json& json) const
{
    auto& dialogs = json["dialogs"];
    for (size_t i = 0; i < report.dialogs.size() && i < dialogs.size(); ++i) {
        const auto& run = report.dialogs[i];
        dialogs[i]["ending"] = host::DialogEndingText(run.ending);
        if (!run.closed) continue;
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        for (const auto& item : run.closed->Items())
            if (item->Id() != -1) items.push_back(ItemJson(*item));
        dialogs[i]["items"] = std::move(items);
    }
    json["script"] = {
        {"source", player_->Source()},
        {"steps", player_->StepCount()},
        {"stepsRun", player_->StepsRun()},
        {"failure", player_->Failure().empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(player_->Failure())},
        {"ranOutIn", player_->RanOutIn()},
    };
    if (!render_.empty()) json["rendered"] = renderFailure_.empty() ? nlohmann::ordered_json(render_) : nlohmann::ordered_json(nullptr);
}

}  // namespace kestrow::cli
