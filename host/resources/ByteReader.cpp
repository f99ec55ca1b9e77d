// Bounds-checked reads of little-endian integers and of the string forms
// resources use.
#include "resources/ByteReader.h"

#include "resources/ResourceError.h"

namespace kestrow::resources {

const uint8_t* ByteReader::Take(size_t count, const char* field)
{
    if (count > Remaining())
        throw ResourceError(what_ + ": truncated at byte " + std::to_string(offset_) + " reading " + field + " (" +
                            std::to_string(count) + " bytes wanted, " + std::to_string(Remaining()) + " left)");
    const uint8_t* p = bytes_.data + offset_;
    offset_ += count;
    return p;
}

uint8_t ByteReader::U8(const char* field)
{
    return *Take(1, field);
}

uint16_t ByteReader::U16(const char* field)
{
    const uint8_t* p = Take(2, field);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint16_t ByteReader::PeekU16(const char* field)
{
    const uint16_t value = U16(field);
    offset_ -= 2;
    return value;
}

uint32_t ByteReader::U32(const char* field)
{
    const uint8_t* p = Take(4, field);
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint64_t ByteReader::U64(const char* field)
{
    const uint64_t low = U32(field);
    const uint64_t high = U32(field);
    return low | (high << 32);
}

std::string ByteReader::PascalString(const char* field)
{
    const uint8_t length = U8(field);
    const uint8_t* p = Take(length, field);
    return std::string(reinterpret_cast<const char*>(p), length);
}

std::string ByteReader::CString(const char* field)
{
    std::string text;
    for (;;) {
        const uint8_t c = U8(field);
        if (c == 0)
            return text;
        text.push_back(static_cast<char>(c));
    }
}

namespace {

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::string ByteReader::Utf16String(const char* field)
{
    constexpr uint32_t kReplacement = 0xFFFD;
    std::string text;
    for (;;) {
        const uint32_t unit = U16(field);
        if (unit == 0)
            return text;
        if (unit >= 0xD800 && unit < 0xDC00 && Remaining() >= 2) {
            const size_t before = offset_;
            const uint32_t low = U16(field);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
            offset_ = before;  // an unpaired high surrogate; the next unit is read on its own
            AppendUtf8(text, kReplacement);
        } else if (unit >= 0xD800 && unit < 0xE000) {
            AppendUtf8(text, kReplacement);
        } else {
            AppendUtf8(text, unit);
        }
    }
}

ByteView ByteReader::Bytes(size_t count, const char* field)
{
    const uint8_t* p = Take(count, field);
    return ByteView(p, count);
}

void ByteReader::Align(size_t alignment, const char* field)
{
    const size_t padding = (alignment - offset_ % alignment) % alignment;
    Take(padding, field);
}

void ByteReader::ExpectEnd(const char* after) const
{
    if (!AtEnd())
        Fail(std::to_string(Remaining()) + " unexpected bytes after " + after);
}

void ByteReader::Fail(const std::string& problem) const
{
    throw ResourceError(what_ + ": " + problem + " (at byte " + std::to_string(offset_) + ")");
}

}  // namespace kestrow::resources
