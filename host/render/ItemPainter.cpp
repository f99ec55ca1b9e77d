#include "render/ItemPainter.h"

#include "render/IconPainter.h"

#include <algorithm>
#include <cmath>

namespace kestrow::render {
namespace {

constexpr int kBoxSize = 13;       // checkbox square and radio circle
constexpr int kBoxGap = 4;         // between the mark and its text
constexpr int kDropButton = 16;    // a popup's arrow button
constexpr double kPi = 3.14159265358979323846;

PixelRect RightOf(const PixelRect& rect, int left)
{
    return PixelRect{rect.x + left, rect.y, rect.width - left, rect.height};
}

}  // namespace

void ItemPainter::Paint(const host::DialogItem& item, const PixelRect& rect) const
{
    cairo_t* cr = canvas_.Context();
    cairo_save(cr);
    cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
    cairo_clip(cr);
    switch (item.Kind()) {
    case host::ItemKind::Text: Label(item, rect); break;
    case host::ItemKind::Edit: Edit(item, rect); break;
    case host::ItemKind::Button: PushButton(item, rect); break;
    case host::ItemKind::Checkbox: CheckBox(item, rect); break;
    case host::ItemKind::Radio: Radio(item, rect); break;
    case host::ItemKind::Popup: Popup(item, rect); break;
    case host::ItemKind::Group: Group(item, rect); break;
    case host::ItemKind::PictureButton: PictureButton(item, rect); break;
    case host::ItemKind::Picture: PaintIcon(canvas_, icons_, item.pictureId, rect); break;
    case host::ItemKind::Other: break;
    }
    cairo_restore(cr);
}

// A label paints its whole rectangle, so a title placed on a frame's edge
// hides the line behind it.
void ItemPainter::Label(const host::DialogItem& item, const PixelRect& rect) const
{
    canvas_.FillRect(rect, colours::kFace);
    text_.Block(item.text, rect, item.Layout().align, item.enabled);
}

void ItemPainter::Edit(const host::DialogItem& item, const PixelRect& rect) const
{
    const int border = item.Layout().border ? 2 : 0;
    if (border) canvas_.Sunken(rect);
    const PixelRect inside = Inset(rect, border);
    canvas_.FillRect(inside, item.enabled ? colours::kWindow : colours::kFace);
    const PixelRect textRect = RightOf(inside, 2);
    // An edit shows its text as typed: '&' is no mnemonic there.
    const std::string shown = TextPainter::Literal(item.text);
    text_.Line(shown, textRect.x, inside.y + (inside.height - text_.LineHeight()) / 2,
               item.enabled ? colours::kText : colours::kGreyText);
    if (item.focused && item.enabled) {
        const int caret = textRect.x + static_cast<int>(std::ceil(text_.Width(shown)));
        canvas_.FillRect({caret, inside.y + 2, 1, inside.height - 4}, colours::kText);
    }
}

void ItemPainter::PushButton(const host::DialogItem& item, const PixelRect& rect) const
{
    PixelRect face = rect;
    if (item.Layout().isDefault) {
        canvas_.Edge(rect, colours::kText, colours::kText);
        face = Inset(rect, 1);
    }
    canvas_.FillRect(face, colours::kFace);
    canvas_.Raised(face);
    text_.Single(item.text, face, host::TextAlign::Centre, item.enabled);
}

void ItemPainter::CheckBox(const host::DialogItem& item, const PixelRect& rect) const
{
    const PixelRect box{rect.x, rect.y + (rect.height - kBoxSize) / 2, kBoxSize, kBoxSize};
    canvas_.FillRect(box, item.enabled ? colours::kWindow : colours::kFace);
    canvas_.Sunken(box);
    if (item.value) {
        cairo_t* cr = canvas_.Context();
        canvas_.SetColour(item.enabled ? colours::kText : colours::kGreyText);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, box.x + 3, box.y + 6);
        cairo_line_to(cr, box.x + 5.5, box.y + 8.5);
        cairo_line_to(cr, box.x + 10, box.y + 4);
        cairo_stroke(cr);
    }
    text_.Single(item.text, RightOf(rect, kBoxSize + kBoxGap), host::TextAlign::Left, item.enabled);
}

