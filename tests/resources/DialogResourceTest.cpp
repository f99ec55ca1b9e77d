// The two dialogs as the dialog manager builds them: every item with its
// kind, number, text, place, size and tab stop, the keyboard's tab order,
// and the styles the items need.
#include "CompiledResources.h"

#include "resources/AboutTexts.h"
#include "resources/DialogControlKind.h"
#include "resources/DialogResource.h"

#include <gtest/gtest.h>

#include <iterator>

namespace kestrow::resources {
namespace {

DialogResource CompiledDialog(uint16_t id)
{
    return ParseDialogResource(fixture::CompiledBytes(ResourceId(types::kDialog), id),
                               "dialog " + std::to_string(id));
}

struct ExpectedItem {
    const char* kind;
    int32_t id;
    const char* text;
    int16_t x, y, width, height;
    bool tabStop;
};

void ExpectItems(const DialogResource& dialog, const ExpectedItem* expected, size_t count)
{
    ASSERT_EQ(dialog.items.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const ExpectedItem& e = expected[i];
        const DialogResourceItem& item = dialog.items[i];
        SCOPED_TRACE("item " + std::to_string(i + 1) + " (" + std::to_string(e.id) + ")");
        EXPECT_STREQ(ControlKindName(KindOf(item)), e.kind);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.TextOrNumber(), e.text);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.width, e.width);
        EXPECT_EQ(item.height, e.height);
        EXPECT_EQ(item.TabStop(), e.tabStop);
        EXPECT_NE(item.style & kStyleVisible, 0u);
        EXPECT_NE(item.style & kStyleChild, 0u);
    }
}

TEST(MainDialog, IsAModalPopUpWithCaptionSystemMenuAndFont)
{
    const DialogResource d = CompiledDialog(16000);
    EXPECT_EQ(d.caption, "Kestrow");
    EXPECT_EQ(d.width, 267);
    EXPECT_EQ(d.height, 184);
    for (uint32_t bit : {kStylePopup, kStyleCaption, kStyleSystemMenu, kStyleModalFrame})
        EXPECT_NE(d.style & bit, 0u) << std::hex << bit;
    ASSERT_TRUE(d.hasFont);
    EXPECT_EQ(d.font.pointSize, 8);
    EXPECT_EQ(d.font.typeface, "MS Sans Serif");
}

TEST(MainDialog, HoldsEveryItemOfTheLayoutInResourceOrder)
{
    static const ExpectedItem expected[] = {
        {"radio button", 16034, "&Absolute", 14, 57, 46, 10, false},
        {"radio button", 16035, "R&elative", 109, 57, 42, 10, false},
        {"label", -1, "&Width:", 15, 75, 24, 9, false},
        {"edit field", 16030, "", 40, 73, 40, 15, true},
        {"label", -1, "Hei&ght:", 13, 95, 26, 9, false},
        {"edit field", 16031, "", 40, 91, 40, 15, true},
        {"label", -1, "U&nits:", 19, 111, 21, 8, false},
        {"popup list", 16032, "", 40, 110, 49, 30, false},
        {"picture button", 16021, "122", 27, 130, 16, 16, false},
        {"picture button", 16022, "123", 42, 130, 16, 16, false},
        {"picture button", 16023, "124", 57, 130, 16, 16, false},
        {"picture button", 16024, "125", 27, 145, 16, 16, false},
        {"picture button", 16025, "130", 42, 145, 16, 16, false},
        {"picture button", 16026, "126", 57, 145, 16, 16, false},
        {"picture button", 16027, "127", 27, 160, 16, 16, false},
        {"picture button", 16028, "128", 42, 160, 16, 16, false},
        {"picture button", 16029, "129", 57, 160, 16, 16, false},
        {"checkbox", 16014, "Hori&zontal", 119, 81, 51, 10, true},
        {"checkbox", 16015, "&Vertical", 170, 81, 42, 10, true},
        {"checkbox", 16010, "Bot&h", 213, 81, 30, 10, true},
        {"label", -1, "&Top:", 140, 110, 17, 8, false},
        {"edit field", 16001, "", 158, 109, 40, 15, true},
        {"label", -1, "&Left:", 117, 115, 18, 8, false},
        {"edit field", 16002, "", 116, 125, 40, 15, true},
        {"label", -1, "&Right:", 201, 115, 22, 8, false},
        {"edit field", 16004, "", 200, 125, 40, 15, true},
        {"label", -1, "&Bottom:", 127, 145, 30, 8, false},
        {"edit field", 16003, "", 158, 142, 40, 15, true},
        {"label", -1, "Un&iform:", 201, 141, 34, 8, false},
        {"edit field", 16005, "", 158, 125, 40, 15, true},
        {"label", -1, "&Units:", 137, 160, 21, 8, false},
        {"popup list", 16011, "", 159, 159, 48, 30, false},
        {"push button", 1, "&Ok", 223, 10, 37, 14, true},
        {"push button", 2, "&Cancel", 223, 27, 37, 14, true},
        {"push button", 5, "About", 223, 44, 37, 14, true},
        {"group frame", -1, "", 8, 61, 90, 120, false},
        {"label", 16017, "w", 148, 17, 66, 9, false},
        {"label", 16018, "h", 148, 30, 66, 9, false},
        {"label", -1, "Width:", 16, 17, 24, 9, false},
        {"label", -1, "Height:", 14, 30, 26, 9, false},
        {"label", 16019, "w", 42, 17, 66, 9, false},
        {"label", 16020, "h", 42, 30, 66, 9, false},
        {"group frame", -1, "", 8, 10, 104, 33, false},
        {"group frame", -1, "", 114, 75, 134, 21, false},
        {"label", -1, "Width:", 122, 17, 26, 9, false},
        {"label", -1, "Height:", 120, 30, 28, 9, false},
        {"group frame", -1, "", 103, 61, 157, 120, false},
        {"label", -1, " Current Size:", 10, 6, 52, 8, false},
        {"label", -1, " New Size:", 117, 6, 41, 8, false},
        {"label", -1, "  Uniformity:", 120, 70, 47, 8, false},
    };
    ExpectItems(CompiledDialog(16000), expected, std::size(expected));
}

