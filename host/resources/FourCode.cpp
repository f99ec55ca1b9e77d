// Four-character codes as text.
#include "resources/FourCode.h"

#include <cstdio>

namespace kestrow::resources {

std::string FourCodeText(FourCode code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned c = (code >> shift) & 0xFF;
        if (c >= 0x20 && c < 0x7F) {
            text.push_back(static_cast<char>(c));
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text;
}

}  // namespace kestrow::resources
