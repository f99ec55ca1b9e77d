// The anchor grid's pictures as the dialog manager decodes them: arrows
// pointing in their eight directions with the shaft reaching the opposite
// side, their grey twins, the transparent blank and the absent 140; and the
// committed icon files matching the pixel art they are made from.
#include "CompiledResources.h"

#include "IconArt.h"
#include "resources/IconResource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kestrow::resources {
namespace {

Icon CompiledIcon(uint16_t id)
{
    std::optional<Icon> icon = LoadModuleIcon(fixture::Compiled(), id, kLanguageEnglishUS);
    if (!icon)
        throw std::runtime_error("no icon " + std::to_string(id));
    return *icon;
}

enum class Seen { Transparent, Black, Grey, Other };

Seen PixelAt(const IconImage& image, int x, int y)
{
    const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
    if (p[3] == 0)
        return Seen::Transparent;
    if (p[3] != 255)
        return Seen::Other;
    if (p[0] == 0 && p[1] == 0 && p[2] == 0)
        return Seen::Black;
    if (p[0] == p[1] && p[1] == p[2] && p[0] < 255)
        return Seen::Grey;
    return Seen::Other;
}

struct Point {
    int x, y;
};

// For each arrow: a pixel of its head, the shaft's end on the opposite edge
// or corner, and a pixel the arrow leaves empty.
struct ArrowCase {
    uint16_t id;
    const char* direction;
    Point head, tail, empty;
};

const ArrowCase kArrows[] = {
    {122, "up-left", {0, 0}, {15, 15}, {15, 0}},
    {123, "up", {7, 1}, {7, 15}, {0, 0}},
    {124, "up-right", {15, 0}, {0, 15}, {0, 0}},
    {125, "left", {1, 7}, {15, 8}, {15, 0}},
    {126, "right", {14, 7}, {0, 8}, {0, 0}},
    {127, "down-left", {0, 15}, {15, 0}, {15, 15}},
    {128, "down", {7, 14}, {7, 0}, {0, 15}},
    {129, "down-right", {15, 15}, {0, 0}, {15, 0}},
};

TEST(GridIcons, ArrowsPointTheirWayWithTheShaftFromTheOppositeSide)
{
    for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE(c.direction);
        const Icon icon = CompiledIcon(c.id);
        ASSERT_EQ(icon.images.size(), 1u);
        const IconImage& image = icon.images[0];
        ASSERT_EQ(image.width, 16);
        ASSERT_EQ(image.height, 16);
        EXPECT_EQ(image.bitCount, 8);
        EXPECT_EQ(image.paletteSize, 256);
        EXPECT_EQ(PixelAt(image, c.head.x, c.head.y), Seen::Black);
        EXPECT_EQ(PixelAt(image, c.tail.x, c.tail.y), Seen::Black);
        EXPECT_EQ(PixelAt(image, c.empty.x, c.empty.y), Seen::Transparent);
        // Black with grey edges, nothing else.
        int black = 0, grey = 0, other = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const Seen s = PixelAt(image, x, y);
                black += s == Seen::Black;
                grey += s == Seen::Grey;
                other += s == Seen::Other;
            }
        EXPECT_GT(black, 30);
        EXPECT_GT(grey, 10);
        EXPECT_EQ(other, 0);
    }
}

TEST(GridIcons, EachGreyTwinIsItsArrowInSixteenColourGrey)
{
    for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE(c.direction);
        const IconImage arrow = CompiledIcon(c.id).images.at(0);
        const Icon twin = CompiledIcon(static_cast<uint16_t>(c.id + 10));
        ASSERT_EQ(twin.images.size(), 1u);
        const IconImage& grey = twin.images[0];
        ASSERT_EQ(grey.width, 16);
        ASSERT_EQ(grey.height, 16);
        EXPECT_EQ(grey.bitCount, 4);
        EXPECT_EQ(grey.paletteSize, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const Seen original = PixelAt(arrow, x, y);
                const Seen seen = PixelAt(grey, x, y);
                if (original == Seen::Transparent)
                    EXPECT_EQ(seen, Seen::Transparent) << x << "," << y;
                else
                    EXPECT_EQ(seen, Seen::Grey) << x << "," << y;
            }
    }
}

TEST(GridIcons, BlankIsFullyTransparentAtBothSizes)
{
    const Icon blank = CompiledIcon(130);
    ASSERT_EQ(blank.images.size(), 2u);
    const int sizes[] = {32, 16};
    for (size_t i = 0; i < 2; ++i) {
        const IconImage& image = blank.images[i];
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, sizes[i]);
        EXPECT_EQ(image.paletteSize, 16);
        for (size_t p = 3; p < image.rgba.size(); p += 4)
            ASSERT_EQ(image.rgba[p], 0) << "opaque pixel " << p / 4 << " at size " << sizes[i];
    }
}

TEST(GridIcons, ModuleHasExactlyTheGridPicturesAndNo140)
{
    std::vector<uint16_t> ids;
    for (const ResourceId& name : fixture::Compiled().Names(ResourceId(types::kGroupIcon)))
        ids.push_back(name.Number());
    EXPECT_EQ(ids, (std::vector<uint16_t>{122, 123, 124, 125, 126, 127, 128, 129, 130, 132, 133, 134, 135, 136, 137,
                                          138, 139}));
    EXPECT_FALSE(LoadModuleIcon(fixture::Compiled(), 140, kLanguageEnglishUS));
}

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(GridIcons, CommittedIconFilesMatchTheirPixelArt)
{
    std::ifstream art(KESTROW_ICON_DIR "/Arrows.txt");
    ASSERT_TRUE(art) << "cannot read the pixel art";
    const auto icons = icons::MakeGridIcons(icons::ParseArrows(art));
    ASSERT_EQ(icons.size(), 17u);
    for (const auto& [id, bytes] : icons) {
        const std::string path = std::string(KESTROW_ICON_DIR) + "/" + std::to_string(id) + ".ico";
        EXPECT_EQ(ReadFile(path), bytes) << path << " differs from what the generator makes: "
                                         << "run the target kestrow_regenerate_icons";
    }
}

TEST(GridIcons, PixelArtWithMistakesIsRejectedNamingTheLine)
{
    const std::string row(16, '.');
    auto arrow = [&](int rows, const std::string& last) {
        std::string text = "arrow 122 up-left\n";
        for (int i = 0; i < rows - 1; ++i)
            text += row + "\n";
        return text + last + "\n";
    };
    const struct {
        const char* problem;
        std::string text;
        const char* message;
    } cases[] = {
        {"unknown pixel", arrow(16, "......x........."), "line 17: unknown pixel 'x'"},
        {"short row", arrow(16, "..."), "line 17: a row must have 16 pixels"},
        {"missing rows", arrow(10, row), "fewer than 16 rows"},
        {"bad header", "arrows 122\n", "line 1: expected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        std::istringstream in(c.text);
        try {
            icons::ParseArrows(in);
            ADD_FAILURE() << "accepted";
        } catch (const icons::ArtError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace kestrow::resources
