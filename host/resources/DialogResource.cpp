// Reading an extended dialog template: a header (version 1, signature
// 0xFFFF), the dialog's own fields and font, then each item aligned to 4
// bytes from the start of the resource.
#include "resources/DialogResource.h"

#include "resources/ResourceError.h"

namespace kestrow::resources {
namespace {

// Help id, extended style, style, place and size, number, class, text and
// creation-data size: the least one item takes.
constexpr size_t kSmallestItem = 4 + 4 + 4 + 4 * 2 + 4 + 2 + 2 + 2;

DialogResourceItem ReadItem(ByteReader& r)
{
    DialogResourceItem item;
    r.Align(4, "padding before an item");
    item.helpId = r.U32("item help id");
    item.exStyle = r.U32("item extended style");
    item.style = r.U32("item style");
    item.x = r.I16("item x");
    item.y = r.I16("item y");
    item.width = r.I16("item width");
    item.height = r.I16("item height");
    item.id = r.I32("item number");
    item.windowClass = ReadResourceId(r, "item class");
    item.text = ReadResourceId(r, "item text");
    const uint16_t extra = r.U16("item creation data size");
    const ByteView data = r.Bytes(extra, "item creation data");
    item.creationData.assign(data.data, data.data + data.size);
    return item;
}

}  // namespace

std::string DialogResourceItem::TextOrNumber() const
{
    return text.IsNumber() ? "#" + std::to_string(text.Number()) : text.Text();
}

const DialogResourceItem* DialogResource::FindItem(int32_t id) const
{
    for (const DialogResourceItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

std::vector<int32_t> DialogResource::TabOrder() const
{
    std::vector<int32_t> order;
    for (const DialogResourceItem& item : items)
        if (item.TabStop() && (item.style & kStyleVisible) && !(item.style & kStyleDisabled))
            order.push_back(item.id);
    return order;
}

DialogResource ParseDialogResource(ByteView bytes, const std::string& what)
{
    ByteReader r(bytes, what);
    DialogResource d;
    const uint16_t version = r.U16("template version");
    const uint16_t signature = r.U16("template signature");
    if (version != 1 || signature != 0xFFFF)
        r.Fail("not an extended dialog template");
    d.helpId = r.U32("help id");
    d.exStyle = r.U32("extended style");
    d.style = r.U32("style");
    const uint16_t count = r.U16("item count");
    d.x = r.I16("x");
    d.y = r.I16("y");
    d.width = r.I16("width");
    d.height = r.I16("height");
    d.menu = ReadResourceId(r, "menu");
    d.windowClass = ReadResourceId(r, "window class");
    d.caption = r.Utf16String("caption");
    if (d.style & kStyleSetFont) {
        d.hasFont = true;
        d.font.pointSize = r.U16("font size");
        d.font.weight = r.U16("font weight");
        d.font.italic = r.U8("font italic") != 0;
        d.font.charset = r.U8("font character set");
        d.font.typeface = r.Utf16String("font typeface");
    }
    if (count > r.Remaining() / kSmallestItem)
        r.Fail("item count " + std::to_string(count) + " is more than the data can hold");
    for (uint16_t i = 0; i < count; ++i)
        d.items.push_back(ReadItem(r));
    // The compiler may pad the last item to 4 bytes.
    if (r.Remaining() < 4) {
        while (!r.AtEnd())
            if (r.U8("padding after the last item") != 0)
                r.Fail("bytes after the last item that are not padding");
    }
    r.ExpectEnd("the last item");
    return d;
}

}  // namespace kestrow::resources