TEST(MainDialog, TabbingVisitsTheFieldsCheckboxesThenTheButtons)
{
    const std::vector<int32_t> order = {16030, 16031, 16014, 16015, 16010, 16001, 16002,
                                        16004, 16003, 16005, 1,     2,     5};
    EXPECT_EQ(CompiledDialog(16000).TabOrder(), order);
}

TEST(MainDialog, ItemsCarryTheStylesTheirBehaviourNeeds)
{
    const DialogResource d = CompiledDialog(16000);
    for (const DialogResourceItem& item : d.items) {
        SCOPED_TRACE(item.id);
        switch (KindOf(item)) {
        case ControlKind::EditField:
            // Single-line numeric entry with a border that scrolls sideways.
            EXPECT_EQ(item.style & (kEditNumber | kStyleBorder | kEditAutoScroll),
                      kEditNumber | kStyleBorder | kEditAutoScroll);
            EXPECT_EQ(item.style & kEditReadOnly, 0u);
            break;
        case ControlKind::PictureButton:
            EXPECT_TRUE(EqualIgnoringCase(item.windowClass.Text(), "ADM Picture Push Button Type"));
            break;
        case ControlKind::Label:
            EXPECT_EQ(AlignmentOf(item) == TextAlignment::Right, item.TextOrNumber() == "&Bottom:");
            break;
        default:
            break;
        }
    }
    // The two mode radios form one group; OK starts the buttons' tab group.
    EXPECT_TRUE(d.FindItem(16034)->StartsGroup());
    EXPECT_FALSE(d.FindItem(16035)->StartsGroup());
    EXPECT_TRUE(d.FindItem(1)->StartsGroup());
    EXPECT_FALSE(d.FindItem(2)->StartsGroup());
}

TEST(AboutBox, IsAPopUpWithCaptionWithoutSystemMenuOrModalFrame)
{
    const DialogResource d = CompiledDialog(18000);
    EXPECT_EQ(d.caption, "Kestrow");
    EXPECT_EQ(d.width, 217);
    EXPECT_EQ(d.height, 115);
    EXPECT_NE(d.style & kStylePopup, 0u);
    EXPECT_EQ(d.style & kStyleCaption, kStyleCaption);
    EXPECT_EQ(d.style & kStyleSystemMenu, 0u);
    EXPECT_EQ(d.style & kStyleModalFrame, 0u);
    ASSERT_TRUE(d.hasFont);
    EXPECT_EQ(d.font.pointSize, 8);
    EXPECT_EQ(d.font.typeface, "MS Sans Serif");
}

TEST(AboutBox, HoldsItsSevenItems)
{
    static const ExpectedItem expected[] = {
        {"label", 18005, "____________________________________________________________", 7, 32, 205, 8, false},
        {"label", -1, ":\n:\n:", 40, 6, 8, 30, false},
        {"default push button", 1, "&Ok", 84, 97, 47, 14, true},
        {"label", 18010, "Version\rCode\rDesign", 7, 6, 32, 30, false},
        {"label", 18011,
         "Kestrow 1.5\rKestrow project <code@kestrow.example.org>\rKestrow team <design@kestrow.example.org>", 48, 6,
         164, 30, false},
        {"label", 18012,
         "Free to use and to share, without warranty.\rKeep a copy of your work before resizing.\r"
         "For updates and more information, visit:",
         7, 49, 177, 25, false},
        {"edit field", 18002, "", 6, 78, 202, 12, true},
    };
    ExpectItems(CompiledDialog(18000), expected, std::size(expected));
}

TEST(AboutBox, WebAddressFieldIsAPlainEditableFieldForTheSetUpToFill)
{
    const DialogResource d = CompiledDialog(18000);
    const DialogResourceItem* field = d.FindItem(18002);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->style & kStyleBorder, 0u);
    EXPECT_EQ(field->style & kEditReadOnly, 0u);
    EXPECT_EQ(field->TextOrNumber(), "");
    // The address the set-up writes in reads in full within the field's
    // width: at least 4 dialog units a character.
    EXPECT_LE(std::string(KESTROW_WEB_ADDRESS).size() * 4, static_cast<size_t>(field->width));
}

}  // namespace
}  // namespace kestrow::resources
