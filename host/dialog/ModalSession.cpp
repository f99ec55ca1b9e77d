#include "dialog/ModalSession.h"

#include "dialog/DialogManager.h"

namespace kestrow::host {
namespace {

bool IsEdit(ItemKind kind) { return kind == ItemKind::Edit; }
bool IsPopup(ItemKind kind) { return kind == ItemKind::Popup; }
bool IsClickable(ItemKind kind)
{
    return kind == ItemKind::Button || kind == ItemKind::Radio || kind == ItemKind::Checkbox ||
           kind == ItemKind::PictureButton;
}

std::string Describe(const DialogItem& item)
{
    return "item " + std::to_string(item.Id()) + " (" + ItemKindName(item.Kind()) + ")";
}

}  // namespace

const char* ItemKindName(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Text: return "label";
    case ItemKind::Edit: return "edit field";
    case ItemKind::Button: return "push button";
    case ItemKind::Radio: return "radio button";
    case ItemKind::Checkbox: return "checkbox";
    case ItemKind::PictureButton: return "picture button";
    case ItemKind::Popup: return "popup list";
    case ItemKind::Group: return "group frame";
    case ItemKind::Picture: return "picture";
    case ItemKind::Other: return "control";
    }
    return "control";
}

DialogItem* ModalSession::Target(int32_t itemId, const char* action, bool (*takes)(ItemKind), StepOutcome& refusal)
{
    if (dialog_.Ended()) {
        refusal.error = "the dialog \"" + dialog_.Name() + "\" has already closed";
        return nullptr;
    }
    DialogItem* item = dialog_.Item(itemId);
    if (!item) {
        refusal.error = "the dialog \"" + dialog_.Name() + "\" has no item " + std::to_string(itemId);
        return nullptr;
    }
    if (!takes(item->Kind())) {
        refusal.error = Describe(*item) + " cannot be " + action;
        return nullptr;
    }
    if (!item->enabled) {
        refusal.error = Describe(*item) + " is disabled; it cannot be " + action;
        return nullptr;
    }
    return item;
}

void ModalSession::Notify(DialogItem& item)
{
    if (item.notifyProc) item.notifyProc(reinterpret_cast<ItemRef>(&item), nullptr);
}

StepOutcome ModalSession::Type(int32_t itemId, const std::string& text)
{
    StepOutcome outcome;
    DialogItem* item = Target(itemId, "typed into", IsEdit, outcome);
    if (!item) return outcome;
    const bool limited = item->maxTextLength > 0 && text.size() > static_cast<size_t>(item->maxTextLength);
    item->text = limited ? text.substr(0, static_cast<size_t>(item->maxTextLength)) : text;
    for (const auto& other : dialog_.Items()) other->focused = false;
    item->focused = true;
    Notify(*item);
    return outcome;
}

StepOutcome ModalSession::Click(int32_t itemId)
{
    StepOutcome outcome;
    DialogItem* item = Target(itemId, "clicked", IsClickable, outcome);
    if (!item) return outcome;
    if (item->Kind() == ItemKind::Radio) {
        for (DialogItem* member : dialog_.RadioGroupOf(*item)) member->value = member == item;
    } else if (item->Kind() == ItemKind::Checkbox) {
        item->value = !item->value;
    }
    if (item->notifyProc) {
        Notify(*item);
    } else if (item->Kind() == ItemKind::Button && (item->Id() == 1 || item->Id() == 2)) {
        const bool ok = item->Id() == 1;
        dialog_.End(ok ? 1 : 0, !ok, DialogEnding::DefaultHandling);
    }
    return outcome;
}

StepOutcome ModalSession::Choose(int32_t popupId, int32_t index)
{
    StepOutcome outcome;
    DialogItem* item = Target(popupId, "chosen from", IsPopup, outcome);
    if (!item) return outcome;
    ItemList& list = *item->List();
    if (index < 0 || static_cast<size_t>(index) >= list.Size()) {
        outcome.error = Describe(*item) + " has " + std::to_string(list.Size()) + " entries; there is no entry " +
                        std::to_string(index);
        return outcome;
    }
    list.Select(list.At(static_cast<size_t>(index)), true);
    Notify(*item);
    return outcome;
}

StepOutcome ModalSession::Choose(int32_t popupId, const std::string& entryText)
{
    StepOutcome outcome;
    DialogItem* item = Target(popupId, "chosen from", IsPopup, outcome);
    if (!item) return outcome;
    const ItemList& list = *item->List();
    for (size_t i = 0; i < list.Size(); ++i)
        if (list.At(i).text == entryText) return Choose(popupId, static_cast<int32_t>(i));
    outcome.error = Describe(*item) + " has no entry \"" + entryText + "\"";
    return outcome;
}

StepOutcome ModalSession::Track(const std::vector<int32_t>& actions)
{
    StepOutcome outcome;
    if (dialog_.Ended()) outcome.error = "the dialog \"" + dialog_.Name() + "\" has already closed";
    else if (!manager_.DeliverTrack(dialog_, actions)) outcome.error = "no tracker procedure received the event";
    return outcome;
}

StepOutcome ModalSession::Modifier(bool down)
{
    StepOutcome outcome;
    if (dialog_.Ended()) {
        outcome.error = "the dialog \"" + dialog_.Name() + "\" has already closed";
        return outcome;
    }
    manager_.DeliverTrack(dialog_, {down ? kTrackModifierDown : kTrackModifierUp});
    if (!dialog_.Ended()) manager_.DeliverTrack(dialog_, {kTrackFollowUp});
    return outcome;
}

}  // namespace kestrow::host
