// The dialogs drawn as a person sees them: the picture's size from the
// template's dialog units, the module's icons on the picture buttons (the
// normal, selected or disabled one, nothing for an icon the module lacks),
// and disabled items greyed.
#include "DialogFixture.h"

#include "render/DialogRenderer.h"
#include "render/DialogUnits.h"

#include <cstdio>

namespace kestrow::test {
namespace {

constexpr uint32_t kFacePixel = 0xFFD4D0C8;
constexpr uint32_t kWhitePixel = 0xFFFFFFFF;
constexpr uint32_t kBlackPixel = 0xFF000000;

class DialogPicture : public MainDialogTest {
protected:
    render::Picture Draw(host::ModalSession& s) { return render::RenderDialog(s.Current(), ModuleDialogs().get()); }

    // Where an item lands in the picture.
    static render::PixelRect Place(const host::DialogItem& item)
    {
        render::PixelRect rect = render::DialogUnits(8).Rect(item.Layout().bounds);
        rect.x += render::kWindowBorder;
        rect.y += render::kWindowBorder + render::kCaptionHeight;
        return rect;
    }

    // Whether icon `id`'s 16 x 16 image appears somewhere inside `rect`:
    // every opaque pixel of it, exactly, at one offset.
    static bool ShowsIcon(const render::Picture& picture, const render::PixelRect& rect, int32_t id)
    {
        const auto icon = ModuleDialogs()->FindIcon(id);
        if (!icon) return false;
        const resources::IconImage* image = nullptr;
        for (const auto& candidate : icon->images)
            if (candidate.width == 16) image = &candidate;
        if (!image) return false;
        for (int dy = 0; dy + 16 <= rect.height; ++dy) {
            for (int dx = 0; dx + 16 <= rect.width; ++dx) {
                bool all = true;
                for (int y = 0; y < 16 && all; ++y) {
                    for (int x = 0; x < 16 && all; ++x) {
                        const uint8_t* p = &image->rgba[(y * 16 + x) * 4];
                        if (p[3] != 255) continue;
                        const uint32_t want = 0xFF000000u | (p[0] << 16) | (p[1] << 8) | p[2];
                        all = picture.At(rect.x + dx + x, rect.y + dy + y) == want;
                    }
                }
                if (all) return true;
            }
        }
        return false;
    }

    // How many pixels inside the button's face (its 2-pixel frame left out)
    // differ from the face colour.
    static int MarkedPixels(const render::Picture& picture, const render::PixelRect& rect)
    {
        int marked = 0;
        for (int y = rect.y + 2; y < rect.y + rect.height - 2; ++y)
            for (int x = rect.x + 2; x < rect.x + rect.width - 2; ++x) marked += picture.At(x, y) != kFacePixel;
        return marked;
    }

