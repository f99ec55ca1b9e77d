#include "model/Reference.h"

namespace kestrow::host {

void Reference::AddProperty(FourCode classCode, FourCode key)
{
    parts_.push_back(ReferencePart{ReferencePart::Form::Property, classCode, key, 0, 0});
}

void Reference::AddEnumerated(FourCode classCode, FourCode type, FourCode value)
{
    parts_.push_back(ReferencePart{ReferencePart::Form::Enumerated, classCode, 0, type, value});
}

}  // namespace kestrow::host
