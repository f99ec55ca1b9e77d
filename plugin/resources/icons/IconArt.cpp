// Turns the arrows' pixel art into icon files: a directory of images, each a
// bottom-up device-independent bitmap with its palette and a 1-bit mask.
#include "IconArt.h"

#include <array>
#include <sstream>

namespace kestrow::icons {
namespace {

struct Rgb {
    uint8_t r, g, b;
};

// The standard 16-colour palette; the grey twins use its two greys.
constexpr std::array<Rgb, 16> kSixteenColours = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};
constexpr uint8_t kDarkGrey16 = 8;
constexpr uint8_t kLightGrey16 = 7;
// The 256-colour arrows use a grey ramp: index n is grey level n.
constexpr uint8_t kBlack256 = 0;
constexpr uint8_t kEdgeGrey256 = 128;

// One image of an icon: palette indices and transparency, row by row from the top.
struct Image {
    int size = 0;
    int bitCount = 0;
    std::vector<uint8_t> index;
    std::vector<bool> transparent;
};

class ByteWriter {
public:
    void u8(uint32_t v) { bytes_.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) { u8(v); u8(v >> 8); }
    void u32(uint32_t v) { u16(v); u16(v >> 16); }
    void append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

std::vector<Rgb> PaletteFor(int bitCount)
{
    if (bitCount == 4)
        return {kSixteenColours.begin(), kSixteenColours.end()};
    std::vector<Rgb> ramp;
    for (int n = 0; n < 256; ++n)
        ramp.push_back({static_cast<uint8_t>(n), static_cast<uint8_t>(n), static_cast<uint8_t>(n)});
    return ramp;
}

int RowBytes(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

// The image as stored in an icon: header, palette, colour rows, mask rows.
std::vector<uint8_t> EncodeImage(const Image& image)
{
    const int n = image.size;
    const int colourRow = RowBytes(n, image.bitCount);
    const int maskRow = RowBytes(n, 1);
    const std::vector<Rgb> palette = PaletteFor(image.bitCount);

    ByteWriter w;
    w.u32(40);                      // header size
    w.u32(n);                       // width
    w.u32(2 * n);                   // height of colour and mask together
    w.u16(1);                       // planes
    w.u16(image.bitCount);
    w.u32(0);                       // no compression
    w.u32((colourRow + maskRow) * n);
    w.u32(0);
    w.u32(0);
    w.u32(0);                       // every palette entry is used
    w.u32(0);
    for (const Rgb& c : palette) {
        w.u8(c.b);
        w.u8(c.g);
        w.u8(c.r);
        w.u8(0);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourRow, 0);
        for (int x = 0; x < n; ++x) {
            const uint8_t v = image.index[y * n + x];
            if (image.bitCount == 8)
                row[x] = v;
            else
                row[x / 2] |= (x % 2 == 0) ? static_cast<uint8_t>(v << 4) : v;
        }
        w.append(row);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < n; ++x)
            if (image.transparent[y * n + x])
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        w.append(row);
    }
    return w.take();
}

std::vector<uint8_t> EncodeIcon(const std::vector<Image>& images)
{
    std::vector<std::vector<uint8_t>> encoded;
    for (const Image& image : images)
        encoded.push_back(EncodeImage(image));

    ByteWriter w;
    w.u16(0); // reserved
    w.u16(1); // icon
    w.u16(static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const Image& image = images[i];
        w.u8(image.size);
        w.u8(image.size);
        w.u8(image.bitCount == 4 ? 16 : 0); // colour count; 0 means 256 or more
        w.u8(0);
        w.u16(1);
        w.u16(image.bitCount);
        w.u32(static_cast<uint32_t>(encoded[i].size()));
        w.u32(offset);
        offset += static_cast<uint32_t>(encoded[i].size());
    }
    for (const auto& bytes : encoded)
        w.append(bytes);
    return w.take();
}

Image ArrowImage(const Arrow& arrow, int bitCount, uint8_t body, uint8_t edge)
{
    Image image{kArrowSize, bitCount, {}, {}};
    for (Pixel p : arrow.pixels) {
        image.index.push_back(p == Pixel::Black ? body : p == Pixel::Edge ? edge : 0);
        image.transparent.push_back(p == Pixel::Transparent);
    }
    return image;
}

Image BlankImage(int size)
{
    return Image{size, 4, std::vector<uint8_t>(size * size, 0), std::vector<bool>(size * size, true)};
}

Pixel PixelOf(char c, int lineNumber)
{
    switch (c) {
    case '#': return Pixel::Black;
    case '+': return Pixel::Edge;
    case '.': return Pixel::Transparent;
    default:
        throw ArtError("line " + std::to_string(lineNumber) + ": unknown pixel '" + std::string(1, c) + "'");
    }
}

} // namespace

std::vector<Arrow> ParseArrows(std::istream& in)
{
    std::vector<Arrow> arrows;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream header(line);
        std::string word;
        Arrow arrow;
        if (!(header >> word >> arrow.id >> arrow.direction) || word != "arrow")
            throw ArtError("line " + std::to_string(lineNumber) + ": expected \"arrow <number> <direction>\"");
        for (int row = 0; row < kArrowSize; ++row) {
            if (!std::getline(in, line))
                throw ArtError("arrow " + std::to_string(arrow.id) + ": fewer than 16 rows");
            ++lineNumber;
            if (line.size() != kArrowSize)
                throw ArtError("line " + std::to_string(lineNumber) + ": a row must have 16 pixels");
            for (char c : line)
                arrow.pixels.push_back(PixelOf(c, lineNumber));
        }
        arrows.push_back(std::move(arrow));
    }
    return arrows;
}

std::map<int, std::vector<uint8_t>> MakeGridIcons(const std::vector<Arrow>& arrows)
{
    std::map<int, std::vector<uint8_t>> icons;
    for (const Arrow& arrow : arrows) {
        icons[arrow.id] = EncodeIcon({ArrowImage(arrow, 8, kBlack256, kEdgeGrey256)});
        icons[arrow.id + kGreyTwinOffset] = EncodeIcon({ArrowImage(arrow, 4, kDarkGrey16, kLightGrey16)});
    }
    icons[kBlankId] = EncodeIcon({BlankImage(32), BlankImage(16)});
    return icons;
}

} // namespace kestrow::icons
