// The plug-in property list (resource "PIPL"): what kind of plug-in a module
// is, its menu text and category, and which entry point to call.
#pragma once

#include "resources/ByteReader.h"
#include "resources/FourCode.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::resources {

struct Property {
    FourCode vendor = 0;
    FourCode key = 0;
    uint32_t id = 0;
    std::vector<uint8_t> data;  // as stored, with its zero fill
};

struct PropertyList {
    uint16_t resourceWord = 0;
    uint32_t version = 0;
    std::vector<Property> properties;
    size_t bytesRead = 0;

    // The first property with that key, or null.
    const Property* Find(FourCode key) const;
};

// Reads the list, advancing by each record's stored length, which must be a
// multiple of 4. Throws ResourceError for a truncated list, a length past the
// end, or bytes left after the last record.
PropertyList ParsePropertyList(ByteView bytes);

// The terminology record of the 'hstm' property.
struct TerminologyReference {
    uint32_t version = 0;
    FourCode classCode = 0;
    FourCode eventCode = 0;
    uint16_t resourceId = 0;
    std::string scope;
};

// What the editor takes from the properties it knows; a property the list
// lacks stays empty. Throws ResourceError for a known property whose data
// does not hold its value.
struct PluginProperties {
    std::optional<FourCode> kind;                   // 'kind'
    std::optional<std::string> menuText;            // 'name'
    std::optional<std::string> category;            // 'catg'
    std::optional<uint32_t> version;                // 'vers': major in the high half
    std::optional<std::string> entryPoint;          // 'wx86'
    std::optional<TerminologyReference> terminology; // 'hstm'
    std::optional<std::string> enableCondition;     // 'enbl'
};

PluginProperties DescribePlugin(const PropertyList& list);

}  // namespace kestrow::resources
