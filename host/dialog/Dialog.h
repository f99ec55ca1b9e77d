// A dialog while it runs: its items, a popup's list of entries, and the
// procedures the plug-in installed. Everything here belongs to the dialog
// manager and lives until Modal returns.
#pragma once

#include "DialogSuites.h"
#include "dialog/DialogTemplate.h"

#include <memory>
#include <string>
#include <vector>

namespace kestrow::host {

class ItemList;
class DialogItem;
class Dialog;

class ListEntry {
public:
    explicit ListEntry(ItemList& list) : list_(&list) {}
    ItemList& List() const { return *list_; }
    int32_t id = 0;
    std::string text;

private:
    ItemList* list_;
};

class ItemList {
public:
    explicit ItemList(DialogItem& item) : item_(&item) {}
    DialogItem& Item() const { return *item_; }

    // A new entry at `index`, clamped to the list; later entries move down.
    ListEntry& Insert(int32_t index);
    ListEntry* EntryWithId(int32_t id) const;
    int32_t IndexOf(const ListEntry& entry) const;
    // The entry a handle points at, found by comparing addresses only.
    ListEntry* Find(const void* handle) const;
    ListEntry* Active() const { return active_; }
    void Select(ListEntry& entry, bool select);
    size_t Size() const { return entries_.size(); }
    ListEntry& At(size_t index) const { return *entries_[index]; }
    int32_t menuId = 0;

private:
    DialogItem* item_;
    std::vector<std::unique_ptr<ListEntry>> entries_;
    ListEntry* active_ = nullptr;
};

class DialogItem {
public:
    DialogItem(Dialog& dialog, const DialogItemTemplate& item);
    Dialog& Owner() const { return *dialog_; }
    int32_t Id() const { return layout_.id; }
    ItemKind Kind() const { return layout_.kind; }
    ItemList* List() const { return list_.get(); }
    // How the template placed and styled the item; its text there is the
    // starting text, `text` below is the one shown now.
    const DialogItemTemplate& Layout() const { return layout_; }
    // The icon a picture button shows now: the disabled picture while
    // disabled, the selected picture (when set) while on, else its picture.
    int32_t ShownPictureId() const;

    std::string text;
    int32_t maxTextLength = -1;  // -1: no limit
    int32_t style = 0;
    int32_t precision = 0;
    int32_t units = 0;
    bool enabled = true;
    bool focused = false;
    bool value = false;
    int32_t pictureId = 0;
    int32_t selectedPictureId = 0;
    int32_t disabledPictureId = 0;
    ItemNotifyProc notifyProc = nullptr;

private:
    Dialog* dialog_;
    DialogItemTemplate layout_;
    std::unique_ptr<ItemList> list_;  // popups only
};

// Who or what closed a dialog.
enum class DialogEnding {
    Open,             // still running
    ByPlugin,         // the plug-in called EndModal
    DefaultHandling,  // the dialog manager's own handling of push button 1 or 2
    Script,           // a host script ended it directly
    ScriptRanOut,     // the script had no steps left: closed as if the user closed it
    ScriptFailed,     // a step failed: closed as if the user closed it
    HostDefault,      // nothing ended it: the configured default result
};
const char* DialogEndingText(DialogEnding ending);

class Dialog {
public:
    explicit Dialog(const DialogTemplate& from);
    const std::string& Name() const { return name_; }
    int32_t ResourceId() const { return resourceId_; }
    const std::string& Caption() const { return caption_; }
    // Client area in dialog units, and the dialog font.
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t FontPoints() const { return fontPoints_; }
    const std::string& Typeface() const { return typeface_; }
    DialogItem* Item(int32_t id) const;
    const std::vector<std::unique_ptr<DialogItem>>& Items() const { return items_; }
    // Finds the object a handle points at among this dialog's own, without
    // reading through the handle.
    DialogItem* FindItem(const void* handle) const;
    ItemList* FindList(const void* handle) const;
    ListEntry* FindEntry(const void* handle) const;
    // The radio buttons of the group `item` belongs to, `item` included: a
    // group runs from an item that starts one to the next that does.
    std::vector<DialogItem*> RadioGroupOf(const DialogItem& item) const;

    // The first EndModal decides the result; later ones are ignored.
    void End(int32_t result, bool cancelling, DialogEnding ending = DialogEnding::ByPlugin);
    bool Ended() const { return ending_ != DialogEnding::Open; }
    int32_t Result() const { return result_; }
    bool Cancelling() const { return cancelling_; }
    DialogEnding Ending() const { return ending_; }

    int32_t mask = 0;
    DialogTrackProc trackProc = nullptr;
    void* userData = nullptr;

private:
    std::string name_;
    int32_t resourceId_;
    std::string caption_;
    int32_t width_;
    int32_t height_;
    int32_t fontPoints_;
    std::string typeface_;
    std::vector<std::unique_ptr<DialogItem>> items_;
    DialogEnding ending_ = DialogEnding::Open;
    bool cancelling_ = false;
    int32_t result_ = 0;
};

}  // namespace kestrow::host
