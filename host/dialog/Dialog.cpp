#include "dialog/Dialog.h"

#include <algorithm>

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
    : text(item.text), enabled(item.enabled), dialog_(&dialog), id_(item.id), kind_(item.kind)
{
    if (kind_ == ItemKind::Popup) list_ = std::make_unique<ItemList>(*this);
}

Dialog::Dialog(const DialogTemplate& from) : name_(from.name), resourceId_(from.resourceId)
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

void Dialog::End(int32_t result, bool cancelling)
{
    if (ended_) return;
    ended_ = true;
    result_ = result;
    cancelling_ = cancelling;
}

}  // namespace kestrow::host
