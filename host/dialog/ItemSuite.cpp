// The item suite: texts, states, pictures and notify procedures of the
// items of open dialogs. A handle that is not an open dialog's item makes
// an operation do nothing and answer its empty value.
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <algorithm>
#include <cstring>

namespace kestrow::host {
namespace {

template <class Body>
void WithItem(const char* operation, ItemRef item, Body&& body)
{
    GuardedVoidCall(operation, [&](Host& host) {
        if (DialogItem* found = host.dialogs.FindItem(item)) body(*found);
    });
}

template <class T, class Body>
T ItemValue(const char* operation, ItemRef item, T empty, Body&& body)
{
    return GuardedValueCall<T>(operation, empty, [&](Host& host) -> T {
        DialogItem* found = host.dialogs.FindItem(item);
        return found ? body(*found) : empty;
    });
}

void HOSTCALL SetNotifyProc(ItemRef item, ItemNotifyProc proc)
{
    WithItem("Item.SetNotifyProc", item, [&](DialogItem& i) { i.notifyProc = proc; });
}

int32_t HOSTCALL GetID(ItemRef item)
{
    return ItemValue<int32_t>("Item.GetID", item, 0, [](DialogItem& i) { return i.Id(); });
}

DialogRef HOSTCALL GetDialog(ItemRef item)
{
    return ItemValue<DialogRef>("Item.GetDialog", item, nullptr,
                                [](DialogItem& i) { return reinterpret_cast<DialogRef>(&i.Owner()); });
}

ListRef HOSTCALL GetList(ItemRef item)
{
    return ItemValue<ListRef>("Item.GetList", item, nullptr,
                              [](DialogItem& i) { return reinterpret_cast<ListRef>(i.List()); });
}

void HOSTCALL SetText(ItemRef item, const char* text)
{
    WithItem("Item.SetText", item, [&](DialogItem& i) { i.text = text ? text : ""; });
}

void HOSTCALL GetText(ItemRef item, char* text, int32_t maxLength)
{
    WithItem("Item.GetText", item, [&](DialogItem& i) {
        if (!text || maxLength < 0) return;
        const size_t count = std::min(i.text.size(), static_cast<size_t>(maxLength));
        std::memcpy(text, i.text.data(), count);
        text[count] = '\0';
    });
}

void HOSTCALL SetMaxTextLength(ItemRef item, int32_t maxLength)
{
    WithItem("Item.SetMaxTextLength", item, [&](DialogItem& i) { i.maxTextLength = maxLength; });
}

void HOSTCALL SetItemStyle(ItemRef item, int32_t style)
{
    WithItem("Item.SetItemStyle", item, [&](DialogItem& i) { i.style = style; });
}

void HOSTCALL SetPrecision(ItemRef item, int32_t precision)
{
    WithItem("Item.SetPrecision", item, [&](DialogItem& i) { i.precision = precision; });
}

void HOSTCALL SetUnits(ItemRef item, int32_t units)
{
    WithItem("Item.SetUnits", item, [&](DialogItem& i) { i.units = units; });
}

void HOSTCALL Enable(ItemRef item, HostBool enable)
{
    WithItem("Item.Enable", item, [&](DialogItem& i) { i.enabled = enable != 0; });
}

void HOSTCALL Activate(ItemRef item, HostBool activate)
{
    GuardedVoidCall("Item.Activate", [&](Host& host) {
        DialogItem* found = host.dialogs.FindItem(item);
        if (!found) return;
        if (activate)
            for (const auto& other : found->Owner().Items()) other->focused = false;
        found->focused = activate != 0;
    });
}

void HOSTCALL SetBooleanValue(ItemRef item, HostBool value)
{
    WithItem("Item.SetBooleanValue", item, [&](DialogItem& i) { i.value = value != 0; });
}

HostBool HOSTCALL GetBooleanValue(ItemRef item)
{
    return ItemValue<HostBool>("Item.GetBooleanValue", item, 0, [](DialogItem& i) { return i.value ? 1 : 0; });
}

void HOSTCALL SetPictureID(ItemRef item, int32_t id)
{
    WithItem("Item.SetPictureID", item, [&](DialogItem& i) { i.pictureId = id; });
}

void HOSTCALL SetSelectedPictureID(ItemRef item, int32_t id)
{
    WithItem("Item.SetSelectedPictureID", item, [&](DialogItem& i) { i.selectedPictureId = id; });
}

void HOSTCALL SetDisabledPictureID(ItemRef item, int32_t id)
{
    WithItem("Item.SetDisabledPictureID", item, [&](DialogItem& i) { i.disabledPictureId = id; });
}

// The simulated dialog manager has no handling of its own for a tracked
// event, so it reports the event as not handled.
HostBool HOSTCALL DefaultTrack(ItemRef item, TrackerRef)
{
    return ItemValue<HostBool>("Item.DefaultTrack", item, 0, [](DialogItem&) { return 0; });
}

const ItemSuite4 kTable = {
    SetNotifyProc, GetID, GetDialog, GetList, SetText, GetText, SetMaxTextLength, SetItemStyle, SetPrecision,
    SetUnits, Enable, Activate, SetBooleanValue, GetBooleanValue, SetPictureID, SetSelectedPictureID,
    SetDisabledPictureID, DefaultTrack,
};

}  // namespace

const ItemSuite4& ItemSuiteTable() { return kTable; }

}  // namespace kestrow::host
