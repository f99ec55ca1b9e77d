// One typed value of a descriptor or list. Nested descriptors, references
// and lists are held by shared pointers to immutable objects, so copying an
// item (a snapshot, a getter's copy) never copies or aliases mutable state.
#pragma once

#include "HostTypes.h"

#include <memory>
#include <string>
#include <variant>

namespace kestrow::host {

class Descriptor;
class Reference;
class ActionList;

struct UnitFloat {
    FourCode unit;
    double value;
};

struct Enumerated {
    FourCode type;
    FourCode value;
};

struct ClassValue {
    FourCode classCode;
};

struct ObjectValue {
    FourCode classCode;
    std::shared_ptr<const Descriptor> descriptor;
};

struct AliasValue {
    std::string path;
};

using ReferenceValue = std::shared_ptr<const Reference>;
using ListValue = std::shared_ptr<const ActionList>;

using Value = std::variant<int32_t, double, UnitFloat, Enumerated, bool, std::string, ClassValue,
                           ObjectValue, ReferenceValue, ListValue, AliasValue>;

// A keyed, typed value. The type code tells apart the kinds that share a
// representation ('Objc'/'GlbO', 'type'/'GlbC', 'alis'/'Pth ').
struct Item {
    FourCode key;
    FourCode type;
    Value value;
};

}  // namespace kestrow::host
