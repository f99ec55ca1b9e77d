// The list, entry and tracker suites: a popup's entries and the tracked
// event handed to a tracker procedure.
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <algorithm>

namespace kestrow::host {
namespace {

void HOSTCALL SetMenuID(ListRef list, int32_t menuId)
{
    GuardedVoidCall("List.SetMenuID", [&](Host& host) {
        if (ItemList* l = host.dialogs.FindList(list)) l->menuId = menuId;
    });
}

EntryRef HOSTCALL InsertEntry(ListRef list, int32_t index)
{
    return GuardedValueCall<EntryRef>("List.InsertEntry", nullptr, [&](Host& host) -> EntryRef {
        ItemList* l = host.dialogs.FindList(list);
        return l ? reinterpret_cast<EntryRef>(&l->Insert(index)) : nullptr;
    });
}

EntryRef HOSTCALL GetActiveEntry(ListRef list)
{
    return GuardedValueCall<EntryRef>("List.GetActiveEntry", nullptr, [&](Host& host) -> EntryRef {
        ItemList* l = host.dialogs.FindList(list);
        return l ? reinterpret_cast<EntryRef>(l->Active()) : nullptr;
    });
}

EntryRef HOSTCALL GetEntry(ListRef list, int32_t entryId)
{
    return GuardedValueCall<EntryRef>("List.GetEntry", nullptr, [&](Host& host) -> EntryRef {
        ItemList* l = host.dialogs.FindList(list);
        return l ? reinterpret_cast<EntryRef>(l->EntryWithId(entryId)) : nullptr;
    });
}

template <class Body>
void WithEntry(const char* operation, EntryRef entry, Body&& body)
{
    GuardedVoidCall(operation, [&](Host& host) {
        if (ListEntry* e = host.dialogs.FindEntry(entry)) body(*e);
    });
}

void HOSTCALL SetID(EntryRef entry, int32_t entryId)
{
    WithEntry("Entry.SetID", entry, [&](ListEntry& e) { e.id = entryId; });
}

void HOSTCALL SetText(EntryRef entry, const char* text)
{
    WithEntry("Entry.SetText", entry, [&](ListEntry& e) { e.text = text ? text : ""; });
}

void HOSTCALL Select(EntryRef entry, HostBool select)
{
    WithEntry("Entry.Select", entry, [&](ListEntry& e) { e.List().Select(e, select != 0); });
}

int32_t HOSTCALL GetIndex(EntryRef entry)
{
    return GuardedValueCall<int32_t>("Entry.GetIndex", -1, [&](Host& host) {
        ListEntry* e = host.dialogs.FindEntry(entry);
        return e ? e->List().IndexOf(*e) : -1;
    });
}

HostBool HOSTCALL TestAction(TrackerRef tracker, int32_t action)
{
    return GuardedValueCall<HostBool>("Tracker.TestAction", 0, [&](Host& host) -> HostBool {
        if (!host.dialogs.IsTracker(tracker)) return 0;
        const auto& actions = host.dialogs.TrackerActions();
        return std::find(actions.begin(), actions.end(), action) != actions.end();
    });
}

const ListSuite1 kList = {SetMenuID, InsertEntry, GetActiveEntry, GetEntry};
const EntrySuite2 kEntry = {SetID, SetText, Select, GetIndex};
const TrackerSuite1 kTracker = {TestAction};

}  // namespace

const ListSuite1& ListSuiteTable() { return kList; }
const EntrySuite2& EntrySuiteTable() { return kEntry; }
const TrackerSuite1& TrackerSuiteTable() { return kTracker; }

}  // namespace kestrow::host
