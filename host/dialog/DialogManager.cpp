#include "dialog/DialogManager.h"

#include <algorithm>
#include <optional>

namespace kestrow::host {

int32_t ActionMaskBit(int32_t action)
{
    if (action >= 0 && action < 16) return int32_t(1) << action;
    if (action < 0 && action > -16) return int32_t(1) << (16 - action);
    return 0;
}

int32_t DialogManager::Modal(const std::string& name, int32_t resourceId, DialogInitProc initProc, void* userData)
{
    std::optional<DialogTemplate> found = source_ ? source_->Find(resourceId) : std::nullopt;
    const bool built = found.has_value();
    DialogTemplate from = built ? std::move(*found) : DialogTemplate{resourceId, name, {}};
    from.name = name;
    open_.push_back(std::make_unique<Dialog>(from));
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
    if (!dialog.Ended()) dialog.End(defaultResult_, false, DialogEnding::HostDefault);

    const int32_t result = dialog.Result();
    std::shared_ptr<const Dialog> closed(std::move(open_.back()));
    runs_.push_back(DialogRun{name, resourceId, result, built, closed->Ending(), closed});
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
    std::vector<int32_t> passed;
    for (int32_t action : actions)
        if ((dialog.mask & ActionMaskBit(action)) != 0) passed.push_back(action);
    if (passed.empty()) return false;
    trackerActions_ = std::move(passed);
    tracking_ = true;
    struct Done {
        DialogManager& manager;
        ~Done()
        {
            manager.tracking_ = false;
            manager.trackerActions_.clear();
        }
    } done{*this};
    dialog.trackProc(reinterpret_cast<DialogRef>(&dialog), reinterpret_cast<TrackerRef>(&tracker_));
    return true;
}

}  // namespace kestrow::host
