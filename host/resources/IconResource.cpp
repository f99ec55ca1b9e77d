// Reading icon groups and decoding icon images. An image is a bitmap header,
// a palette for up to 8 bits per pixel, the colour rows and a 1-bit mask,
// both bottom row first and each row padded to 4 bytes. A mask bit of 1 makes
// the pixel transparent.
#include "resources/IconResource.h"

#include "resources/ResourceError.h"

#include <cstring>

namespace kestrow::resources {
namespace {

constexpr uint16_t kIconGroupType = 1;
constexpr int kMaxIconSize = 256;
constexpr uint32_t kUncompressed = 0;

size_t RowBytes(int width, int bitCount)
{
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32) * 4;
}

struct Rgba {
    uint8_t r, g, b, a;
};

// The index of pixel x in a row of 1, 4 or 8 bits per pixel.
unsigned PaletteIndex(const uint8_t* row, int x, int bitCount)
{
    switch (bitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0xF;
    default: return row[x];
    }
}

}  // namespace

std::vector<IconGroupEntry> ParseIconGroup(ByteView bytes, const std::string& what)
{
    ByteReader r(bytes, what);
    if (r.U16("reserved word") != 0 || r.U16("group type") != kIconGroupType)
        r.Fail("not an icon group");
    const uint16_t count = r.U16("image count");
    constexpr size_t kEntrySize = 14;
    if (count > r.Remaining() / kEntrySize)
        r.Fail("image count " + std::to_string(count) + " is more than the data can hold");
    std::vector<IconGroupEntry> entries;
    for (uint16_t i = 0; i < count; ++i) {
        IconGroupEntry e;
        e.width = r.U8("image width");
        e.height = r.U8("image height");
        e.colourCount = r.U8("colour count");
        r.U8("reserved byte");
        e.planes = r.U16("planes");
        e.bitCount = r.U16("bits per pixel");
        e.bytes = r.U32("image size");
        e.iconId = r.U16("image resource");
        entries.push_back(e);
    }
    // windres pads the group to 4 bytes.
    if (r.Remaining() < 4)
        while (!r.AtEnd())
            if (r.U8("padding") != 0)
                r.Fail("bytes after the last entry that are not padding");
    r.ExpectEnd("the last entry");
    return entries;
}

IconImage DecodeIconImage(ByteView bytes, const std::string& what)
{
    ByteReader r(bytes, what);
    if (bytes.size >= 8 && std::memcmp(bytes.data, "\x89PNG", 4) == 0)
        r.Fail("PNG-compressed icon images are not supported");
    const uint32_t headerSize = r.U32("bitmap header size");
    if (headerSize < 40)
        r.Fail("bitmap header size " + std::to_string(headerSize) + " is too small");
    const int32_t width = r.I32("bitmap width");
    const int32_t doubleHeight = r.I32("bitmap height");
    const uint16_t planes = r.U16("planes");
    const uint16_t bitCount = r.U16("bits per pixel");
    const uint32_t compression = r.U32("compression");
    r.U32("image size");
    r.U32("horizontal resolution");
    r.U32("vertical resolution");
    const uint32_t coloursUsed = r.U32("colours used");
    r.U32("important colours");
    r.Skip(headerSize - 40, "rest of the bitmap header");

    // The height counts the colour rows and the mask rows together.
    if (width <= 0 || width > kMaxIconSize || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
        doubleHeight / 2 > kMaxIconSize)
        r.Fail("bitmap size " + std::to_string(width) + " x " + std::to_string(doubleHeight) + " is not an icon's");
    if (planes != 1)
        r.Fail("bitmap has " + std::to_string(planes) + " planes");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        r.Fail(std::to_string(bitCount) + " bits per pixel are not supported");
    if (compression != kUncompressed)
        r.Fail("compressed bitmaps are not supported");

    IconImage image;
    image.width = width;
    image.height = doubleHeight / 2;
    image.bitCount = bitCount;

    std::vector<Rgba> palette;
    if (bitCount <= 8) {
        const uint32_t full = 1u << bitCount;
        if (coloursUsed > full)
            r.Fail("palette of " + std::to_string(coloursUsed) + " colours for " + std::to_string(bitCount) +
                   " bits per pixel");
        const uint32_t size = coloursUsed == 0 ? full : coloursUsed;
        for (uint32_t i = 0; i < size; ++i) {
            Rgba c;
            c.b = r.U8("palette blue");
            c.g = r.U8("palette green");
            c.r = r.U8("palette red");
            r.U8("palette reserved");
            c.a = 255;
            palette.push_back(c);
        }
        image.paletteSize = static_cast<int>(size);
    }

    const int w = image.width;
    const int h = image.height;
    const size_t colourRow = RowBytes(w, bitCount);
    const size_t maskRow = RowBytes(w, 1);
    const ByteView colours = r.Bytes(colourRow * static_cast<size_t>(h), "colour rows");
    const ByteView mask = r.Bytes(maskRow * static_cast<size_t>(h), "mask rows");

    image.rgba.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = colours.data + colourRow * static_cast<size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            Rgba c{};
            if (bitCount <= 8) {
                const unsigned index = PaletteIndex(row, x, bitCount);
                if (index >= palette.size())
                    r.Fail("palette index " + std::to_string(index) + " past the palette of " +
                           std::to_string(palette.size()));
                c = palette[index];
            } else {
                const uint8_t* p = row + static_cast<size_t>(x) * (bitCount / 8);
                c = Rgba{p[2], p[1], p[0], static_cast<uint8_t>(bitCount == 32 ? p[3] : 255)};
                anyAlpha = anyAlpha || (bitCount == 32 && c.a != 0);
            }
            uint8_t* out = &image.rgba[(static_cast<size_t>(y) * w + x) * 4];
            out[0] = c.r;
            out[1] = c.g;
            out[2] = c.b;
            out[3] = c.a;
        }
    }
    // The mask decides transparency, except for 32-bit images that carry
    // their own alpha.
    if (!(bitCount == 32 && anyAlpha)) {
        for (int y = 0; y < h; ++y) {
            const uint8_t* row = mask.data + maskRow * static_cast<size_t>(h - 1 - y);
            for (int x = 0; x < w; ++x)
                if (PaletteIndex(row, x, 1) == 1)
                    image.rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] = 0;
                else
                    image.rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] = 255;
        }
    }
    return image;
}

std::optional<Icon> LoadModuleIcon(const ModuleResources& module, uint16_t id, uint16_t language)
{
    const std::string what = "icon " + std::to_string(id);
    const auto group = module.Find(ResourceId(types::kGroupIcon), ResourceId(id), language);
    if (!group)
        return std::nullopt;
    Icon icon;
    icon.id = id;
    for (const IconGroupEntry& entry : ParseIconGroup(*group, what)) {
        const auto data = module.Find(ResourceId(types::kIcon), ResourceId(entry.iconId), language);
        if (!data)
            throw ResourceError(what + ": its image " + std::to_string(entry.iconId) + " is missing from the module");
        icon.images.push_back(DecodeIconImage(*data, what + " image " + std::to_string(entry.iconId)));
    }
    return icon;
}

}  // namespace kestrow::resources
