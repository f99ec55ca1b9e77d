// Dialog units to pixels for the dialog font: a dialog unit is a quarter of
// the font's average character width across and an eighth of its height
// down. For an 8-point font at 96 dots per inch those are 6 and 13 pixels.
#pragma once

#include "dialog/DialogTemplate.h"

namespace kestrow::render {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class DialogUnits {
public:
    // The base units of `points`-point text at 96 dots per inch.
    explicit DialogUnits(int points);
    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }
    // Rounded to the nearest pixel, halves away from zero.
    int X(int units) const;
    int Y(int units) const;
    // Both edges converted, so items that meet in dialog units meet in pixels.
    PixelRect Rect(const host::DialogRect& rect) const;

private:
    int baseWidth_;
    int baseHeight_;
};

}  // namespace kestrow::render
