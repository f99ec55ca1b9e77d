#include "DocumentSpec.h"

#include "ItemParser.h"
#include "editor/Document.h"

#include <charconv>

namespace kestrow::cli {
namespace {

std::optional<int32_t> ParsePixels(std::string_view text)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > 300000) return std::nullopt;
    return value;
}

}  // namespace

DocumentSpecParse ParseDocumentSpec(std::string_view text)
{
    const std::string quoted = "bad document '" + std::string(text) + "': ";
    const size_t at = text.find('@');
    const std::string_view size = text.substr(0, at);
    const size_t x = size.find_first_of("xX");
    if (x == std::string_view::npos) return {std::nullopt, quoted + "expected WIDTHxHEIGHT[@PPI]"};
    DocumentSpec document;
    const auto width = ParsePixels(size.substr(0, x));
    const auto height = ParsePixels(size.substr(x + 1));
    if (!width || !height) return {std::nullopt, quoted + "width and height must be whole pixels from 1 to 300000"};
    document.width = *width;
    document.height = *height;
    if (at != std::string_view::npos) {
        const auto resolution = ParseNumber(text.substr(at + 1));
        if (!resolution || !(*resolution >= host::kMinResolution && *resolution <= host::kMaxResolution))
            return {std::nullopt, quoted + "the resolution must be 0.01 to 1000000 pixels per inch"};
        document.resolution = *resolution;
    }
    return {document, ""};
}

}  // namespace kestrow::cli
