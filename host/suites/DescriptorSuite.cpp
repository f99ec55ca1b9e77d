// The action descriptor suite: thin adapters from handles to Descriptor.
#include "model/ItemTypes.h"
#include "model/StatusCodes.h"
#include "runtime/GuardedCall.h"
#include "suites/SuiteTables.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace kestrow::host {
namespace {

using Handle = ActionDescriptorHandle;

// Runs `body` with the live descriptor behind `handle`.
template <class Body>
HostStatus WithDescriptor(const char* operation, Handle handle, Body&& body)
{
    return GuardedCall(operation, [&](Host& host) -> HostStatus {
        Descriptor* descriptor = host.handles.FindDescriptor(TokenOf(handle), operation);
        if (!descriptor) return status::kBadHandle;
        return body(host, *descriptor);
    });
}

// Runs `body` with the item under `key` when it reads as one of `types`.
template <class Body>
HostStatus WithItem(const char* operation, Handle handle, FourCode key, std::initializer_list<FourCode> types,
                    Body&& body)
{
    return WithDescriptor(operation, handle, [&](Host& host, Descriptor& descriptor) -> HostStatus {
        const Item* item = descriptor.Find(key);
        if (!item) return status::kNoSuchKey;
        const bool readable = std::any_of(types.begin(), types.end(), [&](FourCode t) { return ItemReadsAs(*item, t); });
        if (!readable) return status::kWrongType;
        return body(host, *item);
    });
}

template <class Put>
HostStatus Putter(const char* operation, Handle handle, Put&& put)
{
    return WithDescriptor(operation, handle, [&](Host&, Descriptor& descriptor) -> HostStatus {
        put(descriptor);
        return status::kOk;
    });
}

HostStatus HOSTCALL Make(Handle* descriptor)
{
    return GuardedCall("ActionDescriptor.Make", [&](Host& host) -> HostStatus {
        if (!descriptor) return status::kBadParameter;
        *descriptor = HandleOf<Handle>(host.handles.Add(std::make_unique<Descriptor>(), HandleOwner::Plugin));
        return status::kOk;
    });
}

HostStatus HOSTCALL Free(Handle descriptor)
{
    return GuardedCall("ActionDescriptor.Free", [&](Host& host) {
        return host.handles.FreeFromPlugin(TokenOf(descriptor), HandleKind::Descriptor, "ActionDescriptor.Free");
    });
}

HostStatus HOSTCALL HasKey(Handle handle, FourCode key, HostBool* hasKey)
{
    return WithDescriptor("ActionDescriptor.HasKey", handle, [&](Host&, Descriptor& d) -> HostStatus {
        if (!hasKey) return status::kBadParameter;
        *hasKey = d.Has(key);
        return status::kOk;
    });
}

HostStatus HOSTCALL GetType(Handle handle, FourCode key, FourCode* type)
{
    return WithDescriptor("ActionDescriptor.GetType", handle, [&](Host&, Descriptor& d) -> HostStatus {
        if (!type) return status::kBadParameter;
        const Item* item = d.Find(key);
        if (!item) return status::kNoSuchKey;
        *type = item->type;
        return status::kOk;
    });
}

HostStatus HOSTCALL GetCount(Handle handle, uint32_t* count)
{
    return WithDescriptor("ActionDescriptor.GetCount", handle, [&](Host&, Descriptor& d) -> HostStatus {
        if (!count) return status::kBadParameter;
        *count = static_cast<uint32_t>(d.Count());
        return status::kOk;
    });
}

HostStatus HOSTCALL GetKey(Handle handle, uint32_t index, FourCode* key)
{
    return WithDescriptor("ActionDescriptor.GetKey", handle, [&](Host&, Descriptor& d) -> HostStatus {
        if (!key || index >= d.Count()) return status::kBadParameter;
        *key = d.Items()[index].key;
        return status::kOk;
    });
}

HostStatus HOSTCALL PutInteger(Handle handle, FourCode key, int32_t value)
{
    return Putter("ActionDescriptor.PutInteger", handle, [&](Descriptor& d) { d.PutInteger(key, value); });
}

HostStatus HOSTCALL PutFloat(Handle handle, FourCode key, double value)
{
    return Putter("ActionDescriptor.PutFloat", handle, [&](Descriptor& d) { d.PutFloat(key, value); });
}

HostStatus HOSTCALL PutUnitFloat(Handle handle, FourCode key, FourCode unit, double value)
{
    return Putter("ActionDescriptor.PutUnitFloat", handle, [&](Descriptor& d) { d.PutUnitFloat(key, unit, value); });
}

HostStatus HOSTCALL PutEnumerated(Handle handle, FourCode key, FourCode type, FourCode value)
{
    return Putter("ActionDescriptor.PutEnumerated", handle, [&](Descriptor& d) { d.PutEnumerated(key, type, value); });
}

HostStatus HOSTCALL PutBoolean(Handle handle, FourCode key, HostBool value)
{
    return Putter("ActionDescriptor.PutBoolean", handle, [&](Descriptor& d) { d.PutBoolean(key, value != 0); });
}

HostStatus HOSTCALL PutString(Handle handle, FourCode key, const char* value)
{
    if (!value) {
        return GuardedCall("ActionDescriptor.PutString", [](Host&) { return status::kBadParameter; });
    }
    return Putter("ActionDescriptor.PutString", handle, [&](Descriptor& d) { d.PutString(key, value); });
}

HostStatus HOSTCALL PutClass(Handle handle, FourCode key, FourCode classCode)
{
    return Putter("ActionDescriptor.PutClass", handle, [&](Descriptor& d) { d.PutClass(key, classCode); });
}

HostStatus HOSTCALL GetInteger(Handle handle, FourCode key, int32_t* value)
{
    return WithItem("ActionDescriptor.GetInteger", handle, key, {itemtype::kInteger}, [&](Host&, const Item& item) {
        if (!value) return status::kBadParameter;
        *value = std::get<int32_t>(item.value);
        return status::kOk;
    });
}

HostStatus HOSTCALL GetFloat(Handle handle, FourCode key, double* value)
{
    return WithItem("ActionDescriptor.GetFloat", handle, key, {itemtype::kFloat}, [&](Host&, const Item& item) {
        if (!value) return status::kBadParameter;
        *value = item.type == itemtype::kInteger ? std::get<int32_t>(item.value) : std::get<double>(item.value);
        return status::kOk;
    });
}

HostStatus HOSTCALL GetUnitFloat(Handle handle, FourCode key, FourCode* unit, double* value)
{
    return WithItem("ActionDescriptor.GetUnitFloat", handle, key, {itemtype::kUnitFloat}, [&](Host&, const Item& item) {
        if (!unit || !value) return status::kBadParameter;
        const auto& unitFloat = std::get<UnitFloat>(item.value);
        *unit = unitFloat.unit;
        *value = unitFloat.value;
        return status::kOk;
    });
}

HostStatus HOSTCALL GetEnumerated(Handle handle, FourCode key, FourCode* type, FourCode* value)
{
    return WithItem("ActionDescriptor.GetEnumerated", handle, key, {itemtype::kEnumerated}, [&](Host&, const Item& item) {
        if (!type || !value) return status::kBadParameter;
        const auto& enumerated = std::get<Enumerated>(item.value);
        *type = enumerated.type;
        *value = enumerated.value;
        return status::kOk;
    });
}

HostStatus HOSTCALL GetBoolean(Handle handle, FourCode key, HostBool* value)
{
    return WithItem("ActionDescriptor.GetBoolean", handle, key, {itemtype::kBoolean}, [&](Host&, const Item& item) {
        if (!value) return status::kBadParameter;
        *value = std::get<bool>(item.value) ? 1 : 0;
        return status::kOk;
    });
}

HostStatus HOSTCALL GetStringLength(Handle handle, FourCode key, uint32_t* length)
{
    return WithItem("ActionDescriptor.GetStringLength", handle, key, {itemtype::kText}, [&](Host&, const Item& item) {
        if (!length) return status::kBadParameter;
        *length = static_cast<uint32_t>(std::get<std::string>(item.value).size());
        return status::kOk;
    });
}

HostStatus HOSTCALL GetString(Handle handle, FourCode key, char* text, uint32_t maxLength)
{
    return WithItem("ActionDescriptor.GetString", handle, key, {itemtype::kText}, [&](Host&, const Item& item) {
        if (!text || maxLength == 0) return status::kBadParameter;
        const auto& value = std::get<std::string>(item.value);
        const size_t count = std::min<size_t>(value.size(), maxLength - 1);
        std::memcpy(text, value.data(), count);
        text[count] = '\0';
        return status::kOk;
    });
}

HostStatus HOSTCALL GetClass(Handle handle, FourCode key, FourCode* classCode)
{
    return WithItem("ActionDescriptor.GetClass", handle, key, {itemtype::kClass, itemtype::kGlobalClass},
                    [&](Host&, const Item& item) {
                        if (!classCode) return status::kBadParameter;
                        *classCode = std::get<ClassValue>(item.value).classCode;
                        return status::kOk;
                    });
}

HostStatus GetObjectOf(const char* operation, FourCode type, Handle handle, FourCode key, FourCode* classCode,
                       Handle* object)
{
    return WithItem(operation, handle, key, {type}, [&](Host& host, const Item& item) {
        if (!classCode || !object) return status::kBadParameter;
        const auto& value = std::get<ObjectValue>(item.value);
        *object = HandleOf<Handle>(host.handles.Add(std::make_unique<Descriptor>(*value.descriptor), HandleOwner::Plugin));
        *classCode = value.classCode;
        return status::kOk;
    });
}

HostStatus HOSTCALL GetObject(Handle handle, FourCode key, FourCode* classCode, Handle* object)
{
    return GetObjectOf("ActionDescriptor.GetObject", itemtype::kObject, handle, key, classCode, object);
}

HostStatus HOSTCALL GetGlobalObject(Handle handle, FourCode key, FourCode* classCode, Handle* object)
{
    return GetObjectOf("ActionDescriptor.GetGlobalObject", itemtype::kGlobalObject, handle, key, classCode, object);
}

HostStatus HOSTCALL GetReference(Handle handle, FourCode key, ActionReferenceHandle* reference)
{
    return WithItem("ActionDescriptor.GetReference", handle, key, {itemtype::kReference}, [&](Host& host, const Item& item) {
        if (!reference) return status::kBadParameter;
        auto copy = std::make_unique<Reference>(*std::get<ReferenceValue>(item.value));
        *reference = HandleOf<ActionReferenceHandle>(host.handles.Add(std::move(copy), HandleOwner::Plugin));
        return status::kOk;
    });
}

HostStatus HOSTCALL GetList(Handle handle, FourCode key, ActionListHandle* list)
{
    return WithItem("ActionDescriptor.GetList", handle, key, {itemtype::kList}, [&](Host& host, const Item& item) {
        if (!list) return status::kBadParameter;
        auto copy = std::make_unique<ActionList>(*std::get<ListValue>(item.value));
        *list = HandleOf<ActionListHandle>(host.handles.Add(std::move(copy), HandleOwner::Plugin));
        return status::kOk;
    });
}

HostStatus HOSTCALL GetAlias(Handle handle, FourCode key, AliasHandle* alias)
{
    return WithItem("ActionDescriptor.GetAlias", handle, key, {itemtype::kAlias, itemtype::kPath},
                    [&](Host& host, const Item& item) {
                        if (!alias) return status::kBadParameter;
                        auto copy = std::make_unique<AliasValue>(std::get<AliasValue>(item.value));
                        *alias = HandleOf<AliasHandle>(host.handles.Add(std::move(copy), HandleOwner::Plugin));
                        return status::kOk;
                    });
}

HostStatus HOSTCALL FreeList(ActionListHandle list)
{
    return GuardedCall("ActionDescriptor.FreeList", [&](Host& host) {
        return host.handles.FreeFromPlugin(TokenOf(list), HandleKind::List, "ActionDescriptor.FreeList");
    });
}

HostStatus HOSTCALL FreeAlias(AliasHandle alias)
{
    return GuardedCall("ActionDescriptor.FreeAlias", [&](Host& host) {
        return host.handles.FreeFromPlugin(TokenOf(alias), HandleKind::Alias, "ActionDescriptor.FreeAlias");
    });
}

const ActionDescriptorSuite2 kTable = {
    Make, Free, HasKey, GetType, GetCount, GetKey,
    PutInteger, PutFloat, PutUnitFloat, PutEnumerated, PutBoolean, PutString, PutClass,
    GetInteger, GetFloat, GetUnitFloat, GetEnumerated, GetBoolean, GetStringLength, GetString, GetClass,
    GetObject, GetGlobalObject, GetReference, GetList, GetAlias, FreeList, FreeAlias,
};

}  // namespace

const ActionDescriptorSuite2& DescriptorSuiteTable() { return kTable; }

}  // namespace kestrow::host