    static int Count(const render::Picture& picture, const render::PixelRect& rect, bool (*matches)(uint32_t))
    {
        int count = 0;
        for (int y = rect.y; y < rect.y + rect.height; ++y)
            for (int x = rect.x; x < rect.x + rect.width; ++x) count += matches(picture.At(x, y));
        return count;
    }
    // Text is smoothed, so its pixels are told apart by how dark they are.
    static int Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }
    static bool Dark(uint32_t pixel)
    {
        return Channel(pixel, 16) < 0x50 && Channel(pixel, 8) < 0x50 && Channel(pixel, 0) < 0x50;
    }
    static bool MidGrey(uint32_t pixel)
    {
        for (int shift : {16, 8, 0})
            if (Channel(pixel, shift) < 0x70 || Channel(pixel, shift) > 0xB0) return false;
        return true;
    }
};

TEST_F(DialogPicture, StartStateShowsGreyArrowsAndGreysDisabledItems)
{
    RunMainDialog([&](host::ModalSession& s) {
        const render::Picture picture = Draw(s);
        // 267 x 184 units at 6 x 13 pixels a base unit, inside a 3-pixel
        // border and an 18-pixel caption bar.
        EXPECT_EQ(picture.width, 401 + 6);
        EXPECT_EQ(picture.height, 299 + 18 + 6);

        // Disabled grid: grey arrows (the disabled pictures), blank centre.
        for (int32_t cell = 1; cell <= 9; ++cell) {
            if (cell == 5) continue;
            const host::DialogItem& button = Item(s, kItemAnchorBase + cell);
            EXPECT_TRUE(ShowsIcon(picture, Place(button), button.disabledPictureId)) << cell;
            EXPECT_FALSE(ShowsIcon(picture, Place(button), button.pictureId)) << "not the black arrow " << cell;
        }
        EXPECT_EQ(MarkedPixels(picture, Place(Item(s, kItemAnchorCentre))), 0);

        // An enabled edit is white inside, a disabled one the face colour
        // with grey text and no black.
        const render::PixelRect top = Place(Item(s, kItemTop));
        EXPECT_EQ(picture.At(top.x + top.width - 4, top.y + top.height / 2), kWhitePixel);
        const render::PixelRect uniform = Place(Item(s, kItemUniform));
        EXPECT_EQ(picture.At(uniform.x + uniform.width / 2, uniform.y + uniform.height / 2), kFacePixel);
        const render::PixelRect width = Place(Item(s, kItemWidth));
        const render::PixelRect widthInside{width.x + 2, width.y + 2, width.width - 4, width.height - 4};
        EXPECT_EQ(Count(picture, widthInside, Dark), 0);
        EXPECT_GT(Count(picture, widthInside, MidGrey), 10) << "the disabled text is drawn in grey";
        EXPECT_GT(Count(picture, Place(Item(s, kItemNewWidthLabel)), Dark), 10) << "labels are drawn in black";
    });
}

TEST_F(DialogPicture, CornerAnchorWithShrinkingSizesShowsBlackArrowsInward)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Type(kItemWidth, "999"));
        STEP(s.Type(kItemHeight, "499"));
        STEP(s.Click(kItemAnchorBase + 9));
        const render::Picture picture = Draw(s);
        EXPECT_TRUE(ShowsIcon(picture, Place(Item(s, kItemAnchorCentre)), 129));
        EXPECT_TRUE(ShowsIcon(picture, Place(Item(s, kItemAnchorBase + 6)), 128));
        EXPECT_TRUE(ShowsIcon(picture, Place(Item(s, kItemAnchorBase + 8)), 126));
        for (int32_t blank : {1, 2, 3, 4, 7, 9})
            EXPECT_EQ(MarkedPixels(picture, Place(Item(s, kItemAnchorBase + blank))), 0) << blank;
        // The pressed anchor is drawn sunken: dark top edge, light bottom edge.
        const render::PixelRect anchor = Place(Item(s, kItemAnchorBase + 9));
        EXPECT_EQ(picture.At(anchor.x + anchor.width / 2, anchor.y), 0xFF404040);
        EXPECT_EQ(picture.At(anchor.x + anchor.width / 2, anchor.y + anchor.height - 1), kWhitePixel);
        // The Absolute radio is on: its dot is black; the relative area is greyed.
        const render::PixelRect radio = Place(Item(s, kItemAbsolute));
        EXPECT_EQ(picture.At(radio.x + 6, radio.y + radio.height / 2), kBlackPixel);
        const render::PixelRect top = Place(Item(s, kItemTop));
        EXPECT_EQ(picture.At(top.x + top.width - 4, top.y + top.height / 2), kFacePixel);

        // Back in relative mode the grid is disabled: grey arrows, and the
        // blank buttons' disabled picture 140, which the module lacks, shows nothing.
        STEP(s.Click(kItemRelative));
        const render::PixelRect blank = Place(Item(s, kItemAnchorBase + 1));
        ASSERT_EQ(Item(s, kItemAnchorBase + 1).ShownPictureId(), kIconNone);
        const render::Picture disabled = Draw(s);
        EXPECT_EQ(MarkedPixels(disabled, blank), 0);
        EXPECT_TRUE(ShowsIcon(disabled, Place(Item(s, kItemAnchorCentre)), 139));
    });
}

TEST_F(DialogPicture, AboutBoxAndItsFile)
{
    RunMainDialog([&](host::ModalSession& s) { STEP(s.Click(kItemAbout)); },
                  [&](host::ModalSession& about) {
                      const render::Picture picture = Draw(about);
                      EXPECT_EQ(picture.width, 326 + 6);   // 217 units across
                      EXPECT_EQ(picture.height, 187 + 24); // 115 units down
                      const render::PixelRect ok = Place(Item(about, kItemOk));
                      EXPECT_EQ(picture.At(ok.x, ok.y + ok.height / 2), kBlackPixel) << "the default button's frame";
                      const render::PixelRect web = Place(Item(about, kItemWebAddress));
                      EXPECT_EQ(picture.At(web.x + web.width - 3, web.y + web.height / 2), kWhitePixel);
                      EXPECT_GT(Count(picture, web, Dark), 10) << "the address is written";

                      const std::string path = ::testing::TempDir() + "kestrow_render_test_about.png";
                      render::RenderDialogPng(about.Current(), ModuleDialogs().get(), path);
                      const render::Picture read = render::ReadPng(path);
                      EXPECT_EQ(read.width, picture.width);
                      EXPECT_EQ(read.height, picture.height);
                      EXPECT_EQ(read.pixels, picture.pixels);
                      std::remove(path.c_str());
                      try {
                          render::RenderDialogPng(about.Current(), nullptr, "/nonexistent-folder/a.png");
                          ADD_FAILURE() << "writing into a missing folder succeeded";
                      } catch (const render::RenderError& error) {
                          EXPECT_NE(std::string(error.what()).find("cannot write /nonexistent-folder/a.png"),
                                    std::string::npos)
                              << error.what();
                      }
                  });
}

TEST_F(DialogPicture, ADialogWithoutATemplateCannotBeDrawn)
{
    host.dialogs.SetSource(nullptr);
    RunMainDialog([&](host::ModalSession& s) {
        EXPECT_THROW(render::RenderDialog(s.Current(), nullptr), render::RenderError);
    });
}

}  // namespace
}  // namespace kestrow::test
