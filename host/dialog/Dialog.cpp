#include "dialog/Dialog.h"

#include <algorithm>
#include <cstdlib>

namespace kestrow::host {

ListEntry& ItemList::Insert(int32_t index)
{
    const auto size = static_cast<int32_t>(entries_.size());
    const int32_t at = std::clamp(index, 0, size);
    auto it = entries_.insert(entries_.begin() + at, std::make_unique<ListEntry>(*this));
    return **it;
}

ListEntry* ItemList::EntryWithId(int32_t id) const
{
    for (const auto& entry : entries_)
        if (entry->id == id) return entry.get();
    return nullptr;
}

int32_t ItemList::IndexOf(const ListEntry& entry) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].get() == &entry) return static_cast<int32_t>(i);
    return -1;
}

ListEntry* ItemList::Find(const void* handle) const
{
    for (const auto& entry : entries_)
        if (entry.get() == handle) return entry.get();
    return nullptr;
}

void ItemList::Select(ListEntry& entry, bool select)
{
    if (select) active_ = &entry;
    else if (active_ == &entry) active_ = nullptr;
}

DialogItem::DialogItem(Dialog& dialog, const DialogItemTemplate& item)
    : text(item.text), enabled(item.enabled), dialog_(&dialog), layout_(item)
{
    if (layout_.kind == ItemKind::Popup) list_ = std::make_unique<ItemList>(*this);
    // A picture button's text is the number of the icon it shows at first.
    if (layout_.kind == ItemKind::PictureButton) pictureId = std::atoi(item.text.c_str());
}

int32_t DialogItem::ShownPictureId() const
{
    if (!enabled) return disabledPictureId;
    if (value && selectedPictureId != 0) return selectedPictureId;
    return pictureId;
}

const char* DialogEndingText(DialogEnding ending)
{
    switch (ending) {
    case DialogEnding::Open: return "still open";
    case DialogEnding::ByPlugin: return "ended by the plug-in";
    case DialogEnding::DefaultHandling: return "closed by the dialog manager's handling of its button";
    case DialogEnding::Script: return "ended by the host script";
    case DialogEnding::ScriptRanOut: return "the script ran out: closed as if the user closed it";
    case DialogEnding::ScriptFailed: return "a script step failed: closed as if the user closed it";
    case DialogEnding::HostDefault: return "closed with the host's default result";
    }
    return "closed";
}

Dialog::Dialog(const DialogTemplate& from)
    : name_(from.name), resourceId_(from.resourceId), caption_(from.caption), width_(from.width),
      height_(from.height), fontPoints_(from.fontPoints), typeface_(from.typeface)
{
    for (const auto& item : from.items) items_.push_back(std::make_unique<DialogItem>(*this, item));
}

DialogItem* Dialog::Item(int32_t id) const
{
    for (const auto& item : items_)
        if (item->Id() == id) return item.get();
    return nullptr;
}

DialogItem* Dialog::FindItem(const void* handle) const
{
    for (const auto& item : items_)
        if (item.get() == handle) return item.get();
    return nullptr;
}

ItemList* Dialog::FindList(const void* handle) const
{
    for (const auto& item : items_)
        if (item->List() && item->List() == handle) return item->List();
    return nullptr;
}

ListEntry* Dialog::FindEntry(const void* handle) const
{
    for (const auto& item : items_) {
        if (!item->List()) continue;
        if (ListEntry* entry = item->List()->Find(handle)) return entry;
    }
    return nullptr;
}

std::vector<DialogItem*> Dialog::RadioGroupOf(const DialogItem& item) const
{
    size_t at = 0;
    while (at < items_.size() && items_[at].get() != &item) ++at;
    if (at == items_.size()) return {};
    size_t first = at;
    while (first > 0 && !items_[first]->Layout().startsGroup) --first;
    std::vector<DialogItem*> group;
    for (size_t i = first; i < items_.size(); ++i) {
        if (i > first && items_[i]->Layout().startsGroup) break;
        if (items_[i]->Kind() == ItemKind::Radio) group.push_back(items_[i].get());
    }
    return group;
}

void Dialog::End(int32_t result, bool cancelling, DialogEnding ending)
{
    if (Ended()) return;
    ending_ = ending == DialogEnding::Open ? DialogEnding::ByPlugin : ending;
    result_ = result;
    cancelling_ = cancelling;
}

}  // namespace kestrow::host
