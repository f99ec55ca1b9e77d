// The item type codes of action descriptors and lists.
#pragma once

#include "HostTypes.h"

namespace kestrow::host::itemtype {

constexpr FourCode kInteger = FourCC("long");
constexpr FourCode kFloat = FourCC("doub");
constexpr FourCode kUnitFloat = FourCC("UntF");
constexpr FourCode kEnumerated = FourCC("enum");
constexpr FourCode kBoolean = FourCC("bool");
constexpr FourCode kText = FourCC("TEXT");
constexpr FourCode kClass = FourCC("type");
constexpr FourCode kGlobalClass = FourCC("GlbC");
constexpr FourCode kObject = FourCC("Objc");
constexpr FourCode kGlobalObject = FourCC("GlbO");
constexpr FourCode kReference = FourCC("obj ");
constexpr FourCode kList = FourCC("VlLs");
constexpr FourCode kAlias = FourCC("alis");
constexpr FourCode kPath = FourCC("Pth ");

}  // namespace kestrow::host::itemtype
