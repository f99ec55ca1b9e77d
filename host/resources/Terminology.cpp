// Reading the terminology. Suites hold events, classes, comparison operators
// and enumerations, each a count followed by that many records; strings are
// Pascal strings and codes 32-bit little-endian values.
#include "resources/Terminology.h"

namespace kestrow::resources {
namespace {

// Counts are checked against what the rest of the data could hold at the
// smallest size of one record, so that a wrong count fails at once.
void CheckCount(ByteReader& r, uint32_t count, size_t smallestRecord, const char* what)
{
    if (count > r.Remaining() / smallestRecord)
        r.Fail(std::string(what) + " " + std::to_string(count) + " is more than the data can hold");
}

TermParameter ReadParameter(ByteReader& r)
{
    TermParameter p;
    p.name = r.PascalString("parameter name");
    p.key = r.Code("parameter key");
    p.type = r.Code("parameter type");
    p.description = r.PascalString("parameter description");
    p.flags = r.U16("parameter flags");
    return p;
}

TermEvent ReadEvent(ByteReader& r)
{
    TermEvent e;
    e.name = r.PascalString("event name");
    e.description = r.PascalString("event description");
    e.eventClass = r.Code("event class");
    e.eventCode = r.Code("event code");
    e.replyType = r.Code("reply type");
    e.replyDescription = r.PascalString("reply description");
    e.replyFlags = r.U16("reply flags");
    e.directType = r.Code("direct parameter type");
    e.directDescription = r.PascalString("direct parameter description");
    e.directFlags = r.U16("direct parameter flags");
    const uint16_t count = r.U16("parameter count");
    CheckCount(r, count, 1 + 4 + 4 + 1 + 2, "parameter count");
    for (uint16_t i = 0; i < count; ++i)
        e.parameters.push_back(ReadParameter(r));
    return e;
}

TermClass ReadClass(ByteReader& r)
{
    TermClass c;
    c.name = r.PascalString("class name");
    c.code = r.Code("class code");
    c.description = r.PascalString("class description");
    const uint16_t propertyCount = r.U16("class property count");
    CheckCount(r, propertyCount, 1 + 4 + 4 + 1 + 2, "class property count");
    for (uint16_t i = 0; i < propertyCount; ++i) {
        TermProperty p;
        p.name = r.PascalString("property name");
        p.code = r.Code("property code");
        p.type = r.Code("property type");
        p.description = r.PascalString("property description");
        p.flags = r.U16("property flags");
        c.properties.push_back(std::move(p));
    }
    const uint16_t elementCount = r.U16("class element count");
    CheckCount(r, elementCount, 4 + 2, "class element count");
    for (uint16_t i = 0; i < elementCount; ++i) {
        TermElement e;
        e.type = r.Code("element type");
        const uint16_t keyFormCount = r.U16("key form count");
        CheckCount(r, keyFormCount, 4, "key form count");
        for (uint16_t k = 0; k < keyFormCount; ++k)
            e.keyForms.push_back(r.Code("key form"));
        c.elements.push_back(std::move(e));
    }
    return c;
}

TermEnumeration ReadEnumeration(ByteReader& r)
{
    TermEnumeration e;
    e.code = r.Code("enumeration code");
    const uint16_t count = r.U16("enumeration value count");
    CheckCount(r, count, 1 + 4 + 1, "enumeration value count");
    for (uint16_t i = 0; i < count; ++i) {
        TermEnumValue v;
        v.name = r.PascalString("enumeration value name");
        v.code = r.Code("enumeration value code");
        v.description = r.PascalString("enumeration value description");
        e.values.push_back(std::move(v));
    }
    return e;
}

TermSuite ReadSuite(ByteReader& r)
{
    TermSuite s;
    s.name = r.PascalString("suite name");
    s.description = r.PascalString("suite description");
    s.code = r.Code("suite code");
    s.level = r.U16("suite level");
    s.version = r.U16("suite version");

    const uint16_t eventCount = r.U16("event count");
    CheckCount(r, eventCount, 1 + 1 + 4 + 4 + 4 + 1 + 2 + 4 + 1 + 2 + 2, "event count");
    for (uint16_t i = 0; i < eventCount; ++i)
        s.events.push_back(ReadEvent(r));

    const uint16_t classCount = r.U16("class count");
    CheckCount(r, classCount, 1 + 4 + 1 + 2 + 2, "class count");
    for (uint16_t i = 0; i < classCount; ++i)
        s.classes.push_back(ReadClass(r));

    const uint16_t comparisonCount = r.U16("comparison operator count");
    CheckCount(r, comparisonCount, 1 + 4 + 1, "comparison operator count");
    for (uint16_t i = 0; i < comparisonCount; ++i) {
        TermComparison c;
        c.name = r.PascalString("comparison operator name");
        c.code = r.Code("comparison operator code");
        c.description = r.PascalString("comparison operator description");
        s.comparisons.push_back(std::move(c));
    }

    const uint16_t enumerationCount = r.U16("enumeration count");
    CheckCount(r, enumerationCount, 4 + 2, "enumeration count");
    for (uint16_t i = 0; i < enumerationCount; ++i)
        s.enumerations.push_back(ReadEnumeration(r));
    return s;
}

}  // namespace

const TermEvent* TermSuite::FindEvent(FourCode eventClass, FourCode eventCode) const
{
    for (const TermEvent& e : events)
        if (e.eventClass == eventClass && e.eventCode == eventCode)
            return &e;
    return nullptr;
}

const TermEnumeration* TermSuite::FindEnumeration(FourCode enumerationCode) const
{
    for (const TermEnumeration& e : enumerations)
        if (e.code == enumerationCode)
            return &e;
    return nullptr;
}

Terminology ParseTerminology(ByteView bytes)
{
    ByteReader r(bytes, "terminology");
    Terminology t;
    t.resourceWord = r.U16("resource word");
    t.majorVersion = r.U8("major version");
    t.minorVersion = r.U8("minor version");
    t.language = r.U16("language");
    t.script = r.U16("script");
    const uint16_t suiteCount = r.U16("suite count");
    CheckCount(r, suiteCount, 1 + 1 + 4 + 2 + 2 + 2 * 4, "suite count");
    for (uint16_t i = 0; i < suiteCount; ++i)
        t.suites.push_back(ReadSuite(r));
    r.ExpectEnd("the last suite");
    t.bytesRead = r.Offset();
    return t;
}

}  // namespace kestrow::resources
