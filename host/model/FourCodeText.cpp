#include "model/FourCodeText.h"

#include <cstdio>

namespace kestrow::host {
namespace {
bool IsPrintable(unsigned char c) { return c >= 0x20 && c <= 0x7E; }
}  // namespace

std::optional<FourCode> FourCodeFromText(std::string_view text)
{
    if (text.empty() || text.size() > 4) return std::nullopt;
    FourCode code = 0;
    for (size_t i = 0; i < 4; ++i) {
        const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
        if (!IsPrintable(c)) return std::nullopt;
        code = (code << 8) | c;
    }
    return code;
}

std::string FourCodeText(FourCode code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>((code >> shift) & 0xFF);
        if (!IsPrintable(c)) {
            char hex[11];
            std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(code));
            return hex;
        }
        text.push_back(static_cast<char>(c));
    }
    return text;
}

}  // namespace kestrow::host
