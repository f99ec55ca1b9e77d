#include "dialog/DialogManager.h"

#include <algorithm>

namespace kestrow::host {

int32_t DialogManager::Modal(const std::string& name, int32_t resourceId, DialogInitProc initProc, void* userData)
{
    std::optional<DialogTemplate> found = source_ ? source_->Find(resourceId) : std::nullopt;
    DialogTemplate empty{resourceId, name, {}};
    const bool built = found.has_value();
    open_.push_back(std::make_unique<Dialog>(built ? *found : empty));
    // The dialog closes when Modal returns, also when a script throws.
    struct Close {
        std::vector<std::unique_ptr<Dialog>>& open;
        ~Close() { open.pop_back(); }
    } close{open_};
    Dialog& dialog = *open_.back();
    dialog.userData = userData;

    if (initProc) initProc(reinterpret_cast<DialogRef>(&dialog));
    if (!dialog.Ended() && script_) {
        ModalSession session(*this, dialog);
        script_(session);
    }
    if (!dialog.Ended()) dialog.End(defaultResult_, false);

    const int32_t result = dialog.Result();
    runs_.push_back(DialogRun{name, resourceId, result, built});
    return result;
}

Dialog* DialogManager::FindDialog(const void* handle) const
{
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (it->get() == handle) return it->get();
    return nullptr;
}

DialogItem* DialogManager::FindItem(const void* handle) const
{
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (DialogItem* item = (*it)->FindItem(handle)) return item;
    return nullptr;
}

ItemList* DialogManager::FindList(const void* handle) const
{
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (ItemList* list = (*it)->FindList(handle)) return list;
    return nullptr;
}

ListEntry* DialogManager::FindEntry(const void* handle) const
{
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (ListEntry* entry = (*it)->FindEntry(handle)) return entry;
    return nullptr;
}

bool DialogManager::IsTracker(const void* handle) const { return tracking_ && handle == &tracker_; }

bool DialogManager::DeliverTrack(Dialog& dialog, const std::vector<int32_t>& actions)
{
    if (!dialog.trackProc || tracking_) return false;
    trackerActions_ = actions;
    tracking_ = true;
    dialog.trackProc(reinterpret_cast<DialogRef>(&dialog), reinterpret_cast<TrackerRef>(&tracker_));
    tracking_ = false;
    trackerActions_.clear();
    return true;
}

bool ModalSession::Notify(DialogItem& item)
{
    if (item.notifyProc) item.notifyProc(reinterpret_cast<ItemRef>(&item), nullptr);
    return true;
}

bool ModalSession::Type(int32_t itemId, const std::string& text)
{
    DialogItem* item = dialog_.Ended() ? nullptr : dialog_.Item(itemId);
    if (!item || !item->enabled) return false;
    const bool limited = item->maxTextLength >= 0 && text.size() > static_cast<size_t>(item->maxTextLength);
    item->text = limited ? text.substr(0, static_cast<size_t>(item->maxTextLength)) : text;
    return Notify(*item);
}

bool ModalSession::Click(int32_t itemId)
{
    DialogItem* item = dialog_.Ended() ? nullptr : dialog_.Item(itemId);
    if (!item || !item->enabled) return false;
    if (item->Kind() == ItemKind::Radio) item->value = true;
    if (item->Kind() == ItemKind::Checkbox) item->value = !item->value;
    return Notify(*item);
}

bool ModalSession::Choose(int32_t popupId, int32_t entryId)
{
    DialogItem* item = dialog_.Ended() ? nullptr : dialog_.Item(popupId);
    if (!item || !item->enabled || !item->List()) return false;
    ListEntry* entry = item->List()->EntryWithId(entryId);
    if (!entry) return false;
    item->List()->Select(*entry, true);
    return Notify(*item);
}

bool ModalSession::Track(const std::vector<int32_t>& actions)
{
    if (dialog_.Ended()) return false;
    return manager_.DeliverTrack(dialog_, actions);
}

}  // namespace kestrow::host
