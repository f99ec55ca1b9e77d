// An action descriptor: typed items under four-character keys, kept in the
// order they were first put. Putting an existing key replaces its item in place.
#pragma once

#include "model/ActionValue.h"

#include <optional>
#include <vector>

namespace kestrow::host {

class Descriptor {
public:
    void Put(FourCode key, FourCode type, Value value);

    void PutInteger(FourCode key, int32_t value);
    void PutFloat(FourCode key, double value);
    void PutUnitFloat(FourCode key, FourCode unit, double value);
    void PutEnumerated(FourCode key, FourCode type, FourCode value);
    void PutBoolean(FourCode key, bool value);
    void PutString(FourCode key, std::string value);
    void PutClass(FourCode key, FourCode classCode);
    void PutGlobalClass(FourCode key, FourCode classCode);
    void PutObject(FourCode key, FourCode classCode, Descriptor object);
    void PutGlobalObject(FourCode key, FourCode classCode, Descriptor object);
    void PutReference(FourCode key, Reference reference);
    void PutList(FourCode key, ActionList list);
    void PutAlias(FourCode key, std::string path);
    void PutPath(FourCode key, std::string path);

    bool Has(FourCode key) const { return Find(key) != nullptr; }
    const Item* Find(FourCode key) const;
    size_t Count() const { return items_.size(); }
    const std::vector<Item>& Items() const { return items_; }

    // Typed reads: nullopt when the key is absent or holds another type. An
    // integer item also reads as a float, since scripts send some sizes as integers.
    std::optional<int32_t> GetInteger(FourCode key) const;
    std::optional<double> GetFloat(FourCode key) const;
    std::optional<UnitFloat> GetUnitFloat(FourCode key) const;
    std::optional<Enumerated> GetEnumerated(FourCode key) const;

private:
    std::vector<Item> items_;
};

// True when the item's type can be read as `type`: the same code, or an
// integer read as a float.
bool ItemReadsAs(const Item& item, FourCode type);

}  // namespace kestrow::host
