// The host's dialog manager: builds a dialog for Modal, calls the plug-in's
// init procedure, lets a script play the user's steps, and ends the dialog
// with the result the script or the configured default gives.
//
// Dialogs are built by a DialogSource (the module's dialog resources, once
// they can be read); without one, or for a resource it lacks, the dialog
// has no items, GetItem answers null, and Modal still runs and ends.
#pragma once

#include "DialogSuites.h"
#include "dialog/Dialog.h"
#include "dialog/DialogTemplate.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrow::host {

class DialogManager;

// Builds dialog templates by resource number.
class DialogSource {
public:
    virtual ~DialogSource() = default;
    virtual std::optional<DialogTemplate> Find(int32_t resourceId) const = 0;
};

// The user's side of a running dialog, handed to a modal script.
class ModalSession {
public:
    ModalSession(DialogManager& manager, Dialog& dialog) : manager_(manager), dialog_(dialog) {}
    Dialog& Current() { return dialog_; }
    DialogItem* Item(int32_t id) { return dialog_.Item(id); }
    // Each step returns false when the dialog has already ended or the item
    // cannot take the step; otherwise it changes the item as a user would
    // and calls the item's notify procedure.
    bool Type(int32_t itemId, const std::string& text);
    bool Click(int32_t itemId);
    bool Choose(int32_t popupId, int32_t entryId);
    // Delivers one tracker event holding these action codes to the tracker
    // procedure; false when none is installed.
    bool Track(const std::vector<int32_t>& actions);
    void End(int32_t result) { dialog_.End(result, false); }

private:
    bool Notify(DialogItem& item);
    DialogManager& manager_;
    Dialog& dialog_;
};

class DialogManager {
public:
    using ModalScript = std::function<void(ModalSession&)>;

    struct DialogRun {
        std::string name;
        int32_t resourceId;
        int32_t result;
        bool built;  // false when no template was found
    };

    void SetSource(std::shared_ptr<const DialogSource> source) { source_ = std::move(source); }
    // The result Modal ends with when neither the plug-in nor the script ended it.
    void SetDefaultResult(int32_t result) { defaultResult_ = result; }
    // Steps to play in every dialog that runs, after its init procedure.
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
    // Deliver a tracker event; used by ModalSession.
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
