// Resource types and names, numbered or named.
#include "resources/ResourceId.h"

#include "resources/ByteReader.h"

namespace kestrow::resources {

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string ResourceId::Describe() const
{
    return IsNumber() ? std::to_string(Number()) : "\"" + Text() + "\"";
}

ResourceId ReadResourceId(ByteReader& reader, const char* field)
{
    if (reader.PeekU16(field) == 0xFFFF) {
        reader.U16(field);
        return ResourceId(reader.U16(field));
    }
    return ResourceId(reader.Utf16String(field));
}

bool operator==(const ResourceId& a, const ResourceId& b)
{
    if (a.IsNumber() != b.IsNumber())
        return false;
    return a.IsNumber() ? a.Number() == b.Number() : EqualIgnoringCase(a.Text(), b.Text());
}

}  // namespace kestrow::resources