void ItemPainter::Radio(const host::DialogItem& item, const PixelRect& rect) const
{
    canvas_.FillRect(rect, colours::kFace);
    cairo_t* cr = canvas_.Context();
    const double cx = rect.x + kBoxSize / 2.0;
    const double cy = rect.y + rect.height / 2.0;
    const double radius = kBoxSize / 2.0 - 0.5;
    canvas_.SetColour(item.enabled ? colours::kWindow : colours::kFace);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    canvas_.SetColour(colours::kShadow);
    cairo_arc(cr, cx, cy, radius, 0.75 * kPi, 1.75 * kPi);
    cairo_stroke(cr);
    canvas_.SetColour(colours::kHighlight);
    cairo_arc(cr, cx, cy, radius, -0.25 * kPi, 0.75 * kPi);
    cairo_stroke(cr);
    canvas_.SetColour(colours::kDarkShadow);
    cairo_arc(cr, cx, cy, radius - 1, 0.75 * kPi, 1.75 * kPi);
    cairo_stroke(cr);
    if (item.value) {
        canvas_.SetColour(item.enabled ? colours::kText : colours::kGreyText);
        cairo_arc(cr, cx, cy, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    text_.Single(item.text, RightOf(rect, kBoxSize + kBoxGap), host::TextAlign::Left, item.enabled);
}

// A closed drop-down list: the field with the chosen entry and its arrow
// button. The template's height includes the opened list, which is not shown.
void ItemPainter::Popup(const host::DialogItem& item, const PixelRect& rect) const
{
    const PixelRect field{rect.x, rect.y, rect.width, std::min(rect.height, text_.LineHeight() + 8)};
    canvas_.Sunken(field);
    const PixelRect inside = Inset(field, 2);
    canvas_.FillRect(inside, item.enabled ? colours::kWindow : colours::kFace);
    const host::ListEntry* chosen = item.List() ? item.List()->Active() : nullptr;
    if (chosen) {
        const PixelRect textRect{inside.x + 2, inside.y, inside.width - kDropButton - 2, inside.height};
        cairo_save(canvas_.Context());
        cairo_rectangle(canvas_.Context(), textRect.x, textRect.y, textRect.width, textRect.height);
        cairo_clip(canvas_.Context());
        text_.Line(TextPainter::Literal(chosen->text), textRect.x, textRect.y + (textRect.height - text_.LineHeight()) / 2,
                   item.enabled ? colours::kText : colours::kGreyText);
        cairo_restore(canvas_.Context());
    }
    const PixelRect button{inside.x + inside.width - kDropButton, inside.y, kDropButton, inside.height};
    canvas_.FillRect(button, colours::kFace);
    canvas_.Raised(button);
    cairo_t* cr = canvas_.Context();
    const double cx = button.x + button.width / 2.0;
    const double cy = button.y + button.height / 2.0;
    canvas_.SetColour(item.enabled ? colours::kText : colours::kGreyText);
    cairo_move_to(cr, cx - 4, cy - 2);
    cairo_line_to(cr, cx + 4, cy - 2);
    cairo_line_to(cr, cx, cy + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// An etched frame whose top runs through the middle of its title line.
void ItemPainter::Group(const host::DialogItem& item, const PixelRect& rect) const
{
    const int top = rect.y + text_.LineHeight() / 2;
    const PixelRect frame{rect.x, top, rect.width - 1, rect.y + rect.height - top - 1};
    canvas_.Edge({frame.x + 1, frame.y + 1, frame.width, frame.height}, colours::kHighlight, colours::kHighlight);
    canvas_.Edge(frame, colours::kShadow, colours::kShadow);
    const std::string title = TextPainter::Shown(item.text);
    if (title.empty()) return;
    const PixelRect titleRect{rect.x + 8, rect.y, static_cast<int>(std::ceil(text_.Width(item.text))) + 4,
                              text_.LineHeight()};
    canvas_.FillRect(titleRect, colours::kFace);
    text_.Line(item.text, titleRect.x + 2, titleRect.y, item.enabled ? colours::kText : colours::kGreyText);
}

// A button face with the picture the dialog manager shows now: pressed in
// while on, the disabled picture while disabled.
void ItemPainter::PictureButton(const host::DialogItem& item, const PixelRect& rect) const
{
    canvas_.FillRect(rect, colours::kFace);
    PixelRect picture = Inset(rect, 2);
    if (item.value) {
        canvas_.Edge(rect, colours::kDarkShadow, colours::kHighlight);
        canvas_.Edge(Inset(rect, 1), colours::kShadow, colours::kFace);
        picture.x += 1;
        picture.y += 1;
    } else {
        canvas_.Raised(rect);
    }
    PaintIcon(canvas_, icons_, item.ShownPictureId(), picture);
}

}  // namespace kestrow::render
