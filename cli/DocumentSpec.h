// The document a run opens, as given on the command line: WxH[@PPI].
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrow::cli {

struct DocumentSpec {
    int32_t width = 1000;
    int32_t height = 500;
    double resolution = 72.0;
};

struct DocumentSpecParse {
    std::optional<DocumentSpec> size;
    std::string error;
};

// Width and height are whole pixels from 1 to 300000; the resolution, when
// given, 0.01 to 1000000 pixels per inch (72 otherwise).
DocumentSpecParse ParseDocumentSpec(std::string_view text);

}  // namespace kestrow::cli
