// The anchor grid in absolute mode: for every anchor and every pair of
// shrink flags, the picture, disabled picture and pressed state of all nine
// buttons, reached by typing sizes and clicking as a person would.
#include "DialogFixture.h"

#include <sstream>

namespace kestrow::test {
namespace {

// Row n - 1 is anchor n; a cell is "A" for the anchor, "-" for a blank
// button, or the pictures for (shrink width, shrink height) = (0,0), (1,0),
// (0,1) and (1,1).
const char* const kGrid[9][9] = {
    {"A", "126/125/126/125", "-", "128/128/123/123", "129/122/122/122", "-", "-", "-", "-"},
    {"125/126/125/126", "A", "126/125/126/125", "127/124/124/124", "128/128/123/123", "129/122/122/122", "-", "-", "-"},
    {"-", "125/126/125/126", "A", "-", "127/124/124/124", "128/128/123/123", "-", "-", "-"},
    {"123/123/128/128", "124/127/127/127", "-", "A", "126/125/126/125", "-", "128/128/123/123", "129/122/122/122", "-"},
    {"122/129/129/129", "123/123/128/128", "124/127/127/127", "125/126/125/126", "A", "126/125/126/125",
     "127/124/124/124", "128/128/123/123", "129/122/122/122"},
    {"-", "122/129/129/129", "123/123/128/128", "-", "125/126/125/126", "A", "-", "127/124/124/124", "128/128/123/123"},
    {"-", "-", "-", "123/123/128/128", "124/127/127/127", "-", "A", "126/125/126/125", "-"},
    {"-", "-", "-", "122/129/129/129", "123/123/128/128", "124/127/127/127", "125/126/125/126", "A", "126/125/126/125"},
    {"-", "-", "-", "-", "122/129/129/129", "123/123/128/128", "-", "125/126/125/126", "A"},
};

// What a cell says for one pair of flags: picture, disabled picture, pressed.
struct Expected {
    int32_t picture;
    int32_t disabled;
    bool pressed;
};

Expected CellFor(const std::string& cell, int variant)
{
    if (cell == "A") return {kIconBlank, kIconBlank, true};
    if (cell == "-") return {kIconBlank, kIconNone, false};
    std::istringstream in(cell);
    std::string part;
    for (int i = 0; i <= variant; ++i) std::getline(in, part, '/');
    const int32_t picture = std::stoi(part);
    return {picture, picture + kGreyIconOffset, false};
}

TEST_F(MainDialogTest, GridShowsTheTableForEveryAnchorAndShrinkFlags)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        for (int variant = 0; variant < 4; ++variant) {
            const bool shrinkWidth = variant == 1 || variant == 3;
            const bool shrinkHeight = variant >= 2;
            // One pixel less shrinks; the same size does not.
            STEP(s.Type(kItemWidth, shrinkWidth ? "999" : "1000"));
            STEP(s.Type(kItemHeight, shrinkHeight ? "499" : "500"));
            for (int anchor = 1; anchor <= 9; ++anchor) {
                STEP(s.Click(kItemAnchorBase + anchor));
                EXPECT_EQ(gCanvasState.anchor, anchor);
                for (int cell = 1; cell <= 9; ++cell) {
                    const Expected want = CellFor(kGrid[anchor - 1][cell - 1], variant);
                    const host::DialogItem& button = Item(s, kItemAnchorBase + cell);
                    SCOPED_TRACE("anchor " + std::to_string(anchor) + ", flags " + std::to_string(variant) +
                                 ", button " + std::to_string(cell));
                    EXPECT_EQ(button.pictureId, want.picture);
                    EXPECT_EQ(button.disabledPictureId, want.disabled);
                    EXPECT_EQ(button.value, want.pressed);
                    EXPECT_EQ(button.ShownPictureId(), want.picture) << "enabled: the picture, or 130 while on";
                }
            }
        }
    });
}

TEST_F(MainDialogTest, ClickingTheAnchorAgainAndTypingRedrawTheSameGrid)
{
    RunMainDialog([&](host::ModalSession& s) {
        STEP(s.Click(kItemAbsolute));
        STEP(s.Click(kItemAnchorBase + 9));
        STEP(s.Click(kItemAnchorBase + 9));
        EXPECT_EQ(gCanvasState.anchor, 9);
        EXPECT_TRUE(On(s, kItemAnchorBase + 9));
        EXPECT_EQ(Item(s, kItemAnchorCentre).pictureId, 122);
        // Typing a smaller width keeps the anchor and turns the arrows inward.
        STEP(s.Type(kItemWidth, "10"));
        EXPECT_EQ(gCanvasState.anchor, 9);
        EXPECT_EQ(Item(s, kItemAnchorCentre).pictureId, 129);
        EXPECT_EQ(Item(s, kItemAnchorBase + 8).pictureId, 126);
        EXPECT_EQ(Item(s, kItemAnchorBase + 6).pictureId, 123);
        // Back to relative: disabled, grey arrows, blanks show nothing.
        STEP(s.Click(kItemRelative));
        EXPECT_EQ(Item(s, kItemAnchorCentre).ShownPictureId(), 139);
        EXPECT_EQ(Item(s, kItemAnchorBase + 1).ShownPictureId(), kIconNone);
        EXPECT_EQ(Item(s, kItemAnchorBase + 9).ShownPictureId(), kIconBlank);
        EXPECT_EQ(s.Click(kItemAnchorBase + 1).error,
                  "item 16021 (picture button) is disabled; it cannot be clicked");
    });
}

}  // namespace
}  // namespace kestrow::test
