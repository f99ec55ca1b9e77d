// The command line's descriptor items, e.g. "Top=20", "Left=int:10",
// "Hrzn=ADSt:AdCH", "Wdth=unit:#Pxl:800", "Nm=text:hello". Pure functions:
// no input/output, no state.
#pragma once

#include "model/Descriptor.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow::cli {

struct ItemParse {
    std::optional<host::Item> item;
    std::string error;  // set when item is empty: what is wrong with the text
};

// Forms: KEY=NUMBER (a double), KEY=int:N (a 32-bit integer),
// KEY=unit:UNIT:NUMBER (a unit float), KEY=text:TEXT, and KEY=TYPE:VALUE (an
// enumeration). "int", "unit" and "text" are taken as those forms, never as
// enumeration types. Keys and codes of one to four printable characters are
// padded with blanks ("Top" is 'Top '). Numbers are decimal, may start with
// a sign, and must be finite: "nan", "inf" and hexadecimal are refused.
ItemParse ParseItem(std::string_view text);

// An item in the form ParseItem reads, where it has one: trailing blanks of
// codes are dropped and numbers use the shortest text that reads back the
// same. Other item types print as KEY=<type>:<value>.
std::string FormatItem(const host::Item& item);

// The shortest decimal text that reads back as the same double.
std::string FormatNumber(double value);

struct DescriptorParse {
    std::optional<host::Descriptor> descriptor;
    std::string error;
};

// The descriptor handed to the plug-in: none (nullopt) when there are no
// items and `empty` is false, an empty one for `empty`, else the items in
// order (a repeated key replaces its earlier item in place). Items together
// with `empty` are an error.
DescriptorParse BuildDescriptor(const std::vector<std::string>& items, bool empty);

// A finite decimal number, the whole text; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace kestrow::cli
