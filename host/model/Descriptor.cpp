#include "model/Descriptor.h"

#include "model/ActionList.h"
#include "model/ItemTypes.h"
#include "model/Reference.h"

#include <algorithm>

namespace kestrow::host {

void Descriptor::Put(FourCode key, FourCode type, Value value)
{
    auto it = std::find_if(items_.begin(), items_.end(), [key](const Item& item) { return item.key == key; });
    if (it != items_.end()) {
        it->type = type;
        it->value = std::move(value);
    } else {
        items_.push_back(Item{key, type, std::move(value)});
    }
}

void Descriptor::PutInteger(FourCode key, int32_t value) { Put(key, itemtype::kInteger, value); }
void Descriptor::PutFloat(FourCode key, double value) { Put(key, itemtype::kFloat, value); }
void Descriptor::PutUnitFloat(FourCode key, FourCode unit, double value)
{
    Put(key, itemtype::kUnitFloat, UnitFloat{unit, value});
}
void Descriptor::PutEnumerated(FourCode key, FourCode type, FourCode value)
{
    Put(key, itemtype::kEnumerated, Enumerated{type, value});
}
void Descriptor::PutBoolean(FourCode key, bool value) { Put(key, itemtype::kBoolean, value); }
void Descriptor::PutString(FourCode key, std::string value) { Put(key, itemtype::kText, std::move(value)); }
void Descriptor::PutClass(FourCode key, FourCode classCode) { Put(key, itemtype::kClass, ClassValue{classCode}); }
void Descriptor::PutGlobalClass(FourCode key, FourCode classCode)
{
    Put(key, itemtype::kGlobalClass, ClassValue{classCode});
}
void Descriptor::PutObject(FourCode key, FourCode classCode, Descriptor object)
{
    Put(key, itemtype::kObject, ObjectValue{classCode, std::make_shared<const Descriptor>(std::move(object))});
}
void Descriptor::PutGlobalObject(FourCode key, FourCode classCode, Descriptor object)
{
    Put(key, itemtype::kGlobalObject,
        ObjectValue{classCode, std::make_shared<const Descriptor>(std::move(object))});
}
void Descriptor::PutReference(FourCode key, Reference reference)
{
    Put(key, itemtype::kReference, std::make_shared<const Reference>(std::move(reference)));
}
void Descriptor::PutList(FourCode key, ActionList list)
{
    Put(key, itemtype::kList, std::make_shared<const ActionList>(std::move(list)));
}
void Descriptor::PutAlias(FourCode key, std::string path) { Put(key, itemtype::kAlias, AliasValue{std::move(path)}); }
void Descriptor::PutPath(FourCode key, std::string path) { Put(key, itemtype::kPath, AliasValue{std::move(path)}); }

const Item* Descriptor::Find(FourCode key) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [key](const Item& item) { return item.key == key; });
    return it == items_.end() ? nullptr : &*it;
}

bool ItemReadsAs(const Item& item, FourCode type)
{
    return item.type == type || (type == itemtype::kFloat && item.type == itemtype::kInteger);
}

std::optional<int32_t> Descriptor::GetInteger(FourCode key) const
{
    const Item* item = Find(key);
    if (!item || item->type != itemtype::kInteger) return std::nullopt;
    return std::get<int32_t>(item->value);
}

std::optional<double> Descriptor::GetFloat(FourCode key) const
{
    const Item* item = Find(key);
    if (!item) return std::nullopt;
    if (item->type == itemtype::kInteger) return static_cast<double>(std::get<int32_t>(item->value));
    if (item->type != itemtype::kFloat) return std::nullopt;
    return std::get<double>(item->value);
}

std::optional<UnitFloat> Descriptor::GetUnitFloat(FourCode key) const
{
    const Item* item = Find(key);
    if (!item || item->type != itemtype::kUnitFloat) return std::nullopt;
    return std::get<UnitFloat>(item->value);
}

std::optional<Enumerated> Descriptor::GetEnumerated(FourCode key) const
{
    const Item* item = Find(key);
    if (!item || item->type != itemtype::kEnumerated) return std::nullopt;
    return std::get<Enumerated>(item->value);
}

}  // namespace kestrow::host
