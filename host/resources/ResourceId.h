// How a resource's type or name is given: a 16-bit number or a text.
// Texts compare without regard to case, as Windows compares them.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace kestrow::resources {

class ByteReader;

class ResourceId {
public:
    ResourceId(uint16_t number) : value_(number) {}
    ResourceId(std::string text) : value_(std::move(text)) {}
    ResourceId(const char* text) : value_(std::string(text)) {}

    bool IsNumber() const { return std::holds_alternative<uint16_t>(value_); }
    uint16_t Number() const { return std::get<uint16_t>(value_); }
    const std::string& Text() const { return std::get<std::string>(value_); }
    // The number in decimal, or the text in quotes.
    std::string Describe() const;

    friend bool operator==(const ResourceId& a, const ResourceId& b);
    friend bool operator!=(const ResourceId& a, const ResourceId& b) { return !(a == b); }

private:
    std::variant<uint16_t, std::string> value_;
};

// Resource types of Windows modules the readers use, and the language of
// every resource of the Kestrow module (English, United States).
namespace types {
constexpr uint16_t kIcon = 3;
constexpr uint16_t kDialog = 5;
constexpr uint16_t kGroupIcon = 14;
}  // namespace types
constexpr uint16_t kLanguageEnglishUS = 1033;

// Reads the form resource files and dialog templates share: 0xFFFF and a
// 16-bit number, or a zero-terminated UTF-16 text (empty for a lone zero).
ResourceId ReadResourceId(ByteReader& reader, const char* field);

// Compares two ASCII texts without regard to case.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace kestrow::resources
