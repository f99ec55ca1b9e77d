// Draws one dialog item as the dialog shows it now: its kind's frame, its
// text or chosen entry, its on/off mark, its current picture, greyed when
// disabled.
#pragma once

#include "dialog/Dialog.h"
#include "dialog/DialogSource.h"
#include "render/TextPainter.h"

namespace kestrow::render {

class ItemPainter {
public:
    ItemPainter(const CairoCanvas& canvas, const TextPainter& text, const host::DialogSource* icons)
        : canvas_(canvas), text_(text), icons_(icons)
    {
    }

    // Draws `item` in `rect`, pixels of the client area.
    void Paint(const host::DialogItem& item, const PixelRect& rect) const;

private:
    void Label(const host::DialogItem& item, const PixelRect& rect) const;
    void Edit(const host::DialogItem& item, const PixelRect& rect) const;
    void PushButton(const host::DialogItem& item, const PixelRect& rect) const;
    void CheckBox(const host::DialogItem& item, const PixelRect& rect) const;
    void Radio(const host::DialogItem& item, const PixelRect& rect) const;
    void Popup(const host::DialogItem& item, const PixelRect& rect) const;
    void Group(const host::DialogItem& item, const PixelRect& rect) const;
    void PictureButton(const host::DialogItem& item, const PixelRect& rect) const;
    const CairoCanvas& canvas_;
    const TextPainter& text_;
    const host::DialogSource* icons_;
};

}  // namespace kestrow::render
