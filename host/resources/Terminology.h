// The scripting terminology (resource "AETE"): the plug-in's events, their
// parameters and the enumerations their values come from, by name and code.
#pragma once

#include "resources/ByteReader.h"
#include "resources/FourCode.h"

#include <string>
#include <vector>

namespace kestrow::resources {

// Flag bits of a parameter, a reply or a direct parameter.
enum : uint16_t {
    kTermOptional = 0x8000,
    kTermListOfItems = 0x4000,
    kTermEnumerated = 0x2000,
    kTermChangesState = 0x1000,
};

struct TermParameter {
    std::string name;
    FourCode key = 0;
    FourCode type = 0;
    std::string description;
    uint16_t flags = 0;
};

struct TermEvent {
    std::string name;
    std::string description;
    FourCode eventClass = 0;
    FourCode eventCode = 0;
    FourCode replyType = 0;
    std::string replyDescription;
    uint16_t replyFlags = 0;
    FourCode directType = 0;
    std::string directDescription;
    uint16_t directFlags = 0;
    std::vector<TermParameter> parameters;
};

struct TermProperty {
    std::string name;
    FourCode code = 0;
    FourCode type = 0;
    std::string description;
    uint16_t flags = 0;
};

struct TermElement {
    FourCode type = 0;
    std::vector<FourCode> keyForms;
};

struct TermClass {
    std::string name;
    FourCode code = 0;
    std::string description;
    std::vector<TermProperty> properties;
    std::vector<TermElement> elements;
};

struct TermComparison {
    std::string name;
    FourCode code = 0;
    std::string description;
};

struct TermEnumValue {
    std::string name;
    FourCode code = 0;
    std::string description;
};

struct TermEnumeration {
    FourCode code = 0;
    std::vector<TermEnumValue> values;
};

struct TermSuite {
    std::string name;
    std::string description;
    FourCode code = 0;
    uint16_t level = 0;
    uint16_t version = 0;
    std::vector<TermEvent> events;
    std::vector<TermClass> classes;
    std::vector<TermComparison> comparisons;
    std::vector<TermEnumeration> enumerations;

    const TermEvent* FindEvent(FourCode eventClass, FourCode eventCode) const;
    const TermEnumeration* FindEnumeration(FourCode code) const;
};

struct Terminology {
    uint16_t resourceWord = 0;
    uint8_t majorVersion = 0;
    uint8_t minorVersion = 0;
    uint16_t language = 0;
    uint16_t script = 0;
    std::vector<TermSuite> suites;
    size_t bytesRead = 0;
};

// Reads the published terminology layout preceded by one resource word,
// with no alignment after strings. Throws ResourceError for a truncated
// resource, a count larger than the data can hold, or bytes left after the
// last suite.
Terminology ParseTerminology(ByteView bytes);

}  // namespace kestrow::resources
