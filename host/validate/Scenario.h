// The scenarios the validator runs a module through: each is a list of
// steps in one module lifetime, the way an editor drives a plug-in.
#pragma once

#include "session/RunReport.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::validate {

struct DocumentSize {
    int32_t width = 1000;
    int32_t height = 500;
    double resolution = 72.0;
};

// One thing the user does in the main dialog.
struct DialogAction {
    enum class Kind { Type, Click, Choose, ModifierDown, ModifierUp };
    Kind kind = Kind::Click;
    int32_t item = 0;
    std::string text;   // Type
    int32_t entry = 0;  // Choose: the entry's number, which is the units index
};

struct Step {
    enum class Kind { Run, OpenDocument, Reload };
    Kind kind = Kind::Run;
    host::RunRequest request;          // Run
    std::vector<DialogAction> dialog;  // Run: played in the main dialog when it opens
    DocumentSize document;             // OpenDocument
    // What the entry point returns when nothing fails; nothing for a step
    // whose outcome is any the module documents (a random dialog session).
    std::optional<PlugStatus> expected = 0;
};

struct Scenario {
    std::string name;  // letters, digits and '-'
    std::string summary;
    DocumentSize document;  // the target document when the module is loaded
    std::vector<Step> steps;
    bool usesDialogs = false;  // needs the dialog manager to build the module's dialogs
};

const std::vector<Scenario>& Scenarios();
const Scenario* FindScenario(const std::string& name);

bool IsDoIt(const host::RunRequest& request);
// The main dialog runs when the action parameters ask for it.
bool ShowsDialog(const host::RunRequest& request);

}  // namespace kestrow::validate
