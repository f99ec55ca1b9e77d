// Four-character codes: 32-bit values whose first character is the most
// significant byte ('Wdth' is 0x57647468).
#pragma once

#include <cstdint>
#include <string>

namespace kestrow::resources {

using FourCode = uint32_t;

constexpr FourCode MakeFourCode(const char (&text)[5])
{
    return (static_cast<FourCode>(static_cast<unsigned char>(text[0])) << 24) |
           (static_cast<FourCode>(static_cast<unsigned char>(text[1])) << 16) |
           (static_cast<FourCode>(static_cast<unsigned char>(text[2])) << 8) |
           static_cast<FourCode>(static_cast<unsigned char>(text[3]));
}

// The code's four characters in reading order; bytes outside printable
// ASCII are written as \xNN.
std::string FourCodeText(FourCode code);

}  // namespace kestrow::resources
