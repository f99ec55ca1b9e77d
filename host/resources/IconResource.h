// Icons as a module carries them: a group (RT_GROUP_ICON) that lists the
// images, and each image (RT_ICON) as a bitmap with a transparency mask,
// decoded here to RGBA pixels for drawing.
#pragma once

#include "resources/ByteReader.h"
#include "resources/ModuleResources.h"

#include <optional>
#include <vector>

namespace kestrow::resources {

struct IconGroupEntry {
    uint8_t width = 0;       // 0 stands for 256
    uint8_t height = 0;
    uint8_t colourCount = 0; // 0 for 256 colours or more
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t bytes = 0;
    uint16_t iconId = 0;     // the RT_ICON resource with the image
};

// Throws ResourceError for a truncated group, one that is not an icon group,
// or a count larger than the data can hold.
std::vector<IconGroupEntry> ParseIconGroup(ByteView bytes, const std::string& what);

struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    int paletteSize = 0;        // colours in the palette; 0 for direct colour
    std::vector<uint8_t> rgba;  // row by row from the top, 4 bytes a pixel
};

// Decodes one image with 1, 4, 8, 24 or 32 bits per pixel. Throws
// ResourceError for a truncated or malformed image, a compressed one, or a
// palette index past the palette.
IconImage DecodeIconImage(ByteView bytes, const std::string& what);

struct Icon {
    uint16_t id = 0;
    std::vector<IconImage> images;  // in the group's order
};

// The icon group `id` with every image decoded, or nothing when the module
// has no icon of that number. Throws ResourceError when the group names an
// image the module lacks, or any part is malformed.
std::optional<Icon> LoadModuleIcon(const ModuleResources& module, uint16_t id, uint16_t language);

}  // namespace kestrow::resources
