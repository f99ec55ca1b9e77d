// A dialog resource in the extended template form (DIALOGEX): the dialog's
// style, place, caption and font, and every item with its class, number,
// text, place, size and style, in resource order.
#pragma once

#include "resources/ByteReader.h"
#include "resources/ResourceId.h"

#include <string>
#include <vector>

namespace kestrow::resources {

// Style bits the readers and their users look at.
enum : uint32_t {
    kStylePopup = 0x80000000u,
    kStyleChild = 0x40000000u,
    kStyleVisible = 0x10000000u,
    kStyleDisabled = 0x08000000u,
    kStyleCaption = 0x00C00000u,
    kStyleBorder = 0x00800000u,
    kStyleSystemMenu = 0x00080000u,
    kStyleGroup = 0x00020000u,
    kStyleTabStop = 0x00010000u,
    kStyleSetFont = 0x00000040u,
    kStyleModalFrame = 0x00000080u,
    kEditAutoScroll = 0x0080u,
    kEditReadOnly = 0x0800u,
    kEditNumber = 0x2000u,
};

// Predefined window classes, stored as numbers.
namespace classes {
constexpr uint16_t kButton = 0x80;
constexpr uint16_t kEdit = 0x81;
constexpr uint16_t kStatic = 0x82;
constexpr uint16_t kListBox = 0x83;
constexpr uint16_t kScrollBar = 0x84;
constexpr uint16_t kComboBox = 0x85;
}  // namespace classes

struct DialogFont {
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    bool italic = false;
    uint8_t charset = 0;
    std::string typeface;
};

struct DialogResourceItem {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
    int32_t id = 0;            // -1 for items the code never addresses
    ResourceId windowClass{uint16_t(0)};
    ResourceId text{std::string()};
    std::vector<uint8_t> creationData;

    bool TabStop() const { return (style & kStyleTabStop) != 0; }
    bool StartsGroup() const { return (style & kStyleGroup) != 0; }
    // The text, or "#n" for a title given as a resource number.
    std::string TextOrNumber() const;
};

struct DialogResource {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
    ResourceId menu{std::string()};
    ResourceId windowClass{std::string()};
    std::string caption;
    bool hasFont = false;
    DialogFont font;
    std::vector<DialogResourceItem> items;

    const DialogResourceItem* FindItem(int32_t id) const;
    // The numbers of the visible, enabled items with a tab stop, in the
    // order the keyboard visits them.
    std::vector<int32_t> TabOrder() const;
};

// Throws ResourceError for a truncated or malformed template, a legacy
// (non-extended) template, an item count larger than the data can hold, or
// bytes left after the last item.
DialogResource ParseDialogResource(ByteView bytes, const std::string& what);

}  // namespace kestrow::resources
