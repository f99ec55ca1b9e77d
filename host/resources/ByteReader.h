// A cursor over the bytes of one resource. Every read checks that the bytes
// are there and throws ResourceError naming the field and the offset when
// they are not, so a reader never looks past the end of its data.
#pragma once

#include "resources/FourCode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrow::resources {

// Bytes owned elsewhere; the owner outlives the view.
struct ByteView {
    const uint8_t* data = nullptr;
    size_t size = 0;

    ByteView() = default;
    ByteView(const uint8_t* d, size_t n) : data(d), size(n) {}
    ByteView(const std::vector<uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}
};

class ByteReader {
public:
    // `what` names the resource in error texts ("property list 16000").
    ByteReader(ByteView bytes, std::string what) : bytes_(bytes), what_(std::move(what)) {}

    uint8_t U8(const char* field);
    uint16_t U16(const char* field);
    // The next 16-bit value, without moving past it.
    uint16_t PeekU16(const char* field);
    int16_t I16(const char* field) { return static_cast<int16_t>(U16(field)); }
    uint32_t U32(const char* field);
    int32_t I32(const char* field) { return static_cast<int32_t>(U32(field)); }
    uint64_t U64(const char* field);
    // A 32-bit little-endian code: its bytes are stored in reverse reading order.
    FourCode Code(const char* field) { return U32(field); }
    // A length byte and that many characters.
    std::string PascalString(const char* field);
    // Characters up to a zero byte, which is consumed.
    std::string CString(const char* field);
    // UTF-16 code units up to a zero unit, which is consumed; returned as UTF-8.
    std::string Utf16String(const char* field);
    ByteView Bytes(size_t count, const char* field);
    void Skip(size_t count, const char* field) { Bytes(count, field); }
    // Moves to the next multiple of `alignment` from the start of the data.
    void Align(size_t alignment, const char* field);

    size_t Offset() const { return offset_; }
    size_t Remaining() const { return bytes_.size - offset_; }
    bool AtEnd() const { return offset_ == bytes_.size; }
    // Throws unless every byte was read.
    void ExpectEnd(const char* after) const;
    // Throws the reader's error for a value that is there but wrong.
    [[noreturn]] void Fail(const std::string& problem) const;

private:
    const uint8_t* Take(size_t count, const char* field);

    ByteView bytes_;
    std::string what_;
    size_t offset_ = 0;
};

}  // namespace kestrow::resources
