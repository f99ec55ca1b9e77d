// The host's dialog manager: builds a dialog for Modal from its source (the
// module's own dialog resources), calls the plug-in's init procedure, then
// lets the script play the user's steps until the dialog ends. A dialog the
// script leaves open ends with the configured default result.
//
// Without a source, or for a resource it lacks, the dialog has no items,
// GetItem answers null, and Modal still runs and ends.
//
// Dialogs nest (the About box opened from the main dialog's button): the
// script is called again for the inner dialog, and its steps act on the
// innermost open dialog until that one closes.
#pragma once

#include "DialogSuites.h"
#include "dialog/Dialog.h"
#include "dialog/DialogSource.h"
#include "dialog/DialogTemplate.h"
#include "dialog/ModalSession.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrow::host {

// The bit of a dialog's action mask that lets tracker action `action`
// through: bit n for an action n from 0 to 15, bit 16 + n for an action -n
// from -1 to -15; 0 for any other action, which no mask lets through. The
// reset modifier's actions 7, -7 and -2 are bits 7, 23 and 18.
int32_t ActionMaskBit(int32_t action);

class DialogManager {
public:
    using ModalScript = std::function<void(ModalSession&)>;

    struct DialogRun {
        std::string name;
        int32_t resourceId;
        int32_t result;
        bool built;  // false when no template was found
        DialogEnding ending = DialogEnding::ByPlugin;
        // The dialog as it was when it closed: its items' texts, states and
        // pictures, and its layout. No handle reaches it any more.
        std::shared_ptr<const Dialog> closed;
    };

    void SetSource(std::shared_ptr<const DialogSource> source) { source_ = std::move(source); }
    const DialogSource* Source() const { return source_.get(); }
    // The result Modal ends with when neither the plug-in nor the script ended it.
    void SetDefaultResult(int32_t result) { defaultResult_ = result; }
    // Steps to play in every dialog that runs, after its init procedure;
    // an empty script leaves the dialogs to the default result.
    void SetScript(ModalScript script) { script_ = std::move(script); }

    int32_t Modal(const std::string& name, int32_t resourceId, DialogInitProc initProc, void* userData);

    // The open dialog (innermost first) that owns a handle, or null.
    Dialog* FindDialog(const void* handle) const;
    DialogItem* FindItem(const void* handle) const;
    ItemList* FindList(const void* handle) const;
    ListEntry* FindEntry(const void* handle) const;
    bool IsTracker(const void* handle) const;
    const std::vector<int32_t>& TrackerActions() const { return trackerActions_; }

    const std::vector<DialogRun>& Runs() const { return runs_; }
    // Delivers one tracked event to the dialog's tracker procedure with the
    // actions its mask lets through; false when none reach a procedure.
    bool DeliverTrack(Dialog& dialog, const std::vector<int32_t>& actions);

private:
    std::shared_ptr<const DialogSource> source_;
    int32_t defaultResult_ = 0;
    ModalScript script_;
    std::vector<std::unique_ptr<Dialog>> open_;
    std::vector<DialogRun> runs_;
    // The tracker handed to a tracker procedure: its address is the TrackerRef.
    struct Tracker {
        int32_t unused;
    } tracker_{};
    std::vector<int32_t> trackerActions_;
    bool tracking_ = false;
};

}  // namespace kestrow::host
