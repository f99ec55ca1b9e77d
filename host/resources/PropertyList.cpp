// Reading the property list: a resource word, a version, a count, then per
// property its vendor, key, identifier, data length and data.
#include "resources/PropertyList.h"

#include "resources/ResourceError.h"

namespace kestrow::resources {
namespace {

// Each record is at least vendor, key, identifier and length.
constexpr size_t kRecordHeaderSize = 16;

ByteReader DataReader(const Property& p)
{
    return ByteReader(p.data, "property '" + FourCodeText(p.key) + "'");
}

// The rest of a property's data after its value must be zero fill.
void ExpectZeroFill(ByteReader& r)
{
    while (!r.AtEnd())
        if (r.U8("zero fill") != 0)
            r.Fail("bytes after the value that are not zero fill");
}

std::string PascalValue(const Property& p)
{
    ByteReader r = DataReader(p);
    std::string text = r.PascalString("text");
    ExpectZeroFill(r);
    return text;
}

std::string CStringValue(const Property& p)
{
    ByteReader r = DataReader(p);
    std::string text = r.CString("text");
    ExpectZeroFill(r);
    return text;
}

uint32_t U32Value(const Property& p)
{
    ByteReader r = DataReader(p);
    const uint32_t value = r.U32("value");
    r.ExpectEnd("the value");
    return value;
}

TerminologyReference TerminologyValue(const Property& p)
{
    ByteReader r = DataReader(p);
    TerminologyReference t;
    t.version = r.U32("terminology version");
    t.classCode = r.Code("class code");
    t.eventCode = r.Code("event code");
    t.resourceId = r.U16("terminology resource");
    t.scope = r.CString("scope text");
    ExpectZeroFill(r);
    return t;
}

}  // namespace

const Property* PropertyList::Find(FourCode key) const
{
    for (const Property& p : properties)
        if (p.key == key)
            return &p;
    return nullptr;
}

PropertyList ParsePropertyList(ByteView bytes)
{
    ByteReader r(bytes, "property list");
    PropertyList list;
    list.resourceWord = r.U16("resource word");
    list.version = r.U32("list version");
    const uint32_t count = r.U32("property count");
    if (count > r.Remaining() / kRecordHeaderSize)
        r.Fail("property count " + std::to_string(count) + " is more than the data can hold");
    for (uint32_t i = 0; i < count; ++i) {
        Property p;
        p.vendor = r.Code("property vendor");
        p.key = r.Code("property key");
        p.id = r.U32("property identifier");
        const uint32_t length = r.U32("property data length");
        if (length % 4 != 0)
            r.Fail("property '" + FourCodeText(p.key) + "' has length " + std::to_string(length) +
                   ", not a multiple of 4");
        const ByteView data = r.Bytes(length, "property data");
        p.data.assign(data.data, data.data + data.size);
        list.properties.push_back(std::move(p));
    }
    r.ExpectEnd("the last property");
    list.bytesRead = r.Offset();
    return list;
}

PluginProperties DescribePlugin(const PropertyList& list)
{
    PluginProperties d;
    if (const Property* p = list.Find(MakeFourCode("kind")))
        d.kind = U32Value(*p);
    if (const Property* p = list.Find(MakeFourCode("name")))
        d.menuText = PascalValue(*p);
    if (const Property* p = list.Find(MakeFourCode("catg")))
        d.category = PascalValue(*p);
    if (const Property* p = list.Find(MakeFourCode("vers")))
        d.version = U32Value(*p);
    if (const Property* p = list.Find(MakeFourCode("wx86")))
        d.entryPoint = CStringValue(*p);
    if (const Property* p = list.Find(MakeFourCode("hstm")))
        d.terminology = TerminologyValue(*p);
    if (const Property* p = list.Find(MakeFourCode("enbl")))
        d.enableCondition = CStringValue(*p);
    return d;
}

}  // namespace kestrow::resources
