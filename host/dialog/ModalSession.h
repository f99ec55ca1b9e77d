// The user's side of a running dialog: the steps a person takes (typing,
// clicking, choosing, holding the reset modifier), each changing the item as
// the dialog would and then calling the plug-in's notify procedure. A step
// the dialog would refuse (a disabled item, a label clicked) changes nothing
// and says why.
#pragma once

#include "dialog/Dialog.h"

#include <string>
#include <vector>

namespace kestrow::host {

class DialogManager;

// What one step came to: success, or why the dialog refused it.
struct StepOutcome {
    std::string error;
    explicit operator bool() const { return error.empty(); }
};

class ModalSession {
public:
    ModalSession(DialogManager& manager, Dialog& dialog) : manager_(manager), dialog_(dialog) {}
    Dialog& Current() { return dialog_; }
    DialogItem* Item(int32_t id) { return dialog_.Item(id); }

    // Replaces an edit field's text as typed, cut to the length the plug-in
    // allowed, gives it the focus and notifies.
    StepOutcome Type(int32_t itemId, const std::string& text);
    // Push button, radio button, checkbox or picture button. A radio turns
    // on and the others of its group off; a checkbox toggles; a picture
    // button only notifies. A push button without a notify procedure gets
    // the dialog manager's own handling: item 1 ends the dialog with 1,
    // item 2 with 0.
    StepOutcome Click(int32_t itemId);
    // Chooses a popup's entry by position (from 0), or by its text.
    StepOutcome Choose(int32_t popupId, int32_t index);
    StepOutcome Choose(int32_t popupId, const std::string& entryText);
    // One tracked event holding these actions, delivered when the dialog's
    // mask lets any of them through; refused when none reaches a tracker.
    StepOutcome Track(const std::vector<int32_t>& actions);
    // The reset modifier goes down (actions 7 then -2) or up (-7 then -2),
    // each delivered as its own event where the mask lets it through; a
    // dialog that does not listen simply sees nothing.
    StepOutcome Modifier(bool down);
    void End(int32_t result, DialogEnding ending = DialogEnding::Script) { dialog_.End(result, false, ending); }

private:
    // The item if the dialog is open, has it, and it is enabled and of a kind
    // that takes `action`; otherwise the reason in `refusal`.
    DialogItem* Target(int32_t itemId, const char* action, bool (*takes)(ItemKind), StepOutcome& refusal);
    void Notify(DialogItem& item);
    DialogManager& manager_;
    Dialog& dialog_;
};

// "edit field", "push button", ...: how messages name an item's kind.
const char* ItemKindName(ItemKind kind);

}  // namespace kestrow::host
