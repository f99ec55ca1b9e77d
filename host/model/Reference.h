// An action reference: the parts that name an object or one of its
// properties, e.g. property 'Wdth' of the target document.
#pragma once

#include "HostTypes.h"

#include <vector>

namespace kestrow::host {

struct ReferencePart {
    enum class Form { Property, Enumerated };
    Form form;
    FourCode classCode;
    FourCode key;    // property key, for a property part
    FourCode type;   // enumeration type, for an enumerated part
    FourCode value;  // enumeration value, for an enumerated part
};

class Reference {
public:
    void AddProperty(FourCode classCode, FourCode key);
    void AddEnumerated(FourCode classCode, FourCode type, FourCode value);
    const std::vector<ReferencePart>& Parts() const { return parts_; }

private:
    std::vector<ReferencePart> parts_;
};

}  // namespace kestrow::host
